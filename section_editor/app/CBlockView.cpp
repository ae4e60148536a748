#include "section_editor/app/CBlockView.h"

#include "section_editor/app/CChildFrame.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/GuideStrings.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CCmdUI.h"
#include "section_editor/core/CBlockDoc.h"

#include <QCursor>
#include <QWidget>
#include <cmath>
#include <limits>

namespace merdok {

IMPLEMENT_DYNCREATE(CBlockView, CViewBase)

namespace {

struct Tool {
    int mode;
    UINT command;
    UINT prompt;
    UINT title;
    int pointKind;
};
const Tool kTools[] = {
    {CBlockView::kSelect, ID_EDIT_SELECT, 4049, 4048, -1},
    {CBlockView::kSingleLine, ID_DRAW_GROUND_LINE, 4005, 4004, 0},
    {CBlockView::kContinuousLine, ID_DRAW_CONTINUOUS_LINE, 4008, 4007, 0},
    {CBlockView::kGroundPoint, ID_DRAW_GROUND_POINT, 4036, 4035, 0},
    {CBlockView::kMeasurePoint, ID_DRAW_MEASURE_POINT, 4039, 4038, 1},
    {CBlockView::kUnderBoundPoint, ID_DRAW_UNDER_BOUND_POINT, 4042, 4041, 2},
    {CBlockView::kLeftBoundPoint, ID_DRAW_LEFT_BOUND_POINT, 4046, 4044, 3},
    {CBlockView::kRightBoundPoint, ID_DRAW_RIGHT_BOUND_POINT, 4046, 4045, 4},
};

const Tool* ToolOf(int mode) {
    for (const Tool& tool : kTools) {
        if (tool.mode == mode) {
            return &tool;
        }
    }
    return nullptr;
}

// The section editor leaves a quarter of the spare height above the model after "view all".
CViewBase::Options EditorViewOptions() {
    CViewBase::Options options;
    options.fitTopShare = 0.25;
    options.currentAreaButton = 150;
    return options;
}

// The view that had the keyboard focus last (focus events do not say where they come from).
CBlockView* lastFocusedView = nullptr;

// Pixels within which a click takes a drawn point or line.
constexpr int kPickPixels = 5;

long long SquaredPixels(CPoint a, CPoint b) {
    const long long dx = a.x - b.x;
    const long long dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// Squared pixel distance of p from segment ab.
double SquaredSegmentPixels(CPoint p, CPoint a, CPoint b) {
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length > 0.0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = a.x + t * vx - p.x;
    const double dy = a.y + t * vy - p.y;
    return dx * dx + dy * dy;
}

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

} // namespace

CBlockView::CBlockView() : CViewBase(EditorViewOptions()), m_display(ProgramViewSettings().display) {
    m_nDrawMode = kNoTool;
    MapToolCommands();
    MapEditCommands();
    MapDxfCommands();
    MapTableCommands();
}

CBlockView::~CBlockView() {
    if (lastFocusedView == this) {
        lastFocusedView = nullptr;
    }
    m_listSelect.RemoveAll();
    ProgramViewSettings().display = m_display;
}

void CBlockView::MapToolCommands() {
    for (const Tool& tool : kTools) {
        const int mode = tool.mode;
        MapCommand(tool.command, [this, mode] { SelectTool(mode); });
        MapUpdate(tool.command, [this, mode](CCmdUI* ui) {
            // The single-line tool also needs its own prompt to show as chosen.
            const bool chosen = m_nDrawMode == mode && (mode != kSingleLine || m_nGuidePromptId == 4005);
            ui->SetCheck(chosen ? 1 : 0);
            ui->Enable(chosen || mode == kSelect || m_listSelect.IsEmpty());
        });
    }
    MapCommand(ID_EDIT_DELETE, [this] { OnEditDelete(); });
    MapCommand(ID_VIEW_PROPERTIES, [this] { OnViewProperties(); });
    MapUpdate(ID_EDIT_DELETE, [this](CCmdUI* ui) { ui->Enable(!m_listSelect.IsEmpty()); });
    MapCommand(ID_MENU_SELECTED, [this] {
        if (m_nDrawMode >= 0) {
            m_bSkipClick = true;
        }
    });
}

CMerdokDoc* CBlockView::GetDocument() const {
    return dynamic_cast<CMerdokDoc*>(m_pDocument);
}

CBlockDoc* CBlockView::Model() const {
    CMerdokDoc* document = GetDocument();
    return document ? &document->Model() : nullptr;
}

void CBlockView::GiveSettingsToDocument() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const ViewSettings& settings = ProgramViewSettings();
    for (int i = 0; i < 4; ++i) {
        model->m_nLimit[i] = settings.countLimit[i];
    }
    model->SetTolerances(settings.newPoint, settings.newLine);
}

void CBlockView::OnInitialUpdate() {
    GiveSettingsToDocument();
    CViewBase::OnInitialUpdate();
    if (auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame())) {
        if (CMerdokDoc* document = GetDocument()) {
            frame->SetFrameTitle(document->GetPathName());
        }
    }
    SetGuidePrompt(m_nGuidePromptId);
    RecolorBoundaryButtons();
    // A newly shown document window has the keyboard focus, so that its first click draws.
    if (QWidget* widget = GetWidget()) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void CBlockView::SetGuideTitle(UINT id) {
    // The point-snap switch shows in the title.
    CViewBase::SetGuideTitle(id);
}

void CBlockView::MeasureLabelSize() {
    CClientDC dc(this);
    m_sizeLabel = CSize(0, 0);
    for (const section::NumberStyle& number : m_display.numbers) {
        CFont font;
        font.CreateFontIndirect(&number.font);
        CFont* old = dc.SelectObject(&font);
        const CSize extent = dc.GetTextExtent("1234");
        dc.SelectObject(old);
        m_sizeLabel.cx = std::max(m_sizeLabel.cx, extent.cx);
        m_sizeLabel.cy = std::max(m_sizeLabel.cy, extent.cy);
    }
}

void CBlockView::SelectTool(int mode) {
    const Tool* tool = ToolOf(mode);
    if (!tool) {
        return;
    }
    if (mode == kSelect && m_nDrawMode == kSelect) {
        ClearSelection();
    }
    m_figure.clear();
    m_nDrawMode = mode;
    if (tool->pointKind >= 0) {
        m_nPointKind = tool->pointKind;
    }
    m_nGuidePromptId = static_cast<int>(tool->prompt);
    m_nGuideTitleId = static_cast<int>(tool->title);
    SetGuidePrompt(tool->prompt);
    SetGuideTitle(tool->title);
    Invalidate(FALSE);
}

void CBlockView::ShowToolPrompt() {
    const Tool* tool = ToolOf(m_nDrawMode);
    m_nGuidePromptId = tool ? static_cast<int>(tool->prompt) : 4000;
    SetGuidePrompt(static_cast<UINT>(m_nGuidePromptId) + (m_figure.empty() ? 0 : 1));
}

CPoint CBlockView::DeviceToLogical(CPoint device) {
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&device);
    return device;
}

