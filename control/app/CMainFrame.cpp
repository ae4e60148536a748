#include "control/app/CMainFrame.h"

#include "common/process/WindowClassClient.h"
#include "control/app/CMainView1.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WindowFront.h"

#include <QLineEdit>
#include <QMainWindow>

namespace basnev {

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

const char kWindowClass[] = "VerrantControl";
const char* const kProcessingClasses[] = {"VerrantTableInput", "VerrantSection", "VerrantCalculation"};

} // namespace

CMainFrame::CMainFrame() : windowClass_(*this) {}

int CMainFrame::OnCreate() {
    MainWindow()->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    windowClass_.Register(kWindowClass);
    return 0;
}

void CMainFrame::OnUpdateFrameTitle(BOOL) {
    if (MainWindow()) {
        MainWindow()->setWindowTitle(platform::ToQString(m_strTitle));
    }
}

bool CMainFrame::IsProcessingProgramOpen() {
    for (const char* className : kProcessingClasses) {
        if (process::FindWindowClass(className)) {
            return true;
        }
    }
    return false;
}

BOOL CMainFrame::OnClose() {
    if (closing_) {
        return TRUE;
    }
    // Whatever way the window closes, the names shown are the ones kept for the next run, so
    // that a name a child wrote back is never lost. Taken before the guard: the end of a
    // session ends the run even when this close is refused.
    if (auto* view = dynamic_cast<CMainView1*>(GetActiveView())) {
        view->TakeOverSlotTexts();
    }
    if (IsProcessingProgramOpen()) {
        AfxMessageBox(u8"処理ﾌﾟﾛｸﾞﾗﾑ実行中のため、終了できません");
        return FALSE;
    }
    return CFrameWnd::OnClose();
}

bool CMainFrame::BringToFront() {
    return platform::BringWindowToFront(MainWindow());
}

bool CMainFrame::GetControlText(int controlId, CString& text) {
    CView* view = GetActiveView();
    auto* edit = view ? qobject_cast<QLineEdit*>(view->GetDlgItemWidget(controlId)) : nullptr;
    if (!edit) {
        return false;
    }
    text = platform::FromQStringLossy(edit->text());
    return true;
}

bool CMainFrame::SetControlText(int controlId, const CString& text) {
    auto* form = dynamic_cast<CMainView1*>(GetActiveView());
    return form && form->SetSlotText(controlId, text);
}

} // namespace basnev
