#pragma once
// The QDialog of a CDialog: Enter and Esc go to the dialog's OnOK and OnCancel, which decide
// whether it closes. It is never narrower than its title needs in the window manager's frame.

#include <QDialog>

class CDialog;

class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog* owner, QWidget* parent);
    void Disown() { owner_ = nullptr; }
    void accept() override;
    void reject() override;
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    CDialog* owner_;
};