const CNode* CBlockView::PointNear(CPoint logical) const {
    CBlockDoc* model = Model();
    if (!model) {
        return nullptr;
    }
    const CNode* best = nullptr;
    long long bestDistance = static_cast<long long>(kPickPixels) * kPickPixels;
    for (const RecordMap<CNode>* map : {&model->m_mapNode, &model->m_mapSite, &model->m_mapBound}) {
        for (const auto& [key, point] : *map) {
            const CPoint at = WorldToLogical(point->GetX(), point->GetY());
            if (section::Viewport::IsUnsetPoint(at)) {
                continue;
            }
            const long long distance = SquaredPixels(at, logical);
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = point.get();
            }
        }
    }
    return best;
}

const CLine* CBlockView::LineNear(CPoint logical) const {
    CBlockDoc* model = Model();
    if (!model) {
        return nullptr;
    }
    const CLine* best = nullptr;
    double bestDistance = kPickPixels * kPickPixels;
    for (const auto& [key, line] : model->m_LineList) {
        const DPoint a = model->NodeXY(line->GetNode1());
        const DPoint b = model->NodeXY(line->GetNode2());
        const CPoint la = WorldToLogical(a.x, a.y);
        const CPoint lb = WorldToLogical(b.x, b.y);
        if (section::Viewport::IsUnsetPoint(la) || section::Viewport::IsUnsetPoint(lb)) {
            continue;
        }
        const double distance = SquaredSegmentPixels(logical, la, lb);
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = line.get();
        }
    }
    return best;
}

DPoint CBlockView::SnappedClick(CPoint logical) const {
    if (m_nDrawMode == kSingleLine || m_nDrawMode == kContinuousLine) {
        CBlockDoc* model = Model();
        const CNode* near = PointNear(logical);
        if (model && near && near->GetKind() == 0) {
            return DPoint{near->GetX(), near->GetY()};
        }
    }
    DPoint point;
    LogicalToWorld(logical.x, logical.y, &point.x, &point.y);
    return point;
}

