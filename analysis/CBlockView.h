#pragma once
// The analysis view: the section of one analysis document drawn to scale on the section view
// base - ground-surface lines, the five point kinds, numbers and names, displacement vectors,
// block lines and slip lines, each with its display settings. The settings come from the
// program's settings block when the view is made and go back to it when the view goes.

#include "analysis/ViewSettings.h"
#include "model/PlotSettings.h"

#include "common/ui/section/CViewBase.h"
#include "platform/core/CObList.h"
#include "platform/ui/CBitmap.h"

#include <vector>

class CGridData;
class CGridDlg;

namespace torvan {

class CBlockDoc;
class CGridDlg1;
class CTorvanDoc;

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

    DisplaySettings m_display;
    CObList m_listSelect;           // selected CNode, CLine and CVerrant objects (not owned)
    bool m_bBlockTableOpen = false; // the block-line table shows the block lines under edit
    CBitmap m_bmScreen;             // a drawing tool's surface, laid over the section with AND
    CSize m_sizeLabel;              // extent of "1234" in the largest point and line number font

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

private:
    friend class SectionPainter;
    // Hands the count limits, tolerances and vector mode of the settings to the document.
    void GiveSettingsToDocument();
    void ShowMethodName();
    // The table rows become the document's keyed block lines; the view redraws.
    void TakeBlockLineRows();
    long CheckBoundaryRows(const std::vector<CGridData*>& rows);
    void GreyMenusForTable(bool grey);
    bool ModelXRange(double& minX, double& maxX) const;

    CGridDlg1* m_pBlockLineTable = nullptr;
};

} // namespace torvan
