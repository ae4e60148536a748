#pragma once
// The QDialog of a CDialog: Enter and Esc go to the dialog's OnOK and OnCancel, which decide
// whether it closes.

#include <QDialog>

class CDialog;

class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog* owner, QWidget* parent);
    void Disown() { owner_ = nullptr; }
    void accept() override;
    void reject() override;

private:
    CDialog* owner_;
};
