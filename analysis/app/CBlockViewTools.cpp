// The analysis view's drawing tools: the tool commands that choose the view base's draw
// mode, the figure each mode draws with, what the view base's snapping sees of the document,
// and where a finished figure's result goes (new points and lines, a point of a kind, the
// selection, a position for the block-line table).

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/section/CFigLine.h"
#include "common/ui/section/CFigLineHorizon.h"
#include "common/ui/section/CFigLineVertical.h"
#include "common/ui/section/CFigPointInput.h"
#include "common/ui/section/CFigPointPick.h"
#include "common/ui/section/CFigPolyline.h"
#include "common/ui/section/CFigRectSelect.h"
#include "common/ui/section/GuideIds.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"
#include "platform/ui/CCmdUI.h"

#include <algorithm>
#include <optional>

using section::PointKind;

namespace torvan {

namespace {

using section::DrawMode;
namespace guide = section::guide;

// The tool commands: draw mode, point kind (-1: unchanged), title and prompt, and for the
// three line tools the rule their figure keeps.
struct Tool {
    UINT command;
    DrawMode mode;
    std::optional<PointKind> pointKind;
    UINT title;
    UINT prompt;
    CFigure::Rule lineRule = CFigure::kNoRule;
};
constexpr Tool kTools[] = {
    {ID_DRAW_SURFACE_POINT, DrawMode::kGroundPoint, PointKind::kGround, guide::kGroundPointTitle,
     guide::kGroundPointPrompt},
    {ID_DRAW_MEASURE_POINT, DrawMode::kMeasurePoint, PointKind::kMeasurement, guide::kMeasurePointTitle,
     guide::kMeasurePointPrompt},
    {ID_DRAW_INNER_BOUND_POINT, DrawMode::kInnerBoundPoint, PointKind::kInnerBoundary,
     guide::kInnerBoundPointTitle, guide::kInnerBoundPointPrompt},
    {ID_DRAW_LEFT_BOUND_POINT, DrawMode::kLeftBoundPoint, PointKind::kLeftBoundary,
     guide::kLeftBoundPointTitle, guide::kAnalysisSurfaceBoundPointPrompt},
    {ID_DRAW_RIGHT_BOUND_POINT, DrawMode::kRightBoundPoint, PointKind::kRightBoundary,
     guide::kAnalysisRightBoundPointTitle, guide::kAnalysisSurfaceBoundPointPrompt},
    {ID_DRAW_SURFACE_LINE, DrawMode::kLine, std::nullopt, guide::kLineTitle, guide::kLinePrompt},
    {ID_DRAW_HORIZONTAL_LINE, DrawMode::kLine, std::nullopt, guide::kAnalysisHorizontalLineTitle,
     guide::kAnalysisHorizontalLinePrompt, CFigure::kHorizontal},
    {ID_DRAW_VERTICAL_LINE, DrawMode::kLine, std::nullopt, guide::kAnalysisVerticalLineTitle,
     guide::kAnalysisVerticalLinePrompt, CFigure::kVertical},
    {ID_DRAW_POLYLINE, DrawMode::kPolyline, std::nullopt, guide::kPolylineTitle, guide::kPolylinePrompt},
    {ID_EDIT_SELECT, DrawMode::kSelect, std::nullopt, guide::kSelectTitle, guide::kSelectPrompt},
};

CMapWordToOb& PointMapOfKind(CBlockDoc& model, PointKind kind) {
    if (kind == PointKind::kGround) {
        return model.GroundPoints();
    }
    return kind == PointKind::kMeasurement ? model.MeasurementPoints() : model.BoundaryPoints();
}

void AddSnapPoints(const CMapWordToOb& map, std::vector<CViewBase::SnapPoint>& points) {
    for (auto [key, point] : platform::MapEntries<const CNode>(map)) {
        if (point->state >= 0 && point->inUse == 1) {
            points.push_back(CViewBase::SnapPoint{point->x, point->y, point->number - 1, point->kind});
        }
    }
}

// The points and ground-surface lines a tool has just made (marked new), the pieces of the
// lines it split among them, become part of the drawn model.
void AcceptNewPoints(CBlockDoc& model) {
    for (auto [key, point] : platform::MapEntries<CNode>(model.AllPoints())) {
        if (point->state == CNode::kMarked) {
            point->state = CNode::kNormal;
        }
    }
    for (auto [key, line] : platform::MapEntries<CLine>(model.GroundLines())) {
        if (line->status == CLine::kAdded) {
            line->status = CLine::kNormal;
        }
    }
}

} // namespace

void CBlockView::MapToolCommands() {
    for (const Tool& tool : kTools) {
        MapCommand(tool.command, [this, tool] {
            if (tool.mode == DrawMode::kSelect && ChosenTool() == DrawMode::kSelect) {
                ClearSelection();
            }
            lineRule_ = tool.lineRule;
            ChooseTool(tool.mode, tool.pointKind, tool.prompt, tool.title);
        });
        MapUpdate(tool.command, [this, tool](CCmdUI* ui) {
            // The three line tools share the line mode and differ in their rule.
            const bool chosen =
                ChosenTool() == tool.mode && (tool.mode != DrawMode::kLine || lineRule_ == tool.lineRule);
            const bool tableTool =
                tool.command == ID_DRAW_INNER_BOUND_POINT || tool.command == ID_EDIT_SELECT ||
                tool.command == ID_DRAW_LEFT_BOUND_POINT || tool.command == ID_DRAW_RIGHT_BOUND_POINT;
            ui->SetCheck(chosen ? 1 : 0);
            if (tableTool && ChosenTool() == DrawMode::kTablePick) {
                ui->Enable(FALSE);
                return;
            }
            ui->Enable(chosen || tool.mode == DrawMode::kSelect || Selection().IsEmpty());
        });
    }
}

// Sizes of the figures: the selection frames the largest line and ground point mark; the
// tools of lines and points take the width or mark size of what they draw. The line tool
// draws with the rule of the line command that chose it.
std::unique_ptr<CFigure> CBlockView::MakeFigure(DrawMode drawMode) {
    std::unique_ptr<CFigure> figure;
    int size = 0;
    CSize label = m_sizeLabel;
    switch (drawMode) {
    case DrawMode::kSelect:
        figure = std::make_unique<CFigRectSelect>();
        size = std::max({0, m_display.lines[kLineGround].width, m_display.lines[kLinePreviousSlip].width,
                         m_display.lines[kLineNewSlip].width, m_display.points[kPointNode].size + 4});
        break;
    case DrawMode::kLine:
        if (lineRule_ == CFigure::kHorizontal) {
            figure = std::make_unique<CFigLineHorizon>();
        } else if (lineRule_ == CFigure::kVertical) {
            figure = std::make_unique<CFigLineVertical>();
        } else {
            figure = std::make_unique<CFigLine>();
        }
        size = m_display.lines[kLineGround].width;
        break;
    case DrawMode::kPolyline:
        figure = std::make_unique<CFigPolyline>();
        size = m_display.lines[kLineGround].width;
        break;
    case DrawMode::kGroundPoint:
    case DrawMode::kMeasurePoint:
    case DrawMode::kInnerBoundPoint:
        figure = std::make_unique<CFigPointInput>();
        size = m_display.points[section::PointKindIndex(*section::PointKindOf(drawMode))].size;
        break;
    case DrawMode::kLeftBoundPoint:
    case DrawMode::kRightBoundPoint:
        figure = std::make_unique<CFigPointInput>();
        size = m_display.points[kPointLeft].size;
        break;
    case DrawMode::kTablePick:
        figure = std::make_unique<CFigPointPick>();
        size = m_display.lines[kLineEditBlock].width;
        break;
    case DrawMode::kPlainRectangle:
        figure = std::make_unique<CFigRectSelect>();
        size = 1;
        label = CSize(0, 0);
        break;
    case DrawMode::kNone:
        return nullptr;
    }
    figure->Setup(GreyColour(), size, label.cx, label.cy, this);
    return figure;
}

std::vector<CViewBase::SnapPoint> CBlockView::DocSnapPoints(PointSet set) const {
    std::vector<SnapPoint> points;
    CBlockDoc* model = Model();
    if (!model) {
        return points;
    }
    switch (set) {
    case PointSet::kGround:
        AddSnapPoints(model->GroundPoints(), points);
        break;
    case PointSet::kMeasure:
        AddSnapPoints(model->MeasurementPoints(), points);
        break;
    case PointSet::kBoundary:
        AddSnapPoints(model->BoundaryPoints(), points);
        break;
    case PointSet::kAll:
        AddSnapPoints(model->AllPoints(), points);
        break;
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
    squaredDistance = model->FindNearestLine(model->GroundLines(), x, y, &key, false);
    CObject* object = nullptr;
    if (key < 0 || key > 0xFFFF || !model->GroundLines().Lookup(static_cast<WORD>(key), object)) {
        return false;
    }
    const auto* line = static_cast<const CLine*>(object);
    a = model->GetNodeXY(line->node1);
    b = model->GetNodeXY(line->node2);
    return true;
}

void CBlockView::DocStoreLineKind(int key, SegmentKind kind) {
    CBlockDoc* model = Model();
    CObject* object = nullptr;
    if (model && key >= 0 && key <= 0xFFFF && model->GroundLines().Lookup(static_cast<WORD>(key), object)) {
        static_cast<CLine*>(object)->segKind = kind;
    }
}

double CBlockView::DocSamePointDistance() const {
    CBlockDoc* model = Model();
    return model ? model->Snap().m_dSnap : 0.01;
}

double CBlockView::DocSquaredSnap() const {
    CBlockDoc* model = Model();
    return model ? model->Snap().m_dSnap2 : 0.0001;
}

void CBlockView::DocSetSquaredSnap(double value) {
    if (CBlockDoc* model = Model()) {
        model->Snap().m_dSnap2 = value;
    }
}

std::vector<std::vector<DPoint>> CBlockView::DocSlipLines() const {
    std::vector<std::vector<DPoint>> lines;
    CBlockDoc* model = Model();
    if (!model) {
        return lines;
    }
    for (POSITION pos = model->SlipLines().GetHeadPosition(); pos;) {
        const auto* slip = static_cast<const CVerrant*>(model->SlipLines().GetNext(pos));
        std::vector<DPoint> points;
        if (slip->visible1) {
            for (std::size_t i = 0; i < slip->x.size() && i < slip->y.size(); ++i) {
                points.push_back(DPoint{slip->x[i], slip->y[i]});
            }
        }
        lines.push_back(std::move(points));
    }
    return lines;
}

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
    const int renumbered = model->ImportPointRun(section::WorldPoints(run));
    AcceptNewPoints(*model);
    return renumbered;
}

void CBlockView::CommitFigurePoint(const section::FigureVertex& point) {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    // A boundary point's dialog marks the document on OK, so a cancelled one leaves it as it
    // was; the other point tools mark it as every drawing figure does.
    const PointKind kind = ToolPointKind();
    CNode* hit = model->InsertPoint(point.world.x, point.world.y, kind);
    if (kind == PointKind::kGround || kind == PointKind::kMeasurement) {
        model->SetModifiedFlag();
    }
    AcceptNewPoints(*model);
    if (hit && hit->IsBoundary()) {
        ChangeBoundaryPointByDialog(*hit);
    }
}

BOOL CBlockView::CommitPick(const section::FigureVertex& point) {
    ChangeDialogViewClick(point.world.x, platform::kUnsetDouble);
    return TRUE;
}

void CBlockView::AddToSelection(CObject* object) {
    if (object && !Selection().Find(object)) {
        Selection().AddTail(object);
    }
}

void CBlockView::SelectTargetPoints(CBlockDoc& model, const std::function<bool(const CNode&)>& take) {
    const struct {
        SelectTarget target;
        CMapWordToOb* map;
    } kinds[] = {{kTargetGround, &model.GroundPoints()},
                 {kTargetMeasure, &model.MeasurementPoints()},
                 {kTargetBoundary, &model.BoundaryPoints()}};
    for (const auto& kind : kinds) {
        if (!SelectsTarget(kind.target)) {
            continue;
        }
        for (auto [key, point] : platform::MapEntries<CNode>(*kind.map)) {
            if (take(*point)) {
                point->state = CNode::kSelected;
                AddToSelection(point);
            }
        }
    }
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
        CObList selected;
        const auto select = [&](SelectTarget target, CMapWordToOb& points) {
            if (SelectsTarget(target)) {
                model->SelectPointsInRect(points, rect[0], rect[1], rect[2], rect[3], &selected);
            }
        };
        select(kTargetGround, model->GroundPoints());
        select(kTargetMeasure, model->MeasurementPoints());
        select(kTargetBoundary, model->BoundaryPoints());
        if (SelectsTarget(kTargetLines)) {
            model->SelectLinesInRect(rect[0], rect[1], rect[2], rect[3], &selected);
        }
        for (POSITION pos = selected.GetHeadPosition(); pos;) {
            AddToSelection(selected.GetNext(pos));
        }
        return TRUE;
    }
    case kPickPoint: {
        CObject* object = nullptr;
        if (number > 0 && number <= 0x10000 &&
            PointMapOfKind(*model, ToolPointKind()).Lookup(static_cast<WORD>(number - 1), object)) {
            static_cast<CNode*>(object)->state = CNode::kSelected;
            AddToSelection(object);
        }
        return TRUE;
    }
    case kPickLine: {
        CObject* object = nullptr;
        if (number < 0 && -number - 1 <= 0xFFFF &&
            model->GroundLines().Lookup(static_cast<WORD>(-number - 1), object)) {
            static_cast<CLine*>(object)->status = CLine::kSelected;
            AddToSelection(object);
        }
        return TRUE;
    }
    case kPickSlipLine: {
        const int index = -number - 1;
        POSITION pos = index >= 0 ? model->SlipLines().FindIndex(index) : nullptr;
        if (pos) {
            auto* slip = static_cast<CVerrant*>(model->SlipLines().GetAt(pos));
            slip->state = 2;
            AddToSelection(slip);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace torvan
