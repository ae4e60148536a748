// The section view's selection, information and settings commands and their enable and check
// rules: select all, select the unused ground points, deselect, the selection targets, the snap
// switch, the model information, the document title and the title registration settings.

#include "platform/ui/CWinApp.h"
#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMainFrame.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/CModelInfoDlg.h"
#include "section_editor/app/CTitleDlg.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/CSelectTargetDlg.h"
#include "common/ui/shell/TitleRegistration.h"
#include "platform/ui/CCmdUI.h"
#include "section_editor/core/CBlockDoc.h"

#include <algorithm>

namespace merdok {

namespace {

constexpr UINT kTargetChecks[] = {112, 113, 114, 115};
constexpr UINT kAllTargetsButton = 149;
constexpr UINT kAutomaticCheck = 112;
constexpr UINT kBrowseButton = 149;

// Points and lines in these states count in the model information (normal, changing, selected).
bool Counted(int state) {
    return state >= 0 && state <= 2;
}

} // namespace

void CBlockView::MapEditCommands() {
    MapCommand(ID_EDIT_SELECT_ALL, [this] { OnEditSelectAll(); });
    MapCommand(ID_SELECT_UNUSED_POINTS, [this] { OnSelectUnusedPoints(); });
    MapCommand(ID_EDIT_DESELECT, [this] { OnEditDeselect(); });
    MapCommand(ID_SELECT_TARGETS, [this] { OnSelectTargets(); });
    MapCommand(ID_SNAP_TO_POINT, [this] { OnSnapToPoint(); });
    MapCommand(ID_MODEL_INFO, [this] { OnModelInfo(); });
    MapCommand(ID_EDIT_TITLE, [this] { OnEditTitle(); });
    MapCommand(ID_TITLE_REGISTER, [this] { OnTitleRegister(); });
    const auto hasGroundPoints = [this](CCmdUI* ui) { ui->Enable(DocHasGroundPoints()); };
    MapUpdate(ID_EDIT_SELECT_ALL, hasGroundPoints);
    MapUpdate(ID_SELECT_UNUSED_POINTS, hasGroundPoints);
    MapUpdate(ID_EDIT_DESELECT, [this](CCmdUI* ui) { ui->Enable(!Selection().IsEmpty()); });
    MapUpdate(ID_SNAP_TO_POINT, [this](CCmdUI* ui) {
        CBlockDoc* model = Model();
        ui->Enable(model && model->m_mapNode.GetCount() >= 2);
        ui->SetCheck(SnapsToPoints() ? 1 : 0);
    });
}

void CBlockView::RecolorBoundaryButtons() {
    if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd())) {
        const section::PointStyle* points = m_display.points;
        frame->RecolorBoundaryButtons(points[kPointUnder].color, points[kPointLeft].color,
                                      points[kPointRight].color);
    }
}

void CBlockView::CountSelection() {
    m_nSelPoints = 0;
    m_nSelLines = 0;
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        CObject* object = Selection().GetNext(pos);
        if (dynamic_cast<CNode*>(object)) {
            ++m_nSelPoints;
        } else if (dynamic_cast<CLine*>(object)) {
            ++m_nSelLines;
        }
    }
}

void CBlockView::OnEditSelectAll() {
    SelectTool(section::DrawMode::kSelect);
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    // An unset minimum takes every position.
    const double any = platform::kUnsetDouble;
    const double all[4] = {any, any, any, any};
    SelectInRectangle(all);
    model->SelectLinesOfSelectedNodes(Selection());
    CountSelection();
    Invalidate(FALSE);
}

void CBlockView::OnSelectUnusedPoints() {
    SelectTool(section::DrawMode::kSelect);
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const int before = Selection().GetCount();
    model->SelectUnusedNodes(Selection());
    if (Selection().GetCount() == before) {
        return;
    }
    CountSelection();
    Invalidate(FALSE);
}

void CBlockView::OnEditDeselect() {
    ClearSelection();
    m_nSelPoints = 0;
    m_nSelLines = 0;
}

void CBlockView::OnSelectTargets() {
    CSelectTargetDlg dialog({kTargetChecks[0], kTargetChecks[1], kTargetChecks[2], kTargetChecks[3]},
                            kAllTargetsButton, this);
    dialog.m_bTarget = {SelectsTarget(kTargetGround), SelectsTarget(kTargetLines),
                        SelectsTarget(kTargetMeasure), SelectsTarget(kTargetBoundary)};
    if (dialog.DoModal() != IDOK) {
        return;
    }
    SetSelectTarget(kTargetGround, dialog.m_bTarget[CSelectTargetDlg::kGroundPoint] != FALSE);
    SetSelectTarget(kTargetLines, dialog.m_bTarget[CSelectTargetDlg::kGroundLine] != FALSE);
    SetSelectTarget(kTargetMeasure, dialog.m_bTarget[CSelectTargetDlg::kMeasurePoint] != FALSE);
    SetSelectTarget(kTargetBoundary, dialog.m_bTarget[CSelectTargetDlg::kBoundPoint] != FALSE);
}

void CBlockView::OnSnapToPoint() {
    ToggleSnapToPoint();
}

void CBlockView::OnModelInfo() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    CModelInfoDlg dialog(this);
    bool anyGroundPoint = false;
    double box[4] = {0.0, 0.0, 0.0, 0.0}; // x min, x max, y min, y max
    for (const auto& [key, point] : model->m_mapNode) {
        if (!Counted(point->GetState())) {
            continue;
        }
        ++dialog.m_nGroundPoints;
        const double x = point->GetX();
        const double y = point->GetY();
        if (!anyGroundPoint) {
            box[0] = box[1] = x;
            box[2] = box[3] = y;
            anyGroundPoint = true;
        }
        box[0] = std::min(box[0], x);
        box[1] = std::max(box[1], x);
        box[2] = std::min(box[2], y);
        box[3] = std::max(box[3], y);
    }
    for (const auto& [key, line] : model->m_LineList) {
        dialog.m_nLines += Counted(line->GetState()) ? 1 : 0;
    }
    for (const auto& [key, point] : model->m_mapSite) {
        dialog.m_nMeasurePoints += Counted(point->GetState()) ? 1 : 0;
    }
    for (const auto& [key, point] : model->m_mapBound) {
        dialog.m_nBoundPoints += Counted(point->GetState()) ? 1 : 0;
    }
    if (anyGroundPoint) {
        dialog.m_dXMin = box[0];
        dialog.m_dXMax = box[1];
        dialog.m_dYMin = box[2];
        dialog.m_dYMax = box[3];
        dialog.m_dWidth = box[1] - box[0];
        dialog.m_dHeight = box[3] - box[2];
    }
    dialog.DoModal();
}

void CBlockView::OnEditTitle() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const ViewSettings& settings = ProgramViewSettings();
    CTitleDlg dialog(this);
    dialog.m_strTitle = model->m_strTitle;
    dialog.m_strTitleFile = settings.titleFile;
    dialog.m_bAutomatic = settings.titleAutomatic;
    dialog.m_nMaxCount = settings.titleMaxCount;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    model->SetModifiedFlag(true);
    model->m_strTitle = dialog.m_strTitle;
}

void CBlockView::OnTitleRegister() {
    shell::EditTitleRegistration(ProgramViewSettings(), kAutomaticCheck, kBrowseButton, this);
}

} // namespace merdok
