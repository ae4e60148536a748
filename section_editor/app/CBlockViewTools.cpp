// The section view's drawing tools on the view base's mouse layer: the tool commands that
// choose the draw mode, the figure each mode draws with, what the view base's snapping sees of
// the model, and where a finished figure's result goes (new points and lines, a point of the
// tool's kind or the point clicked on, the selection).

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/CFigLine.h"
#include "common/ui/section/CFigPointPick.h"
#include "common/ui/section/CFigPolyline.h"
#include "common/ui/section/CFigRectSelect.h"
#include "common/ui/section/GuideIds.h"
#include "platform/ui/CCmdUI.h"
#include "section_editor/core/CBlockDoc.h"

#include <algorithm>
#include <optional>

using section::PointKind;

namespace merdok {

namespace {

using section::DrawMode;
namespace guide = section::guide;

struct Tool {
    DrawMode mode;
    UINT command;
    UINT prompt;
    UINT title;
    std::optional<PointKind> pointKind;
};
const Tool kTools[] = {
    {DrawMode::kSelect, ID_EDIT_SELECT, guide::kSelectPrompt, guide::kSelectTitle, std::nullopt},
    {DrawMode::kLine, ID_DRAW_GROUND_LINE, guide::kLinePrompt, guide::kLineTitle, PointKind::kGround},
    {DrawMode::kPolyline, ID_DRAW_CONTINUOUS_LINE, guide::kPolylinePrompt, guide::kPolylineTitle,
     PointKind::kGround},
    {DrawMode::kGroundPoint, ID_DRAW_GROUND_POINT, guide::kGroundPointPrompt, guide::kGroundPointTitle,
     PointKind::kGround},
    {DrawMode::kMeasurePoint, ID_DRAW_MEASURE_POINT, guide::kMeasurePointPrompt, guide::kMeasurePointTitle,
     PointKind::kMeasurement},
    {DrawMode::kInnerBoundPoint, ID_DRAW_UNDER_BOUND_POINT, guide::kInnerBoundPointPrompt,
     guide::kInnerBoundPointTitle, PointKind::kInnerBoundary},
    {DrawMode::kLeftBoundPoint, ID_DRAW_LEFT_BOUND_POINT, guide::kSurfaceBoundPointPrompt,
     guide::kLeftBoundPointTitle, PointKind::kLeftBoundary},
    {DrawMode::kRightBoundPoint, ID_DRAW_RIGHT_BOUND_POINT, guide::kSurfaceBoundPointPrompt,
     guide::kEditorRightBoundPointTitle, PointKind::kRightBoundary},
};

const Tool* ToolOf(DrawMode mode) {
    for (const Tool& tool : kTools) {
        if (tool.mode == mode) {
            return &tool;
        }
    }
    return nullptr;
}

// The point tools pick in the tools' own sub-mode: a new point, or the point clicked on.
constexpr int kPointPickMode = 0;

// What a tool has just made (state "new") becomes part of the model; dropped lines stay dropped.
void AcceptNewObjects(CBlockDoc& model) {
    for (const RecordMap<CNode>* map : {&model.m_mapNode, &model.m_mapSite, &model.m_mapBound}) {
        for (const auto& [key, point] : *map) {
            if (point->GetState() == CNode::kChanging) {
                point->SetState(CNode::kNormal);
            }
        }
    }
    for (const auto& [key, line] : model.m_LineList) {
        if (line->GetState() == CLine::kNew) {
            line->SetState(CLine::kNormal);
        }
    }
}

void AddSnapPoints(const RecordMap<CNode>& map, std::vector<CViewBase::SnapPoint>& points) {
    for (const auto& [key, point] : map) {
        if (point->GetState() >= 0) {
            points.push_back(CViewBase::SnapPoint{point->GetX(), point->GetY(), key, point->GetKind()});
        }
    }
}

} // namespace

void CBlockView::MapToolCommands() {
    for (const Tool& tool : kTools) {
        const DrawMode mode = tool.mode;
        MapCommand(tool.command, [this, mode] { SelectTool(mode); });
        MapUpdate(tool.command, [this, mode](CCmdUI* ui) {
            // The single-line tool also needs its own prompt to show as chosen.
            const bool chosen =
                ChosenTool() == mode && (mode != DrawMode::kLine || ToolPrompt() == guide::kLinePrompt);
            ui->SetCheck(chosen ? 1 : 0);
            ui->Enable(chosen || mode == DrawMode::kSelect || Selection().IsEmpty());
        });
    }
    MapCommand(ID_EDIT_DELETE, [this] { OnEditDelete(); });
    MapCommand(ID_VIEW_PROPERTIES, [this] { OnViewProperties(); });
    MapUpdate(ID_EDIT_DELETE, [this](CCmdUI* ui) { ui->Enable(!Selection().IsEmpty()); });
    // The click that closes a menu is no drawing click.
    MapCommand(ID_MENU_SELECTED, [this] { IgnoreNextClick(); });
}

void CBlockView::SelectTool(DrawMode mode) {
    const Tool* tool = ToolOf(mode);
    if (!tool) {
        return;
    }
    if (mode == DrawMode::kSelect && ChosenTool() == DrawMode::kSelect) {
        ClearSelection();
    }
    DropDrawFigure();
    ChooseTool(mode, tool->pointKind, tool->prompt, tool->title);
}

void CBlockView::ToggleSnapToPoint() {
    CViewBase::ToggleSnapToPoint();
    ShowToolTitle();
}

// Sizes of the figures: the selection frames the line and the ground point mark; the line
// tools take the line width, each point tool the mark size of its own kind.
std::unique_ptr<CFigure> CBlockView::MakeFigure(DrawMode drawMode) {
    std::unique_ptr<CFigure> figure;
    int size = 0;
    switch (drawMode) {
    case DrawMode::kSelect:
        figure = std::make_unique<CFigRectSelect>();
        size = std::max(m_display.line.width, m_display.points[kPointNode].size + 4);
        break;
    case DrawMode::kLine:
        figure = std::make_unique<CFigLine>();
        size = m_display.line.width;
        break;
    case DrawMode::kPolyline:
        figure = std::make_unique<CFigPolyline>();
        size = m_display.line.width;
        break;
    case DrawMode::kGroundPoint:
    case DrawMode::kMeasurePoint:
    case DrawMode::kInnerBoundPoint:
    case DrawMode::kLeftBoundPoint:
    case DrawMode::kRightBoundPoint:
        figure = std::make_unique<CFigPointPick>(kPointPickMode);
        size = m_display.points[section::PointKindIndex(*section::PointKindOf(drawMode))].size;
        break;
    default:
        return nullptr;
    }
    figure->Setup(GreyColour(), size, m_sizeLabel.cx, m_sizeLabel.cy, this);
    return figure;
}

std::vector<CViewBase::SnapPoint> CBlockView::DocSnapPoints(PointSet set) const {
    std::vector<SnapPoint> points;
    CBlockDoc* model = Model();
    if (!model) {
        return points;
    }
    if (set == PointSet::kGround || set == PointSet::kAll) {
        AddSnapPoints(model->m_mapNode, points);
    }
    if (set == PointSet::kMeasure || set == PointSet::kAll) {
        AddSnapPoints(model->m_mapSite, points);
    }
    if (set == PointSet::kBoundary || set == PointSet::kAll) {
        AddSnapPoints(model->m_mapBound, points);
    }
    return points;
}

bool CBlockView::DocNearestLine(double x, double y, int& key, double& squaredDistance, DPoint& a,
                                DPoint& b) const {
    CBlockDoc* model = Model();
    key = -1;
    if (!model) {
        return false;
    }
    squaredDistance = model->FindNearestLine(x, y, key, false);
    const CLine* line = key >= 0 ? model->m_LineList.Lookup(key) : nullptr;
    if (!line) {
        key = -1;
        return false;
    }
    a = model->NodeXY(line->GetNode1());
    b = model->NodeXY(line->GetNode2());
    return true;
}

void CBlockView::DocStoreLineKind(int key, SegmentKind kind) {
    CBlockDoc* model = Model();
    if (CLine* line = model ? model->m_LineList.Lookup(key) : nullptr) {
        line->SetSegKind(kind);
    }
}

double CBlockView::DocSamePointDistance() const {
    CBlockDoc* model = Model();
    return model ? model->m_dSnap : 0.01;
}

double CBlockView::DocSquaredSnap() const {
    CBlockDoc* model = Model();
    return model ? model->m_dSnap2 : 0.0001;
}

void CBlockView::DocSetSquaredSnap(double value) {
    if (CBlockDoc* model = Model()) {
        model->m_dSnap2 = value;
    }
}

// The model keeps the flag that the close question and saving read.
void CBlockView::DocSetModified() {
    if (CBlockDoc* model = Model()) {
        model->SetModifiedFlag(true);
    }
}

int CBlockView::CommitPointRun(const std::vector<section::FigureVertex>& run) {
    CBlockDoc* model = Model();
    if (!model) {
        return 0;
    }
    const BOOL compacted = model->ImportPointRun(section::WorldPoints(run), 1);
    AcceptNewObjects(*model);
    return compacted ? 1 : 0;
}

// A click of a point tool: a new point of the tool's kind there, or, on a point of that kind,
// the point dialog on it.
BOOL CBlockView::CommitPick(const section::FigureVertex& click) {
    CBlockDoc* model = Model();
    if (!model) {
        return FALSE;
    }
    const CNode record(1000, click.world.x, click.world.y, CNode::kNormal);
    CNode* point = model->InsertPoint(record, ToolPointKind());
    if (!point) {
        return TRUE;
    }
    if (point->GetState() == CNode::kChanging) {
        AcceptNewObjects(*model);
        DocSetModified();
    } else {
        ChangePoint(*point);
    }
    return TRUE;
}

BOOL CBlockView::CommitSelection(int mode, CFigure& figure) {
    CBlockDoc* model = Model();
    if (!model) {
        return FALSE;
    }
    const int number = figure.Start().number;
    switch (mode) {
    case kPickFree: {
        double rect[4];
        figure.OrderedWorldRect(rect);
        SelectInRectangle(rect);
        break;
    }
    case kPickPoint: {
        CNode* point = number > 0 ? model->PointMap(ToolPointKind()).Lookup(number - 1) : nullptr;
        if (point && point->GetState() == CNode::kNormal) {
            point->SetState(CNode::kSelected);
            Selection().AddTail(point);
        }
        break;
    }
    case kPickLine: {
        CLine* line = number < 0 ? model->m_LineList.Lookup(-number - 1) : nullptr;
        if (line && line->GetState() == CLine::kNormal) {
            line->SetState(CLine::kSelected);
            Selection().AddTail(line);
        }
        break;
    }
    default:
        return FALSE;
    }
    model->SelectLinesOfSelectedNodes(Selection());
    CountSelection();
    return TRUE;
}

void CBlockView::SelectInRectangle(const double (&rect)[4]) {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const double minX = rect[0];
    const double minY = rect[1];
    const double maxX = rect[2];
    const double maxY = rect[3];
    if (SelectsTarget(kTargetGround)) {
        model->SelectNodesInRect(Selection(), minX, maxX, minY, maxY, 0, PointKind::kGround);
    }
    if (SelectsTarget(kTargetLines)) {
        model->SelectLinesInRect(Selection(), minX, maxX, minY, maxY, 0);
    }
    if (SelectsTarget(kTargetMeasure)) {
        model->SelectNodesInRect(Selection(), minX, maxX, minY, maxY, 0, PointKind::kMeasurement);
    }
    if (SelectsTarget(kTargetBoundary)) {
        model->SelectNodesInRect(Selection(), minX, maxX, minY, maxY, 0, PointKind::kInnerBoundary);
    }
}

} // namespace merdok
