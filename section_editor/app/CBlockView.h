#pragma once
// The section model editor's view: the section model drawn to scale on the section view base
// (ground lines, the five point kinds, numbers and names, the selection and the figure in
// progress) and the drawing tools driven by the mouse: points of each kind, single and
// continuous ground lines, selection by click or rectangle, and deletion of the selection.
// The display settings come from the program's settings when the view is made and go back
// to them when it goes.

#include "section_editor/app/ViewSettings.h"
#include "section_editor/core/PendingPointEdit.h"

#include "common/ui/section/CViewBase.h"
#include "platform/core/CObList.h"

#include <memory>
#include <vector>

class CCoordInputDlg;
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
    // The tools (m_nDrawMode).
    enum Mode {
        kNoTool = -1,
        kSelect = 0,
        kSingleLine,
        kContinuousLine,
        kGroundPoint,
        kMeasurePoint,
        kUnderBoundPoint,
        kLeftBoundPoint,
        kRightBoundPoint
    };

    CBlockView();
    ~CBlockView() override;

    CMerdokDoc* GetDocument() const;
    CBlockDoc* Model() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void MeasureLabelSize() override;
    void SetGuideTitle(UINT id) override;

    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;

    // Chooses a tool (the tool commands).
    void SelectTool(int mode);
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
    // Tab: the next point typed (CBlockViewCoordEntry.cpp).
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
    // The click on a pending edit: left accepts, right asks and drops it. False when none waits.
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

    DisplaySettings m_display;
    CObList m_listSelect; // selected CNode and CLine objects (owned by the document)
    int m_nPointKind = 0;
    int m_nGuidePromptId = 4000;
    int m_nGuideTitleId = -1;
    bool m_bSkipClick = false;
    bool m_bSnapToPoint = false;
    CSize m_sizeLabel;
    int m_nSelPoints = 0; // selected points and lines, counted by the selection commands
    int m_nSelLines = 0;
    // The selection targets of select-all.
    BOOL m_bSelGroundPoint = TRUE;
    BOOL m_bSelGroundLine = TRUE;
    BOOL m_bSelMeasurePoint = TRUE;
    BOOL m_bSelBoundPoint = TRUE;
    BOOL m_bRelativeEntry = FALSE; // the last choice of relative coordinate entry
    // The figure in progress: its model points (empty: none).
    std::vector<DPoint> m_figure;
    CPoint m_ptCursor; // logical, for the rubber band

protected:
    bool DocHasGroundPoints() const override;
    section::WorldRange DocComputeExtent(double& width, double& height) override;
    section::WorldRange DocCurrentExtent() const override;
    void DocClearCurrentExtent() override;
    section::WorldRange DocModelSize() const override;
    void DocStoreModelSize(const section::WorldRange& size) override;
    bool DocGroundPointXY(int number, double& x, double& y) const override;
    std::vector<COLORREF> ObjectColours() const override;
    bool IsToolActive() const override { return !m_figure.empty(); }
    section::PrintedStyles PrintStyles() override;

private:
    void MapToolCommands();
    void MapEditCommands();
    // The boundary point tools of the edit bar show the colours their points are drawn in.
    void RecolorBoundaryButtons();
    void CountSelection();
    // The point the coordinate entry gives; false (after the message) when there is none.
    bool EnteredPoint(const CCoordInputDlg& dialog, DPoint& point) const;
    // False (after the message) when the point lies outside the window.
    bool IsInWindow(const DPoint& point);
    void MapDxfCommands();
    void GiveSettingsToDocument();
    CPoint DeviceToLogical(CPoint device);
    // The click in metres, on a drawn ground point when one is near.
    DPoint SnappedClick(CPoint logical) const;
    void AddFigurePoint(const DPoint& point);
    void CommitFigure();
    void CommitPoint(const DPoint& point);
    void EndFigure();
    void SelectAt(CPoint logical);
    void SelectInRectangle(const DPoint& a, const DPoint& b);
    const CNode* PointNear(CPoint logical) const;
    const CLine* LineNear(CPoint logical) const;
    void ShowToolPrompt();
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
    void DrawFigure(CDC* dc);
};

} // namespace merdok