void CBlockView::OnSetFocus(CWnd* oldWnd) {
    CViewBase::OnSetFocus(oldWnd);
    // The click that brings this document window forward from another one is no drawing
    // click. (The focus arrives here without its origin; the view that had it last tells.)
    if (m_nDrawMode >= 0 && lastFocusedView && lastFocusedView != this) {
        m_bSkipClick = true;
    }
    lastFocusedView = this;
    if (m_figure.empty()) {
        SetGuidePrompt(static_cast<UINT>(m_nGuidePromptId));
        if (m_nGuideTitleId >= 0) {
            SetGuideTitle(static_cast<UINT>(m_nGuideTitleId));
        }
    }
}

void CBlockView::OnLButtonDown(UINT, CPoint) {
    // A pending edit takes the press; other work is done on release, like a completed click.
    if (ConfirmPendingEdit(true)) {
        m_bSkipClick = true;
    }
}

void CBlockView::OnLButtonUp(UINT, CPoint point) {
    if (m_bSkipClick) {
        m_bSkipClick = false;
        return;
    }
    if (m_nDrawMode < 0 || !Model()) {
        return;
    }
    const CPoint logical = DeviceToLogical(point);
    if (m_nDrawMode == kSelect) {
        SelectAt(logical);
        return;
    }
    AddFigurePoint(SnappedClick(logical));
}

void CBlockView::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonUp(flags, point);
}

void CBlockView::OnRButtonDown(UINT, CPoint) {
    ConfirmPendingEdit(false);
}

void CBlockView::OnRButtonUp(UINT, CPoint) {
    if (m_bSkipClick) {
        m_bSkipClick = false;
        return;
    }
    // A right click ends a continuous line and drops any other figure in progress.
    if (m_nDrawMode == kContinuousLine && m_figure.size() >= 2) {
        CommitFigure();
    }
    EndFigure();
}

void CBlockView::OnMouseMove(UINT, CPoint point) {
    const CPoint logical = DeviceToLogical(point);
    double x = 0.0;
    double y = 0.0;
    LogicalToWorld(logical.x, logical.y, &x, &y);
    section::SetCursorPosition(x, y);
    if (QWidget* widget = GetWidget()) {
        widget->setCursor(m_nDrawMode < 0 ? Qt::ArrowCursor : Qt::CrossCursor);
    }
    if (!m_figure.empty()) {
        m_ptCursor = logical;
        Invalidate(FALSE);
    }
}

void CBlockView::OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) {
    switch (keyCode) {
    case VK_BACK:
        if (m_nDrawMode == kContinuousLine && !m_figure.empty()) {
            m_figure.pop_back();
            ShowToolPrompt();
            Invalidate(FALSE);
        }
        return;
    case VK_ESCAPE:
        EndFigure();
        return;
    case VK_SPACE:
        OnSnapToPoint();
        return;
    case VK_TAB:
        OnCoordinateEntry();
        return;
    default:
        CViewBase::OnKeyDown(keyCode, repeatCount, flags);
    }
}

void CBlockView::AddFigurePoint(const DPoint& point) {
    switch (m_nDrawMode) {
    case kSingleLine:
    case kContinuousLine:
        if (!m_figure.empty() && m_figure.back().x == point.x && m_figure.back().y == point.y) {
            return;
        }
        m_figure.push_back(point);
        if (m_nDrawMode == kSingleLine && m_figure.size() == 2) {
            CommitFigure();
            EndFigure();
            return;
        }
        ShowToolPrompt();
        Invalidate(FALSE);
        return;
    default:
        CommitPoint(point);
        return;
    }
}

void CBlockView::CommitFigure() {
    CBlockDoc* model = Model();
    if (!model || m_figure.size() < 2) {
        return;
    }
    model->ImportPointRun(m_figure, 0);
    AcceptNewObjects(*model);
    model->SetModifiedFlag(true);
}

void CBlockView::CommitPoint(const DPoint& point) {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    int key = -1;
    switch (m_nPointKind) {
    case 0:
        model->AddNode(point.x, point.y, key);
        break;
    case 1:
        model->AddMeasurePoint(point.x, point.y, key);
        break;
    default:
        model->AddBoundaryPoint(point.x, point.y, m_nPointKind, key);
        break;
    }
    if (key < 0) {
        return;
    }
    AcceptNewObjects(*model);
    model->SetModifiedFlag(true);
    Invalidate(FALSE);
}

void CBlockView::EndFigure() {
    const bool had = !m_figure.empty();
    m_figure.clear();
    ShowToolPrompt();
    if (had || Model()) {
        Invalidate(FALSE);
    }
}

