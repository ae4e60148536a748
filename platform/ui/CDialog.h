#pragma once
// A dialog built in code. The dialog widget carries its template id as objectName; each
// control added with AddControl carries its control id, and buttons route their id through
// the dialog's command map (IDOK -> OnOK, IDCANCEL -> OnCancel, Esc and closing -> OnCancel).
// Controls are made once, in CreateControls, before OnInitDialog.

#include "platform/ui/CWnd.h"

class QDialog;
class QHBoxLayout;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Shows the dialog modally; returns the code given to EndDialog (IDOK, IDCANCEL ...).
    virtual int DoModal();
    // Shows the dialog modelessly.
    virtual BOOL Create(UINT templateId = 0, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT GetTemplateId() const { return templateId_; }
    QDialog* Dialog() const;
    // Makes the dialog widget and its controls (once); DoModal and Create call it.
    void EnsureCreated();

protected:
    virtual void CreateControls();
    // A row of the OK (default) and Cancel buttons on the right, for the caller's layout.
    QHBoxLayout* MakeOkCancelRow();
    // For an OnOK in which Enter in a field steps to the next control: true (the dialog
    // stays) when the shown dialog's focus is on a control other than OK, which it leaves
    // for the next one.
    bool EnterStepsToNextControl();
    // Moves the focus to the control after from that Tab would reach, and shows it there as
    // Tab does: without the keyboard's focus frame, a step between radio buttons shows nothing.
    static void FocusNextControl(QWidget* from);

private:
    UINT templateId_;
    bool created_ = false;
};
