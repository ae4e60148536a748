#include "analysis/app/CBlockView.h"

#include "analysis/app/CAnalysisMethodDlg.h"
#include "analysis/app/CChildFrame.h"
#include "analysis/app/CDrawingRunDlg.h"
#include "analysis/app/CMainFrame.h"
#include "analysis/app/CRefFileDlg.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SectionPainter.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CNode.h"
#include "analysis/core/SolverLibrary.h"
#include "common/process/ChildLauncher.h"
#include "common/ui/section/GuideStrings.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/SectionCommands.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"
#include "platform/ui/CWinApp.h"

#include <QColor>
#include <span>

namespace torvan {

IMPLEMENT_DYNCREATE(CBlockView, CViewBase)

namespace {

// The analysis program leaves three quarters of the spare height above the model.
CViewBase::Options AnalysisViewOptions() {
    CViewBase::Options options;
    options.fitTopShare = 0.75;
    options.currentAreaButton = 150;
    return options;
}

// The solver library is loaded once, when the first solver run needs it; without it the
// solver run reports that no slip line could be made.
CBlockDoc::SolverEntry SolverEntry() {
    static SolverLibrary library;
    static const bool loaded = library.Load();
    return loaded ? library.Entry() : nullptr;
}

} // namespace

CBlockView::CBlockView() : CViewBase(AnalysisViewOptions()), m_display(ProgramViewSettings().display) {
    MapCommand(ID_ANALYSIS_RUN, &CBlockView::OnAnalysisRun);
    MapUpdate(ID_ANALYSIS_RUN, &CBlockView::OnUpdateAnalysisRun);
    MapCommand(ID_RELOAD_RESULT, &CBlockView::OnReloadResult);
    MapCommand(ID_DRAWING_RUN, &CBlockView::OnDrawingRun);
    MapTableCommands();
    MapCommand(ID_FILE_DXF_OUT, &CBlockView::OnFileDxfOut);
    MapCommand(ID_VIEW_PROPERTIES, &CBlockView::OnViewProperties);
    MapCommand(ID_TITLE_REGISTER, &CBlockView::OnTitleRegister);
    MapCommand(ID_SYSTEM_SETTINGS, &CBlockView::OnSystemSettings);
    MapCommand(ID_VIEW_DISP_VECTOR, &CBlockView::OnViewDispVector);
    MapCommand(ID_TITLE_AND_REF_FILES, &CBlockView::OnTitleAndRefFiles);
    MapCommand(ID_EDIT_DISP_DATA, &CBlockView::OnEditDispData);
    MapToolCommands();
    MapSelectionCommands();
}

CBlockView::~CBlockView() {
    CloseBlockLineTable();
    Selection().RemoveAll();
    delete m_pTreeDlg;
    // The display settings went to the program's block when they changed: a window closing
    // later with older ones must not take the change back.
}

CTorvanDoc* CBlockView::GetDocument() const {
    return dynamic_cast<CTorvanDoc*>(m_pDocument);
}

CBlockDoc* CBlockView::Model() const {
    CTorvanDoc* document = GetDocument();
    return document ? &document->Model() : nullptr;
}

void CBlockView::GiveSettingsToDocument() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const ViewSettings& settings = ProgramViewSettings();
    for (int i = 0; i < 4; ++i) {
        model->Limits().m_nLimit[i] = settings.countLimit[i];
    }
    model->Snap().m_dSnap = settings.newPoint;
    model->Snap().m_dSnap2 = settings.newPoint * settings.newPoint;
    model->Snap().m_dSecondDistance = settings.newLine;
    const int mode = m_display.lines[kLineVector].type;
    if (mode >= 0 && mode <= 2) {
        model->Settings().m_nVectorMode = mode;
    }
    model->CalcMaxDisplacement();
}

// The chosen analysis method's name in the analysis bar.
void CBlockView::ShowMethodName() {
    CBlockDoc* model = Model();
    const char8_t* const names[] = {u8"多角形平行法", u8"多角形回転法", u8"多項式法"};
    const int method = model ? model->Settings().m_nMethod : -1;
    if (method < 0 || method > 2) {
        return;
    }
    section::ProcessGuideTexts().methodName = CString(names[method]);
    section::SendToMainFrame(section::ID_SHOW_METHOD_NAME);
}

void CBlockView::OnInitialUpdate() {
    if (auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame())) {
        if (CTorvanDoc* document = GetDocument()) {
            frame->SetFrameTitle(document->GetPathName());
        }
    }
    AskReferenceFiles();
    ShowMethodName();
    GiveSettingsToDocument();
    CViewBase::OnInitialUpdate();
    CreateTreeDialog();
    RecolorBoundaryButtons();
}

// A new document without a section asks which section model and measurement files it
// refers to, and reads them as the title and reference files dialog's update does.
void CBlockView::AskReferenceFiles() {
    CTorvanDoc* document = GetDocument();
    CBlockDoc* model = Model();
    if (!document || !model || !document->GetPathName().IsEmpty() || DocHasGroundPoints()) {
        return;
    }
    CRefFileDlg dialog(this);
    dialog.m_strSectionFile = model->SectionFile();
    dialog.m_strDispFile = model->DispFile();
    if (dialog.DoModal() != IDOK || (dialog.m_strSectionFile.IsEmpty() && dialog.m_strDispFile.IsEmpty())) {
        return;
    }
    model->SetSectionFile(dialog.m_strSectionFile);
    model->SetDispFile(dialog.m_strDispFile);
    model->ReloadReferenceFiles();
    ForgetDrawRange();
}

// The boundary point tools of the edit bar show the colours their points are drawn in.
void CBlockView::RecolorBoundaryButtons() {
    if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd())) {
        const section::PointStyle* points = m_display.points;
        frame->RecolorBoundaryButtons(points[kPointInner].color, points[kPointLeft].color,
                                      points[kPointRight].color);
    }
}

