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

namespace torvan {

class CBlockDoc;
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
    // Opens the block-line table over the document's table rows; its OK runs the solver.
    void OpenBlockLineTable();

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

private:
    friend class SectionPainter;
    // Hands the count limits, tolerances and vector mode of the settings to the document.
    void GiveSettingsToDocument();
    void ShowMethodName();
};

} // namespace torvan