void CBlockView::SelectAt(CPoint logical) {
    CBlockDoc* model = Model();
    if (const CNode* near = PointNear(logical); near && near->GetState() == 0) {
        auto* point = const_cast<CNode*>(near);
        point->SetState(2);
        m_listSelect.AddTail(point);
    } else if (const CLine* line = LineNear(logical); line && line->GetState() == 0) {
        auto* selected = const_cast<CLine*>(line);
        selected->SetState(CLine::kSelected);
        m_listSelect.AddTail(selected);
    } else {
        // Two clicks on empty places select what lies inside their rectangle.
        DPoint corner;
        LogicalToWorld(logical.x, logical.y, &corner.x, &corner.y);
        if (m_figure.empty()) {
            m_figure.push_back(corner);
            m_ptCursor = logical;
            SetGuidePrompt(4050);
            return;
        }
        SelectInRectangle(m_figure.front(), corner);
    }
    m_figure.clear();
    if (model) {
        SetGuidePrompt(4049);
    }
    Invalidate(FALSE);
}

void CBlockView::SelectInRectangle(const DPoint& a, const DPoint& b) {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const double minX = std::min(a.x, b.x);
    const double maxX = std::max(a.x, b.x);
    const double minY = std::min(a.y, b.y);
    const double maxY = std::max(a.y, b.y);
    model->SelectNodesInRect(m_listSelect, minX, maxX, minY, maxY, 0, 0);
    model->SelectLinesInRect(m_listSelect, minX, maxX, minY, maxY, 0);
    model->SelectNodesInRect(m_listSelect, minX, maxX, minY, maxY, 0, 1);
    model->SelectNodesInRect(m_listSelect, minX, maxX, minY, maxY, 0, 2);
}

void CBlockView::ClearSelection() {
    if (m_listSelect.IsEmpty()) {
        return;
    }
    for (POSITION pos = m_listSelect.GetHeadPosition(); pos;) {
        CObject* object = m_listSelect.GetNext(pos);
        if (auto* point = dynamic_cast<CNode*>(object)) {
            point->SetState(0);
        } else if (auto* line = dynamic_cast<CLine*>(object)) {
            line->SetState(0);
        }
    }
    m_listSelect.RemoveAll();
    Invalidate(FALSE);
}

void CBlockView::OnEditDelete() {
    CBlockDoc* model = Model();
    if (!model || m_listSelect.IsEmpty()) {
        return;
    }
    if (AfxMessageBox(u8"削除してもよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    model->DeleteObjects(m_listSelect);
    m_nSelPoints = 0;
    m_nSelLines = 0;
    if (CMerdokDoc* document = GetDocument()) {
        document->SetModifiedFlag(TRUE);
    }
    Invalidate(FALSE);
}

bool CBlockView::DocHasGroundPoints() const {
    CBlockDoc* model = Model();
    return model && model->m_mapNode.GetCount() > 0;
}

section::WorldRange CBlockView::DocComputeExtent(double& width, double& height) {
    width = 200.0;
    height = 100.0;
    if (CBlockDoc* model = Model()) {
        model->GetModelExtent(width, height);
    }
    return DocCurrentExtent();
}

section::WorldRange CBlockView::DocCurrentExtent() const {
    CBlockDoc* model = Model();
    if (!model) {
        return section::WorldRange::Unset();
    }
    const double* box = model->m_dModelBox;
    return section::WorldRange{box[0], box[1], box[2], box[3]};
}

void CBlockView::DocClearCurrentExtent() {
    if (CBlockDoc* model = Model()) {
        for (double& value : model->m_dModelBox) {
            value = platform::kUnsetDouble;
        }
    }
}

section::WorldRange CBlockView::DocModelSize() const {
    CBlockDoc* model = Model();
    if (!model) {
        return section::WorldRange::Unset();
    }
    const double* size = model->m_dModelSize;
    return section::WorldRange{size[0], size[1], size[2], size[3]};
}

void CBlockView::DocStoreModelSize(const section::WorldRange& range) {
    if (CBlockDoc* model = Model()) {
        model->m_dModelSize[0] = range.xmin;
        model->m_dModelSize[1] = range.xmax;
        model->m_dModelSize[2] = range.ymin;
        model->m_dModelSize[3] = range.ymax;
    }
}

bool CBlockView::DocGroundPointXY(int number, double& x, double& y) const {
    CBlockDoc* model = Model();
    const CNode* point = model ? model->m_mapNode.Lookup(number - 1) : nullptr;
    if (!point) {
        return false;
    }
    x = point->GetX();
    y = point->GetY();
    return true;
}

std::vector<COLORREF> CBlockView::ObjectColours() const {
    std::vector<COLORREF> colours = {m_display.line.color};
    for (const section::PointStyle& point : m_display.points) {
        colours.push_back(point.color);
    }
    return colours;
}

} // namespace merdok
