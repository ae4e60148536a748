#include "common/ui/section/CViewBase.h"

#include "common/ui/section/CModelSizeDlg.h"
#include "common/ui/section/GuideStrings.h"
#include "common/ui/section/SectionCommands.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/AreaFilling.h"
#include "platform/ui/CClientDC.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

IMPLEMENT_DYNAMIC(CViewBase, CScrollView)

using section::Viewport;
using section::WorldRange;

CViewBase::CViewBase(const Options& options)
    : m_view(options.fitTopShare), m_drawRange(WorldRange::Unset()), m_modelSize(WorldRange::Unset()),
      options_(options) {
    MapCommand(section::ID_VIEW_ALL, &CViewBase::OnViewAll);
    MapCommand(section::ID_VIEW_MODEL_SIZE, &CViewBase::OnModelSize);
    MapCommand(section::ID_VIEW_SCALE_UP, &CViewBase::OnScaleUp);
    MapCommand(section::ID_VIEW_SCALE_DOWN, &CViewBase::OnScaleDown);
    MapCommand(ID_FILE_PRINT, &CViewBase::OnFilePrint);
    MapCommand(ID_FILE_PRINT_PREVIEW, &CViewBase::OnFilePrintPreview);
}

CViewBase::~CViewBase() = default;

void CViewBase::OnDraw(CDC*) {}

void CViewBase::MeasureLabelSize() {}

void CViewBase::SetGuidePrompt(UINT id) {
    section::SetGuidePrompt(id);
}

void CViewBase::SetGuideTitle(UINT id) {
    section::SetGuideTitle(id);
}

// The view is always painted on white (the canvas is filled white before each drawing), so
// the tools' XOR rubber bands work whatever the desktop's window colour is.
void CViewBase::OnInitialUpdate() {
    FitInitialFrame();
    SetGuideTitle(0);
    if (DocHasGroundPoints()) {
        const WorldRange stored = DocModelSize();
        if (!stored.IsUnset()) {
            m_modelSize = stored;
        }
    } else {
        m_modelSize = WorldRange::Unset();
    }
    Zoom(nullptr, nullptr, 20, FALSE);
    OnUpdate(nullptr, 0, nullptr);
    MeasureLabelSize();
    // A newly shown document window has the keyboard focus on its canvas, so that its first
    // click draws: only a click that brings the focus with it is the activating one.
    if (QWidget* canvas = GetCanvasWidget()) {
        canvas->setFocus(Qt::OtherFocusReason);
    }
}

void CViewBase::OnSize(UINT type, int cx, int cy) {
    CScrollView::OnSize(type, cx, cy);
    if (fitFollowsSize_ && cx > 0 && cy > 0) {
        Zoom(nullptr, nullptr, 20, FALSE);
        Invalidate(TRUE);
    }
}

// A new document window fills the MDI client area less 10 pixels, from its top left corner,
// also when the area changes size before the user moves or sizes it.
void CViewBase::FitInitialFrame() {
    QWidget* widget = GetWidget();
    while (widget && !qobject_cast<QMdiSubWindow*>(widget)) {
        widget = widget->parentWidget();
    }
    auto* window = qobject_cast<QMdiSubWindow*>(widget);
    if (!window || !window->mdiArea() || window->isMaximized()) {
        return;
    }
    platform::AreaFilling::Of(window->mdiArea()).Fill(window, 10);
}

CSize CViewBase::ClientSize() const {
    CRect client;
    GetClientRect(&client);
    return CSize(std::max(client.Width(), 1), std::max(client.Height(), 1));
}

void CViewBase::Fit(const double* extent, int margin) {
    double width = 0.0;
    double height = 0.0;
    if (extent && !platform::IsUnsetDouble(extent[0])) {
        const WorldRange current = DocCurrentExtent();
        m_drawRange = m_modelSize = current;
        DocStoreModelSize(current);
        width = extent[0];
        height = extent[1];
    } else if (m_modelSize.IsUnset()) {
        if (DocHasGroundPoints()) {
            m_drawRange = DocComputeExtent(width, height);
        } else {
            // An empty model shows a frame of its own; it is not the model's size, which the
            // points drawn later give to "view all" and to the file.
            width = 200.0;
            height = 100.0;
            m_drawRange = WorldRange{0.0, 200.0, 0.0, 100.0};
            DocClearCurrentExtent();
        }
    } else {
        m_drawRange = m_modelSize;
        width = m_modelSize.xmax - m_modelSize.xmin;
        height = m_modelSize.ymax - m_modelSize.ymin;
    }
    const CSize client = ClientSize();
    const CSize total = m_view.FitAll(client.cx, client.cy, width, height, m_drawRange, margin);
    SetScrollSizes(MM_TEXT, total);
    ScrollToPosition(CPoint(0, 0));
    fitFollowsSize_ = true;
}

