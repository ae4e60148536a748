#pragma once
// The analysis view: the section of one analysis document drawn to scale on the section view
// base - ground-surface lines, the five point kinds, numbers and names, displacement vectors,
// block lines and slip lines, each with its display settings. The settings come from the
// program's settings block when the view is made and go back to it when the view goes.

#include "analysis/app/ViewSettings.h"
#include "analysis/core/PlotSettings.h"

#include "common/section/PendingPointEdit.h"
#include "common/ui/section/CViewBase.h"
#include "platform/core/CMapWordToOb.h"
#include "platform/core/CObList.h"
#include "platform/ui/CBitmap.h"

#include <functional>
#include <memory>
#include <vector>

class CGridData;
class CGridDlg;

namespace torvan {

class CBlockDoc;
class CGridDlg1;
class CNode;
class CPointEditDlg;
class CTorvanDoc;
class PointTableCommit;
class SlipLineTreeDlg;

class CBlockView : public CViewBase {
    DECLARE_DYNCREATE(CBlockView)
public:
    CBlockView();
    ~CBlockView() override;

    CTorvanDoc* GetDocument() const;
    // The analysis model of the view's document, or null before the view has a document.
    CBlockDoc* Model() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void MeasureLabelSize() override;
    // The edit bar's boundary point buttons in the colours of their points.
    void RecolorBoundaryButtons();

    // Asks for the method and runs it: the polygon methods at once, the polynomial method
    // through the block-line table.
    void OnAnalysisRun();
    void OnUpdateAnalysisRun(CCmdUI* ui);
    // Builds the slip lines afresh from the document's current state.
    void OnReloadResult();
    // Edits the drawing settings; its run button writes the plot files and starts the
    // drawing viewer on them.
    void OnDrawingRun();
    // The view's display settings as the plotted sheet uses them.
    PlotStyle MakePlotStyle() const;
    // Edits the view's display settings (CBlockViewProperties.cpp).
    void OnViewProperties();
    // Settings in small dialogs (CBlockViewDialogs.cpp): the title registration and the
    // editing and printing settings of the program, the vector display of the view.
    void OnTitleRegister();
    void OnSystemSettings();
    void OnViewDispVector();
    // Which measurement points and readings the analysis uses, and each point's β.
    void OnEditDispData();
    // The title and reference files; "ﾌｧｲﾙ更新" reads the reference files afresh.
    void OnTitleAndRefFiles();

    // --- DXF output (CBlockViewDxf.cpp) ---
    // Asks for the DXF file's name (the last one, else beside the analysis file) and writes it.
    void OnFileDxfOut();
    // The ground-surface line and the shown slip lines into m_strDxfOutPath; false when not written.
    bool WriteDxfFile();
    CString m_strDxfOutPath; // empty until the first DXF output

    // --- the tables (CBlockViewTables.cpp) ---
    // Opens the modeless block-line table over the document's keyed block lines (the
    // polynomial analysis run's table); its OK runs the solver. Nothing while one is open.
    // File, Edit and Draw stay grey until it closes.
    void OpenBlockLineTable();
    // Closes an open block-line table without telling anyone (the view is going).
    void CloseBlockLineTable();
    // Every table message arrives here: (message, table kind, lParam).
    long OnTableMessage(UINT message, int kind, void* param);
    long OnGridCheckRows(int kind, CGridDlg* table);
    long OnDialogDestroy(int kind);
    long OnGridCheckBlockLines(int kind);
    long OnGridRunSolver(int kind);
    long OnGridTakePoints(int kind);
    long OnGridBlockLineOutside(CGridData* row);
    // A click at a world position while the block-line table is open: a line there.
    int ChangeDialogViewClick(double x, double y);
    CGridDlg1* BlockLineTable() const { return m_pBlockLineTable; }

    // --- the drawing tools (CBlockViewTools.cpp) ---
    int CommitPointRun(const std::vector<section::FigureVertex>& run) override;
    void CommitFigurePoint(const section::FigureVertex& point) override;
    BOOL CommitPick(const section::FigureVertex& point) override;
    BOOL CommitSelection(int mode, CFigure& figure) override;

    // --- point tables and pending point changes (CBlockViewPoints.cpp, CBlockViewPointEdits.cpp) ---
    void OnInputSurfaceLine();
    void OnInputSurfacePoints();
    void OnInputMeasurePoints();
    void OnInputBoundPoints();
    void OnUpdateInputSurfaceLine(CCmdUI* ui);
    void OnUpdatePointTable(CCmdUI* ui);
    // Fills the table from the kind's points, runs it, and turns confirmed rows into pending
    // copies that wait for the confirming click.
    void OnInputAllPoint(CGridDlg& table, int kind);
    // The OK of a point table: its rows become pending copies and removal marks.
    void TakeConfirmedPointRows(CGridDlg& table, int kind);
    // The selected ground-surface points as a table (1 after OK) and their move (1 after OK).
    int InputPointCoordinates();
    int MovePoints();
    void OnChangePointCoordinates();
    void OnEditMove();
    void OnUpdateSelectedPointEdit(CCmdUI* ui);
    bool HasPendingPoints() const { return m_pendingEdit != nullptr; }
    // The document takes the pending edit / forgets it; the confirmation figure decides
    // which (CFigMovePoint), after the user's click.
    void CommitPendingPoints();
    void DropPendingPoints();

