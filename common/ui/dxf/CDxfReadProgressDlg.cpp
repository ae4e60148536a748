#include "common/ui/dxf/CDxfReadProgressDlg.h"
#include "platform/ui/OwnerWindow.h"
#include "platform/ui/QtText.h"

#include "platform/ui/CWinApp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDxfReadProgressDlg::CDxfReadProgressDlg(CWnd* parent) : CDialog(IDD, parent) {}

CDxfReadProgressDlg::~CDxfReadProgressDlg() {
    End();
}

void CDxfReadProgressDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"DXFﾌｧｲﾙ読み込み"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(AddControl(kPathId, new QLabel));
    layout->addWidget(AddControl(kCountsId, new QLabel));
    auto* cancel = new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"));
    layout->addWidget(AddControl(IDCANCEL, cancel), 0, Qt::AlignHCenter);
    dialog->setMinimumWidth(360);
}

BOOL CDxfReadProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    platform::PlaceOverOwner(*Dialog(), Dialog()->parentWidget());
    return TRUE;
}

void CDxfReadProgressDlg::OnCancel() {
    cancelled_ = true;
    End();
}

void CDxfReadProgressDlg::Begin(const CString& path) {
    cancelled_ = false;
    if (!shown_) {
        Create(IDD, GetParent());
        shown_ = true;
        EnableMainWindow(false);
    }
    SetDlgItemText(kPathId, path);
    UpdateCounts(0, 0);
}

void CDxfReadProgressDlg::UpdateCounts(int points, int lines) {
    CString counts;
    counts.Format(u8"個数： 点(%d) 線(%d)", points, lines);
    SetDlgItemText(kCountsId, counts);
}

void CDxfReadProgressDlg::PumpMessage() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CDxfReadProgressDlg::End() {
    if (!shown_) {
        return;
    }
    shown_ = false;
    EnableMainWindow(true);
    if (Dialog()) {
        Dialog()->hide();
    }
}

void CDxfReadProgressDlg::EnableMainWindow(bool enable) {
    CWnd* main = AfxGetMainWnd();
    QWidget* window = main ? main->GetWidget() : nullptr;
    if (!window) {
        return;
    }
    if (!enable) {
        focusBefore_ = window->focusWidget();
    }
    window->setEnabled(enable);
    if (enable && focusBefore_) {
        focusBefore_->setFocus(Qt::OtherFocusReason);
    }
}
