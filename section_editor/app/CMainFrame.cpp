#include "section_editor/app/CMainFrame.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/MerdokMenu.h"
#include "section_editor/app/ToolBarImages.h"

#include "platform/ui/FileDropOpening.h"

#include <QMainWindow>

namespace merdok {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

const UINT kStandardButtons[] = {ID_FILE_OPEN,     ID_FILE_SAVE, ID_SEPARATOR, ID_VIEW_ZOOM_IN,
                                 ID_VIEW_ZOOM_OUT, ID_VIEW_ALL,  ID_SEPARATOR, ID_VIEW_PROPERTIES};
const UINT kEditButtons[] = {ID_EDIT_SELECT,
                             ID_EDIT_DELETE,
                             ID_SEPARATOR,
                             ID_DRAW_GROUND_POINT,
                             ID_DRAW_GROUND_LINE,
                             ID_DRAW_CONTINUOUS_LINE,
                             ID_DRAW_MEASURE_POINT,
                             ID_DRAW_UNDER_BOUND_POINT,
                             ID_DRAW_LEFT_BOUND_POINT,
                             ID_DRAW_RIGHT_BOUND_POINT,
                             ID_SEPARATOR,
                             ID_INPUT_GROUND_LINE,
                             ID_INPUT_MEASURE_POINTS,
                             ID_INPUT_BOUND_POINTS};

const shell::MainFrameTraits kTraits{CMainFrame::kWindowClass, BuildMainMenu, BuildDocumentMenu,
                                     CommandPrompts, Accelerators};

} // namespace

CMainFrame::CMainFrame() : CSectionMainFrame(kTraits) {}

bool CMainFrame::CreateToolBars() {
    if (!CreateCommandBar(standardBar_, IDW_STANDARD_BAR, u8"標準", kStandardButtons,
                          static_cast<int>(std::size(kStandardButtons)), ToolBarImage) ||
        !CreateCommandBar(editBar_, IDW_EDIT_BAR, u8"編集", kEditButtons,
                          static_cast<int>(std::size(kEditButtons)), ToolBarImage)) {
        return false;
    }
    standardBar_.SetButtonLabels({u8"開く", u8"上書保存", u8"拡大", u8"縮小", u8"全体表示", u8"表示設定"});
    editBar_.SetButtonLabels({u8"選択", u8"削除", u8"地表点", u8"単線", u8"連続線", u8"計測点", u8"地中境界",
                              u8"左地表境界", u8"右地表境界", u8"地表線", u8"計測点", u8"境界点"});
    SetCommandBars({&standardBar_, &editBar_}, {&standardBar_, &editBar_});
    SetBoundaryButtons(editBar_,
                       {ID_DRAW_UNDER_BOUND_POINT, ID_DRAW_LEFT_BOUND_POINT, ID_DRAW_RIGHT_BOUND_POINT});
    return true;
}

void CMainFrame::OnFrameReady() {
    platform::OpenDroppedFiles(MainWindow());
}

CBlockView* CMainFrame::ActiveBlockView() const {
    return dynamic_cast<CBlockView*>(ActiveSectionView());
}

} // namespace merdok
