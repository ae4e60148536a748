#pragma once
// The progress window of a DXF import: the file being read and the point and line counts so
// far, with a cancel button. It is modeless and keeps the main window disabled while it is
// shown; the reader lets it handle waiting events between groups. Disabling takes the keyboard
// focus from the main window; the end gives it back to where it was, so that the document
// window that imported stays the one in front.

#include "common/dxf/CDxfImportProgress.h"
#include "platform/ui/CDialog.h"

#include <QPointer>
#include <QWidget>

class CDxfReadProgressDlg : public CDialog, public CDxfImportProgress {
public:
    enum { IDD = 119 };
    enum ControlId { kPathId = 161, kCountsId = 162 };

    explicit CDxfReadProgressDlg(CWnd* parent = nullptr);
    ~CDxfReadProgressDlg() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;

    void Begin(const CString& path) override;
    void UpdateCounts(int points, int lines) override;
    void PumpMessage() override;
    bool IsCancelled() const override { return cancelled_; }
    void End() override;

protected:
    void CreateControls() override;

private:
    void EnableMainWindow(bool enable);

    bool cancelled_ = false;
    bool shown_ = false;
    QPointer<QWidget> focusBefore_;
};
