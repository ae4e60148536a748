#pragma once
// The scrolling section view that the section programs build their views on: the plane of
// the section (a Viewport: model metres to logical units, "view all", zooming by an extent
// and by 1 % or 10 % steps within the size limits), the model-size dialog, the guide texts,
// the over-object pixel test and the drawing primitives for point marks and labels. Marks are
// sized in device pixels, so they keep their size at any scale.
//
// What differs between the programs is a parameter (the share of spare height above the
// model after "view all", the model-size dialog's button) or a virtual hook: the document's
// model extent and stored model size, its ground-surface points, and the colours the
// over-object test looks for.

#include "common/geometry/DPoint.h"
#include "common/ui/section/PrintedStyles.h"
#include "common/view/Viewport.h"
#include "platform/ui/CScrollView.h"

#include <vector>

class CViewBase : public CScrollView {
    DECLARE_DYNAMIC(CViewBase)
public:
    struct Options {
        double fitTopShare = 0.75;    // share of the spare height above the model after "view all"
        UINT currentAreaButton = 150; // the model-size dialog's "current drawing area" button
    };

    explicit CViewBase(const Options& options);
    ~CViewBase() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) override;
    // Until the next zoom, "view all" follows the window's size: a new window takes its final
    // size only once it is laid out, and the fitted picture's scroll bars go after the fit.
    void OnSize(UINT type, int cx, int cy) override;

    // The guide texts (ids 4000-4999 of the program's guide strings), shown by the main frame.
    void SetGuidePrompt(UINT id);
    virtual void SetGuideTitle(UINT id);
    // The drawing tools' hooks: the base does nothing.
    virtual void CreateDrawFigure(int logicalX, int logicalY, DPoint* point);
    virtual void EndDrawFigure(CDocument* document);
    virtual void MeasureLabelSize();
    // The table "点座標" (not editable) of the ground-surface points in state 0 inside the x and
    // y ranges ({minimum, maximum}, ends included), or of the point numbered number when the
    // ranges are null (CViewBaseNodeData.cpp).
    void ViewNodeData(const double* xRange, const double* yRange, int number);

    // Mapping (see Viewport): an unmappable point is (INT_MIN, INT_MIN).
    CPoint WorldToLogical(double x, double y) const { return m_view.WorldToLogical(x, y); }
    void LogicalToWorld(int lx, int ly, double* x, double* y) const { m_view.LogicalToWorld(lx, ly, x, y); }
    // The scales fitting width x height metres; returns the client size.
    CSize GetViewScale(double width, double height, int marginDivX, int marginDivY);
    // zoomMode FALSE: "view all" (extent normally null: the model size or the document's
    // extent), margin divisor 20 leaves 5 % on each side. zoomMode TRUE: show extent (metres)
    // about centre with margin pixels; outside the size limits the limit's message is shown
    // and FALSE returned with nothing changed.
    BOOL Zoom(const double* extent, const DPoint* centre, int margin, BOOL zoomMode);
    // One scale step about the window's centre by the given scale amounts; repaints.
    void ScaleStep(BOOL enlarge, double stepX, double stepY);
    void OnViewAll();
    void OnModelSize();
    void OnScaleUp();
    void OnScaleDown();

    // Coordinates of a ground-surface point by number; a missing one gives the drawing range's
    // minimum less 10 m on both axes and FALSE.
    BOOL GetPointWorldXY(int number, double* x, double* y) const;
    // The logical bounding rectangle of n points; FALSE without points or with an unset first x.
    BOOL GetWorldPolylineBounds(CRect* rect, const double* xs, const double* ys, int n) const;
    // A logical rectangle in device pixels of the window; FALSE for an empty rectangle.
    BOOL LogicalToDeviceRect(CRect* rect);
    // Which window edges a device point lies beyond (8 above, 4 below, 1 left, 2 right); -1
    // when inside, at a corner, or at the same edge as the last call.
    int HitTest(int x, int y);
    // TRUE when a pixel of the 3 x 3 block around the logical point has one of the colours
    // the program draws its objects in (ObjectColours).
    BOOL IsOverObject(CDC* dc, int x, int y) const;

    // Drawing primitives at a logical point, sized in device pixels.
    void DrawPointBox(CDC* dc, CPoint point, CBrush* brush, int n) const;
    void DrawPointBoxColor(CDC* dc, CPoint point, COLORREF color, int n) const;
    void FramePointBox(CDC* dc, CPoint point, COLORREF color, int n) const;
    void DrawCrossMark(CDC* dc, CPoint point, COLORREF color, int n) const;
    void DrawTriangleMark(CDC* dc, CPoint point, COLORREF color, int n) const;
    // Text at (x, y); with a brush, first a frame from 2 pixels left and 1 above the text to
    // 3 right and 1 below its extent.
    void DrawLabel(CDC* dc, int x, int y, const CString& text, CBrush* frame) const;
    // A closed polygon with a 1-pixel pen and no fill; nothing without points or an unset first x.
    void DrawPolylineWorld(CDC* dc, const double* xs, const double* ys, int n, COLORREF color) const;

    // Printing (CViewBasePrint.cpp): what the window shows, on one page, after a Yes/No that
    // names the printer; the preview of that page has only a Close button.
    void OnFilePrint();
    void OnFilePrintPreview();
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    // The window's picture scaled to the page's drawing rectangle; the view looks as before
    // afterwards.
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    // The display settings printing enlarges (and blackens in black-only printing).
    virtual section::PrintedStyles PrintStyles() { return {}; }

    section::Viewport m_view;
    section::WorldRange m_drawRange; // the model area "view all" fits
    section::WorldRange m_modelSize; // set with the model-size dialog; unset when none
    int m_nDrawMode = -1;            // -1: no drawing tool
    int m_nInputLock = 0;            // set around the keyboard entry of a point
    CString m_strDisplayName;
    COLORREF m_crHighlight = RGB(192, 192, 192); // selected objects
    COLORREF m_crRubber = RGB(128, 128, 128);    // rubber bands of the tools
    COLORREF m_crThird = RGB(255, 0, 0);
    double m_dMarkScale = 1.0; // enlarges the triangle mark
    int m_nLimitNewPoint = 3;  // snapping distances in logical units
    int m_nLimitNewLine = 3;
    int m_bZoomDone = 1; // set by every fit and zoom; the view clears it
    int m_nLastEdge = 0;