    // --- one point through the point dialog (CBlockViewPointDialog.cpp) ---
    // A new boundary point before the document stores it; a boundary point the mouse picked.
    // 1 when the point was taken or changed.
    int EnterPointByDialog(CNode& point);
    int ChangeBoundaryPointByDialog(CNode& point);

    // --- selection (CBlockViewSelection.cpp) ---
    void ClearSelection();
    void OnEditDelete();
    void OnEditDeselect();
    void OnUpdateSelectionNotEmpty(CCmdUI* ui);
    void OnSelectTargets();
    // Select all (whatever the targets allow) and the ground points no line uses (CBlockViewCommands.cpp).
    void OnEditSelectAll();
    void OnSelectUnusedPoints();
    // Drawing clicks snap to the nearest existing point, at any distance, while on.
    void OnSnapToPoint();
    // Every slip line / every boundary point deleted (a held boundary point goes out of
    // use), the selection emptied first and the tree filled again.
    void OnDeleteAllSlipLines();
    void OnDeleteAllBoundPoints();
    void OnUpdateDeleteAll(CCmdUI* ui);

    // --- clicks while the block-line table is open (CBlockViewClicks.cpp) ---
    void OnLButtonDown(UINT flags, CPoint point) override;

    SlipLineTreeDlg* TreeDialog() const { return m_pTreeDlg; }

    DisplaySettings m_display;
    bool m_bBlockTableOpen = false;        // the block-line table shows the block lines under edit
    CSize m_sizeLabel;                     // extent of "1234" in the largest point and line number font
    int m_nSelectAllCounts[3] = {0, 0, 0}; // points, lines, slip lines of the last select-all
    // The point edit that waits for the confirming click (its target 3: a new ground line).
    std::unique_ptr<section::PendingPointEdit> m_pendingEdit;
    BOOL m_bRelativeEntry = FALSE; // the coordinate entry's relative switch as last time

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
    std::unique_ptr<CFigure> MakeFigure(section::DrawMode drawMode) override;
    std::vector<SnapPoint> DocSnapPoints(PointSet set) const override;
    bool DocNearestLine(double x, double y, int& key, double& squaredDistance, DPoint& a,
                        DPoint& b) const override;
    void DocStoreLineKind(int key, SegmentKind kind) override;
    double DocSamePointDistance() const override;
    double DocSquaredSnap() const override;
    void DocSetSquaredSnap(double value) override;
    std::vector<std::vector<DPoint>> DocSlipLines() const override;
    void DocSetModified() override;
    // Tab in a drawing tool: the point typed in the coordinate entry (CBlockViewCoordEntry.cpp).
    void OnTabEntry() override;

private:
    friend class SectionPainter;
    void MapToolCommands();
    void MapSelectionCommands();
    void AfterDeleteAll();
    void AddToSelection(CObject* object);
    // Selects the points of the chosen target kinds that take(point) accepts.
    void SelectTargetPoints(CBlockDoc& model, const std::function<bool(const CNode&)>& take);
    // Hands the count limits, tolerances and vector mode of the settings to the document.
    void GiveSettingsToDocument();
    void ShowMethodName();
    void AskReferenceFiles();
    // The table rows become the document's keyed block lines; the view redraws.
    void TakeBlockLineRows();
    long CheckBoundaryRows(const std::vector<CGridData*>& rows);
    bool CheckRowCountAndNumbers(int kind, const std::vector<CGridData*>& rows);
    void GreyMenusForTable(bool grey);
    bool ModelXRange(double& minX, double& maxX) const;

    friend class PointTableCommit;
    void RunPointTable(int kind);
    bool CanOpenPointTable() const;
    void FillPointRows(CGridDlg& table, int kind);
    void ShowChangeBox(double minX, double minY, double maxX, double maxY);
    bool PlaceBoundaryPoint(const CNode& point, double& x, double& y);
    // The point takes the dialog's values at the place PlaceBoundaryPoint finds; false when
    // there is none (the point is left as it was).
    bool TakePointDialog(CNode& point, const CPointEditDlg& dialog);
    // The edit's points marked in the document as changing; the edit waits for the click.
    void StartPendingConfirmation(std::unique_ptr<section::PendingPointEdit> edit);
    void EndPendingConfirmation();
    std::vector<CNode*> SelectedGroundPoints() const;
    void TakeSelectedPointRows(const std::vector<CGridData*>& rows);
    void MapTableCommands();
    void MapSelectCommands();
    void StartSelectTool();
    // The points, lines and slip lines of the selection into m_nSelectAllCounts.
    void CountSelection();
    void CreateTreeDialog();

    CGridDlg1* m_pBlockLineTable = nullptr;
    SlipLineTreeDlg* m_pTreeDlg = nullptr;
    CFigure::Rule lineRule_ = CFigure::kNoRule; // the line tool's figure: free, horizontal or vertical
};

} // namespace torvan