BOOL CViewBase::Zoom(const double* extent, const DPoint* centre, int margin, BOOL zoomMode) {
    if (!zoomMode) {
        Fit(extent, margin);
        return TRUE;
    }
    if (!centre || !extent) {
        return FALSE;
    }
    const CSize client = ClientSize();
    const Viewport::ZoomResult result =
        m_view.ZoomTo(client.cx, client.cy, extent[0], extent[1], centre, margin);
    switch (result.outcome) {
    case Viewport::ZoomOutcome::kTooLarge:
        AfxMessageBox(u8"これ以上拡大できません。!!!");
        return FALSE;
    case Viewport::ZoomOutcome::kTooSmall:
        AfxMessageBox(u8"これ以上縮小できません。!!!");
        return FALSE;
    case Viewport::ZoomOutcome::kNoCentre:
        return FALSE;
    case Viewport::ZoomOutcome::kZoomed:
        break;
    }
    fitFollowsSize_ = false;
    SetScrollSizes(MM_TEXT, result.total);
    if (result.scrolls) {
        ScrollToPosition(result.scrollTo);
    }
    return TRUE;
}

void CViewBase::ScaleStep(BOOL enlarge, double stepX, double stepY) {
    CRect client;
    GetClientRect(&client);
    {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        dc.DPtoLP(&client);
    }
    DPoint centre;
    LogicalToWorld((client.left + client.right) / 2, (client.top + client.bottom) / 2, &centre.x, &centre.y);
    double extent[2] = {0.0, 0.0};
    m_view.StepExtent(enlarge != FALSE, stepX, stepY, client.Width(), client.Height(), extent[0], extent[1]);
    if (Zoom(extent, &centre, 0, TRUE)) {
        Invalidate(TRUE);
    }
}

void CViewBase::OnViewAll() {
    Zoom(nullptr, nullptr, 20, FALSE);
    Invalidate(TRUE);
}

void CViewBase::OnModelSize() {
    CModelSizeDlg dialog(options_.currentAreaButton, this);
    dialog.m_size = m_modelSize;
    // The area drawn now, not as the last "view all" found it.
    double width = 0.0;
    double height = 0.0;
    dialog.m_current = DocHasGroundPoints() ? DocComputeExtent(width, height) : WorldRange::Unset();
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_modelSize = dialog.m_size;
    DocStoreModelSize(m_modelSize);
    OnViewAll();
}

// Steps of a hundredth of the scales, a tenth while Shift is down; none while a tool draws.
void CViewBase::OnScaleUp() {
    if (IsToolActive()) {
        return;
    }
    const double share = GetKeyState(VK_SHIFT) < 0 ? 0.1 : 0.01;
    ScaleStep(TRUE, m_view.ScaleX() * share, m_view.ScaleY() * share);
}

void CViewBase::OnScaleDown() {
    if (IsToolActive()) {
        return;
    }
    const double share = GetKeyState(VK_SHIFT) < 0 ? 0.1 : 0.01;
    ScaleStep(FALSE, m_view.ScaleX() * share, m_view.ScaleY() * share);
}

// PageDown enlarges and PageUp reduces (10 % with Shift), as the accelerators of the two
// commands do; other keys scroll as in every scroll view.
void CViewBase::OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) {
    switch (keyCode) {
    case VK_NEXT:
        OnScaleUp();
        return;
    case VK_PRIOR:
        OnScaleDown();
        return;
    case VK_BACK:
        if (m_nDrawMode == section::DrawMode::kPolyline && m_pFigure) {
            UndoLastFigurePoint();
        }
        return;
    case VK_SPACE:
        ToggleSnapToPoint();
        return;
    case VK_TAB:
        if (section::DrawsLinesOrPoints(m_nDrawMode)) {
            m_nInputLock = 1;
            OnTabEntry();
            m_nInputLock = 0;
        }
        return;
    default:
        CScrollView::OnKeyDown(keyCode, repeatCount, flags);
    }
}

BOOL CViewBase::GetPointWorldXY(int number, double* x, double* y) const {
    if (DocGroundPointXY(number, *x, *y)) {
        return TRUE;
    }
    *x = m_drawRange.xmin - 10.0;
    *y = m_drawRange.ymin - 10.0;
    return FALSE;
}

int CViewBase::HitTest(int x, int y) {
    CRect client;
    GetClientRect(&client);
    int code = 0;
    if (y < 0) {
        code = 8;
    }
    if (y > client.bottom) {
        code += 4;
    }
    if (x < 0) {
        code += 1;
    }
    if (x > client.right) {
        code += 2;
    }
    if (code == m_nLastEdge) {
        return -1;
    }
    m_nLastEdge = code;
    return code == 1 || code == 2 || code == 4 || code == 8 ? code : -1;
}

BOOL CViewBase::IsOverObject(CDC* dc, int x, int y) const {
    const std::vector<COLORREF> colours = ObjectColours();
    CPoint centre(x, y);
    dc->LPtoDP(&centre);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            CPoint at(centre.x + dx, centre.y + dy);
            dc->DPtoLP(&at);
            const COLORREF pixel = dc->GetPixel(at.x, at.y);
            if (pixel != CLR_INVALID && std::find(colours.begin(), colours.end(), pixel) != colours.end()) {
                return TRUE;
            }
        }
    }
    return FALSE;
}
