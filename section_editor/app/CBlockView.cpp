#include "section_editor/app/CBlockView.h"

#include "section_editor/app/CChildFrame.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CCmdUI.h"
#include "section_editor/core/CBlockDoc.h"

namespace merdok {

IMPLEMENT_DYNCREATE(CBlockView, CViewBase)

namespace {

// The section editor leaves a quarter of the spare height above the model after "view all",
// and a selection click looks at every point kind.
CViewBase::Options EditorViewOptions() {
    CViewBase::Options options;
    options.fitTopShare = 0.25;
    options.currentAreaButton = 150;
    options.pickEveryPointKind = true;
    return options;
}

} // namespace

CBlockView::CBlockView() : CViewBase(EditorViewOptions()), m_display(ProgramViewSettings().display) {
    // Select-all and a selection take ground and measurement points, lines and boundary
    // points; the section model has no slip lines.
    SetSelectTarget(kTargetGround, true);
    SetSelectTarget(kTargetLines, true);
    SetSelectTarget(kTargetMeasure, true);
    SetSelectTarget(kTargetBoundary, true);
    SetSelectTarget(kTargetSlipLines, false);
    MapToolCommands();
    MapEditCommands();
    MapDxfCommands();
    MapTableCommands();
}

CBlockView::~CBlockView() {
    Selection().RemoveAll();
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
    ShowToolPrompt();
    RecolorBoundaryButtons();
}

void CBlockView::SetGuideTitle(UINT id) {
    // The point-snap switch shows in the title.
    CViewBase::SetGuideTitle(id);
}

void CBlockView::MeasureLabelSize() {
    m_sizeLabel = LargestLabelExtent(m_display.numbers);
}

CPoint CBlockView::DeviceToLogical(CPoint device) {
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&device);
    return device;
}

void CBlockView::ClearSelection() {
    if (Selection().IsEmpty()) {
        return;
    }
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        CObject* object = Selection().GetNext(pos);
        if (auto* point = dynamic_cast<CNode*>(object)) {
            point->SetState(0);
        } else if (auto* line = dynamic_cast<CLine*>(object)) {
            line->SetState(0);
        }
    }
    Selection().RemoveAll();
    Invalidate(FALSE);
}

void CBlockView::OnEditDelete() {
    CBlockDoc* model = Model();
    if (!model || Selection().IsEmpty()) {
        return;
    }
    if (AfxMessageBox(u8"削除してもよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    model->DeleteObjects(Selection());
    m_nSelPoints = 0;
    m_nSelLines = 0;
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