protected:
    // The program's document, as the view needs it.
    virtual bool DocHasGroundPoints() const = 0;
    // Computes the document's current model extent (metres); width and height of the area to fit.
    virtual section::WorldRange DocComputeExtent(double& width, double& height) = 0;
    // The current extent as last computed (unset when empty).
    virtual section::WorldRange DocCurrentExtent() const = 0;
    virtual void DocClearCurrentExtent() = 0;
    virtual section::WorldRange DocModelSize() const = 0;
    virtual void DocStoreModelSize(const section::WorldRange& size) = 0;
    virtual bool DocGroundPointXY(int number, double& x, double& y) const = 0;
    // The colours of drawn objects that the over-object test finds.
    virtual std::vector<COLORREF> ObjectColours() const { return {}; }
    // The document's ground-surface points in ascending number, for the point-coordinate table.
    struct GroundPointRow {
        int number;
        double x;
        double y;
        int state;
    };
    virtual std::vector<GroundPointRow> DocGroundPoints() const { return {}; }
    // True while a drawing tool has a figure in progress: no scale step is taken then.
    virtual bool IsToolActive() const { return false; }

private:
    void Fit(const double* extent, int margin);
    void FitInitialFrame();
    CSize ClientSize() const;
    // Device-pixel rectangle around a logical point, back in logical units.
    CRect DeviceBox(CDC* dc, CPoint point, int left, int top, int right, int bottom) const;

    Options options_;
    bool fitFollowsSize_ = false;
};