void CBlockView::OnDraw(CDC* dc) {
    if (CBlockDoc* model = Model()) {
        SectionPainter(*this, *model, *dc).Paint();
    }
}

// The block lines' numbers do not count.
void CBlockView::MeasureLabelSize() {
    m_sizeLabel = LargestLabelExtent(std::span(m_display.numbers).first<kNumberSlip + 1>());
}

bool CBlockView::DocHasGroundPoints() const {
    CBlockDoc* model = Model();
    return model && model->GroundPoints().GetCount() > 0;
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
    const ModelExtents& e = model->Extents();
    return section::WorldRange{e.m_dMinX, e.m_dMaxX, e.m_dMinY, e.m_dMaxY};
}

void CBlockView::DocClearCurrentExtent() {
    if (CBlockDoc* model = Model()) {
        ModelExtents& e = model->Extents();
        e.m_dMinX = e.m_dMaxX = e.m_dMinY = e.m_dMaxY = platform::kUnsetDouble;
    }
}

// The model size record (MSIZE) holds min x, max x, min y, max y.
section::WorldRange CBlockView::DocModelSize() const {
    CBlockDoc* model = Model();
    if (!model) {
        return section::WorldRange::Unset();
    }
    const double* size = model->Extents().m_dModelSize;
    return section::WorldRange{size[0], size[1], size[2], size[3]};
}

void CBlockView::DocStoreModelSize(const section::WorldRange& range) {
    if (CBlockDoc* model = Model()) {
        double* size = model->Extents().m_dModelSize;
        size[0] = range.xmin;
        size[1] = range.xmax;
        size[2] = range.ymin;
        size[3] = range.ymax;
    }
}

bool CBlockView::DocGroundPointXY(int number, double& x, double& y) const {
    CBlockDoc* model = Model();
    CObject* object = nullptr;
    if (!model || number < 1 || number > 0x10000 ||
        !model->GroundPoints().Lookup(static_cast<WORD>(number - 1), object)) {
        return false;
    }
    const auto* point = static_cast<const CNode*>(object);
    x = point->x;
    y = point->y;
    return true;
}

// The colours of points, ground-surface lines and slip lines, which the tools snap to.
std::vector<COLORREF> CBlockView::ObjectColours() const {
    std::vector<COLORREF> colours = {m_display.lines[kLineGround].color,
                                     m_display.lines[kLinePreviousSlip].color,
                                     m_display.lines[kLineNewSlip].color};
    for (const section::PointStyle& point : m_display.points) {
        colours.push_back(point.color);
    }
    return colours;
}

// Every drawn item prints; "Monochromatic Print" prints it all in black.
section::PrintedStyles CBlockView::PrintStyles() {
    section::PrintedStyles styles;
    styles.numbers = m_display.numbers;
    styles.lines = m_display.lines;
    styles.points = m_display.points;
    styles.monochrome = ProgramViewSettings().monochromePrint != 0;
    return styles;
}

void CBlockView::OnUpdateAnalysisRun(CCmdUI* ui) {
    ui->Enable(!m_bBlockTableOpen);
}

void CBlockView::OnAnalysisRun() {
    CBlockDoc* model = Model();
    if (!model || m_bBlockTableOpen) {
        return;
    }
    AnalysisSettings& settings = model->Settings();
    CAnalysisMethodDlg dialog(this);
    dialog.m_nMethod =
        settings.m_nMethod == platform::kUnsetInt ? CBlockDoc::kPolynomial : settings.m_nMethod;
    dialog.m_nTwoPointOption = settings.m_nMethodOption;
    dialog.m_dGamma = settings.m_dGamma;
    dialog.m_dCohesion = settings.m_dCohesion;
    dialog.m_dPhi = settings.m_dPhi;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    AnalysisRun run(*model, SolverEntry());
    if (dialog.m_nMethod != CBlockDoc::kPolynomial) {
        settings.m_nMethod = dialog.m_nMethod;
        ShowMethodName();
        run.RunPolygonMethod(dialog.m_nMethod, dialog.m_nTwoPointOption);
        GetDocument()->UpdateAllViews();
        return;
    }
    if (!run.OpenPolynomialMethod()) {
        return;
    }
    ShowMethodName();
    settings.m_dGamma = dialog.m_dGamma;
    settings.m_dCohesion = dialog.m_dCohesion;
    settings.m_dPhi = dialog.m_dPhi;
    OpenBlockLineTable();
}

void CBlockView::OnReloadResult() {
    if (CBlockDoc* model = Model()) {
        model->MakeSlipLines(nullptr);
        GetDocument()->UpdateAllViews();
    }
}

PlotStyle CBlockView::MakePlotStyle() const {
    return ToPlotStyle(m_display);
}

void CBlockView::OnDrawingRun() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    // No to the question whether to draw a section that leaves the sheet goes back to the
    // dialog with what was chosen, for another scale or paper.
    bool declined = true;
    CString index;
    while (declined) {
        CDrawingRunDlg dialog(this);
        dialog.m_plot = ProgramViewSettings().plot;
        const int result = dialog.DoModal();
        if (result != IDOK && result != CDrawingRunDlg::kRunDrawing) {
            return;
        }
        ProgramViewSettings().plot = dialog.m_plot;
        model->Sheet() = ToSheetParameters(dialog.m_plot);
        if (result != CDrawingRunDlg::kRunDrawing) {
            return;
        }
        if (model->WritePlotFile(index, MakePlotStyle(), &declined)) {
            LaunchChildProgram("zapho", {CString(kDrawingRunArgument), index});
            return;
        }
    }
}

} // namespace torvan
