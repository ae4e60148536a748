#pragma once
// The section model editor's view: the section model drawn to scale on the section view base
// (ground lines, the five point kinds, numbers and names, the selection) and the drawing tools
// of the view base's mouse layer: points of each kind, single and continuous ground lines,
// selection by click or rectangle, and deletion of the selection. The display settings come
// from the program's settings when the view is made and go back to them when it goes.

#include "section_editor/app/ViewSettings.h"
#include "section_editor/core/PendingEdits.h"

#include "common/ui/section/CViewBase.h"
#include "platform/core/CObList.h"

#include <memory>
#include <vector>

class CGridDlg;
struct CoordinateRow;

namespace merdok {

class CBlockDoc;
class CMerdokDoc;
class CNode;
class CLine;

class CBlockView : public CViewBase {
    DECLARE_DYNCREATE(CBlockView)
public:
    CBlockView();
    ~CBlockView() override;

    CMerdokDoc* GetDocument() const;
    CBlockDoc* Model() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void MeasureLabelSize() override;
    void SetGuideTitle(UINT id) override;

    // Chooses a tool (the tool commands, CBlockViewTools.cpp): the select tool, the two line
    // tools and the five point tools.
    void SelectTool(section::DrawMode mode);
    // The space bar and the snap command: the switch, and the title shows it again.
    void ToggleSnapToPoint() override;
    // Every selected object back to normal; the selection emptied.
    void ClearSelection();
    void OnEditDelete();
    // Edits the view's display settings (CBlockViewProperties.cpp).
    void OnViewProperties();

    // Selection, information and settings commands (CBlockViewCommands.cpp).
    void OnEditSelectAll();
    void OnSelectUnusedPoints();
    void OnEditDeselect();
    void OnSelectTargets();
    void OnSnapToPoint();
    void OnModelInfo();
    void OnEditTitle();
    void OnTitleRegister();
    // Tab in a drawing tool: the next point typed (CBlockViewCoordEntry.cpp).
    void OnCoordinateEntry();
    // Coordinate tables, the coordinate edit of the selection and the editing settings
    // (CBlockViewTables.cpp).
    void OnInputSurfaceLine();
    void OnInputMeasurePoints();
    void OnInputBoundPoints();
    void OnEditPointCoords();
    void OnEditMove();
    // The point dialog on one point, whose changes apply at once; TRUE when the model changed.
    BOOL ChangePoint(CNode& point);
    void OnSystemSettings();
    // The row check of a table's OK: 0 keeps the table open.
    long OnGridCheckRows(int kind, CGridDlg* table);
    // The confirmation figure's decision on the waiting edit: applied (accept) or dropped.
    // False when none waits.
    bool ConfirmPendingEdit(bool accept);
    // The edit that waits for the confirming click (null when none).
    std::unique_ptr<PendingPointEdit> m_pendingEdit;

    // --- DXF reading and writing (CBlockViewDxf.cpp) ---
    // The import dialog on the document's DXF settings, then the import.
    void OnInputDxfFile();
    // Asks for the DXF file's name (the last one, else beside the model file) and writes it.
    void OnFileDxfOut();
    // The ground lines and ground-point numbers as shown into m_strDxfOutPath; false when not written.
    bool WriteDxfFile();
    CString m_strDxfOutPath; // empty until the first DXF output

    // The tools' results (CBlockViewTools.cpp): a run of ground-surface points joined by
    // lines; a point of the tool's kind, or the point clicked on through the point dialog; a
    // selection by click or rectangle.
    int CommitPointRun(const std::vector<section::FigureVertex>& run) override;
    BOOL CommitPick(const section::FigureVertex& point) override;
    BOOL CommitSelection(int mode, CFigure& figure) override;

    DisplaySettings m_display;
    CSize m_sizeLabel;
    int m_nSelPoints = 0; // selected points and lines, counted by the selection commands
    int m_nSelLines = 0;
    BOOL m_bRelativeEntry = FALSE; // the last choice of relative coordinate entry

protected:
    bool DocHasGroundPoints() const override;
    section::WorldRange DocComputeExtent(double& width, double& height) override;
    section::WorldRange DocCurrentExtent() const override;
    void DocClearCurrentExtent() override;
    section::WorldRange DocModelSize() const override;
    void DocStoreModelSize(const section::WorldRange& size) override;
    bool DocGroundPointXY(int number, double& x, double& y) const override;
    std::vector<COLORREF> ObjectColours() const override;
    section::PrintedStyles PrintStyles() override;
    // The tools' figures and what snapping sees of the model (CBlockViewTools.cpp).
    std::unique_ptr<CFigure> MakeFigure(section::DrawMode drawMode) override;
    std::vector<SnapPoint> DocSnapPoints(PointSet set) const override;
    bool DocNearestLine(double x, double y, int& key, double& squaredDistance, DPoint& a,
                        DPoint& b) const override;
    void DocStoreLineKind(int key, SegmentKind kind) override;
    double DocSamePointDistance() const override;
    double DocSquaredSnap() const override;
    void DocSetSquaredSnap(double value) override;
    void DocSetModified() override;
    void OnTabEntry() override { OnCoordinateEntry(); }

private:
    void MapToolCommands();
    void MapEditCommands();
    // The boundary point tools of the edit bar show the colours their points are drawn in.
    void RecolorBoundaryButtons();
    void CountSelection();
    void MapDxfCommands();
    void GiveSettingsToDocument();
    CPoint DeviceToLogical(CPoint device);
    // Selects what lies inside the rectangle (x min, y min, x max, y max), by the targets.
    void SelectInRectangle(const double (&rect)[4]);
    void MapTableCommands();
    void LeaveTool();
    std::vector<const CNode*> SelectedGroundPoints() const;
    void OpenPointTable(int kind, const std::vector<const CNode*>& lineOrder);
    void TakeTableRows(int kind, const std::vector<CoordinateRow>& rows);
    void FitGroundLineRows(const double (&all)[4]);
    void ShowChangedArea(const double (&changed)[4]);
    void StartPendingEdit(std::unique_ptr<PendingPointEdit> edit);
    void DrawPendingEdit(CDC* dc);

    // Drawing (CBlockViewDraw.cpp).
    void DrawLines(CDC* dc, const CRect& clip);
    void DrawPoints(CDC* dc, const CRect& clip);
    void DrawNumbers(CDC* dc, const CRect& clip);
    void DrawSelection(CDC* dc);
};

} // namespace merdok
