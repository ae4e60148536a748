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
//
// The mouse layer (CViewBaseMouse.cpp, CViewBaseSnap.cpp) turns mouse messages into calls
// on the active drawing tool (a CFigure), snaps clicks to the document's points, lines and
// slip lines, applies the horizontal/vertical rule, runs the right button's zoom window and
// a modal figure's confirmation. What it needs of the document are the Doc... hooks; what a
// figure produces goes to the Commit... hooks; the program makes its figures in MakeFigure.

#include "common/geometry/DPoint.h"
#include "common/geometry/Geometry.h"
#include "common/section/PointKind.h"
#include "common/ui/section/CFigZoomRect.h"
#include "common/ui/section/CFigure.h"
#include "common/ui/section/DrawMode.h"
#include "common/ui/section/GuideIds.h"
#include "common/ui/section/PrintedStyles.h"
#include "common/view/PrintScale.h"
#include "common/view/Viewport.h"
#include "platform/core/CObList.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/CScrollView.h"

#include <memory>
#include <optional>
#include <span>
#include <vector>

class CViewBase : public CScrollView {
    DECLARE_DYNAMIC(CViewBase)
public:
    struct Options {
        double fitTopShare = 0.75;    // share of the spare height above the model after "view all"
        UINT currentAreaButton = 150; // the model-size dialog's "current drawing area" button
        // A selection click looks at ground-surface and measurement points as well as
        // boundary points (each when its selection target is on).
        bool pickEveryPointKind = false;
    };
    // The selection targets (m_nSelectTargets).
    enum SelectTarget { kTargetGround = 0, kTargetLines, kTargetMeasure, kTargetBoundary, kTargetSlipLines };
    // Sub-modes a selection click gives (m_nDrawStep).
    enum PickClass { kPickFree = 10, kPickPoint = 11, kPickLine = 12, kPickSlipLine = 13 };

    explicit CViewBase(const Options& options);
    ~CViewBase() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    // PageUp/PageDown scale, Backspace takes back a continuous line's last vertex, Space
    // toggles snapping to points, Tab in the drawing tools runs the coordinate entry.
    void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) override;
    void OnPaint() override;
    // Until the next zoom, "view all" follows the window's size: a new window takes its final
    // size only once it is laid out, and the fitted picture's scroll bars go after the fit.
    void OnSize(UINT type, int cx, int cy) override;

    // The guide texts (ids 4000-4999 of the program's guide strings, named in GuideIds.h),
    // shown by the main frame.
    void SetGuidePrompt(UINT id);
    virtual void SetGuideTitle(UINT id);
    virtual void MeasureLabelSize();
    // The extent of "1234" in the largest of these label fonts; (0, 0) for none.
    CSize LargestLabelExtent(std::span<const section::NumberStyle> numbers);

    // --- mouse input (CViewBaseMouse.cpp) ---
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    // In a drawing tool the next click only gives the focus; with no figure the tool's
    // prompt and title show again.
    void OnSetFocus(CWnd* oldWnd) override;
    // Starts the figure of the draw mode (MakeFigure) at a logical point; point is the model
    // point when typed, null (or unset) for a click, which is snapped first.
    virtual void CreateDrawFigure(int logicalX, int logicalY, DPoint* point);
    // Commits the active figure and ends it; the snapping tolerance is scaled for the commit
    // while the cursor is over an object and restored on every path.
    virtual void EndDrawFigure(CDocument* document);
    // A point typed in the coordinate entry (metres), with the rule it implies: starts the
    // figure there or adds it. FALSE (after the message) when it lies outside the window.
    BOOL EnterTypedPoint(const DPoint& point, int rule);
    // The model point of the figure's last click; FALSE with no figure.
    BOOL LastFigurePoint(DPoint& point) const;
    void UndoLastFigurePoint();
    virtual void ToggleSnapToPoint();
    bool SnapsToPoints() const { return m_bSnapToPoint; }
    // Chooses a tool: draw mode, point kind (none: unchanged), prompt and title ids
    // (guide::kNone: no title). No tool is kNone with the menu prompt.
    void ChooseTool(section::DrawMode drawMode, std::optional<section::PointKind> pointKind, UINT prompt,
                    UINT title);
    section::DrawMode ChosenTool() const { return m_nDrawMode; }
    // Shows the current tool's prompt again.
    void ShowToolPrompt();
    // Shows the current tool's title again; without one the title line is cleared.
    void ShowToolTitle();
    bool HasToolTitle() const { return m_nGuideTitleId >= 0; }
    // The next press and its release do nothing (a menu choice took the click's place).
    void IgnoreNextClick();
    CFigure* ActiveFigure() const { return m_pFigure.get(); }
    CFigure* ModalFigure() const { return m_pDragFigure.get(); }
    // Makes a figure the modal one: the next left click confirms it, the right click cancels.
    void SetModalFigure(std::unique_ptr<CFigure> figure);
    // Ends the active figure without its result (the view leaves its tool for a table or an
    // import); its band goes with it.
    void DropDrawFigure();

    // What figures produce, passed on to the program's document; the base does nothing.
    // A run of new points joined by lines: non-zero when the lines were renumbered.
    virtual int CommitPointRun(const std::vector<section::FigureVertex>& run);
    // One point of the current point kind.
    virtual void CommitFigurePoint(const section::FigureVertex& point);
    // A position picked for an open table.
    virtual BOOL CommitPick(const section::FigureVertex& point);
    // A selection by mode (CFigRectSelect); FALSE when nothing was done.
    virtual BOOL CommitSelection(int mode, CFigure& figure);

    // --- snapping (CViewBaseSnap.cpp) ---
    // One point a click may snap to: where it is, its key and kind.
    struct SnapPoint {
        double x;
        double y;
        int key;
        section::PointKind kind;
    };
    enum class PointSet { kGround, kMeasure, kBoundary, kAll };
    // Moves a click by the draw mode's rules: onto a point, a line or a slip line, or onto
    // the rule's line through the figure's start. snapped: 0 none, key + 1 of a point,
    // -(key + 1) of a line or slip line; kind: the pick class in the selection tool (else
    // left alone). FALSE refuses the click (after its message).
    BOOL ApplyDrawRules(CPoint& point, DPoint& world, int rule, int& snapped, int& kind);
    // Key + 1 of the nearest point within m_nLimitNewPoint logical units (any distance when
    // forced), the click moved onto it; 0 when none.
    int SnapToNearestPoint(const std::vector<SnapPoint>& points, CPoint& point, bool forced,
                           SnapPoint* found = nullptr);
    // Key + 1 of the line within m_nLimitNewLine logical units, the click moved onto it (on
    // the rule's line); -2 when none is near, -1 when the rule cannot be met on it.
    int SnapToLine(CPoint& point, DPoint& world, int rule);
    // List position + 1 of the nearest displayed slip line within the line distance, else -1.
    int SnapToSlipLine(const CPoint& point);

    // The plane the view draws on: the window's, or a printed page's while it prints.
    const section::Viewport& Plane() const { return m_view; }
    // The model area "view all" fits.
    const section::WorldRange& DrawRange() const { return m_drawRange; }
    // Mapping (see Viewport): an unmappable point is (INT_MIN, INT_MIN).
    CPoint WorldToLogical(double x, double y) const { return m_view.WorldToLogical(x, y); }
    void LogicalToWorld(int lx, int ly, double* x, double* y) const { m_view.LogicalToWorld(lx, ly, x, y); }
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
    // Which window edges a device point lies beyond (8 above, 4 below, 1 left, 2 right); -1
    // when inside, at a corner, or at the same edge as the last call.
    int HitTest(int x, int y);
    // TRUE when a pixel of the 3 x 3 block around the logical point has one of the colours
    // the program draws its objects in (ObjectColours).
    BOOL IsOverObject(CDC* dc, int x, int y) const;

    // The selected objects (the document's).
    CObList& Selection() { return m_listSelect; }
    const CObList& Selection() const { return m_listSelect; }
    // What a selection takes (SelectTarget).
    bool SelectsTarget(SelectTarget target) const { return m_nSelectTargets[target] != 0; }

    // The colours of selected objects, of the tools' rubber bands, and the third colour
    // (marked objects; black on a black-only printout).
    COLORREF SelectColour() const { return m_crSelect; }
    COLORREF GreyColour() const { return m_crGrey; }
    COLORREF RedColour() const { return m_crRed; }
    // Enlarges the triangle mark and the cross mark's diagonals (by the device ratio on paper).
    double MarkWidth() const { return m_dMarkWidth; }

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
    // Lays the active tool's surface (m_bmScreen) over a repaint, so that its band survives it.
    void PaintToolSurface(CDC* dc);

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
    // How the page being printed copies the window (the default scale while the window paints).
    const section::PrintScale& Printing() const { return printing_; }
    // From the first to the second, the view draws a printed page (section::PrintedLook): the
    // page's plane from the window's top-left corner (scroll position), marks grown by the
    // device ratio, the third colour black in black-only printing. The second gives the window
    // its own look back.
    void BeginPrintedPage(const section::PrintScale& scale, CPoint scrollPosition, bool monochrome);
    void EndPrintedPage();

protected:
    // The point kind the tool makes or last picked.
    section::PointKind ToolPointKind() const { return m_nPointKind; }
    UINT ToolPrompt() const { return static_cast<UINT>(m_nGuidePromptId); }
    // The tool stays; its prompt becomes this one and shows.
    void ChangeToolPrompt(UINT prompt);
    void SetSelectTarget(SelectTarget target, bool on) { m_nSelectTargets[target] = on ? 1 : 0; }
    // The document's model changed under the view: until the next fit nothing is fitted.
    void ForgetDrawRange() { m_drawRange = section::WorldRange::Unset(); }
    // While a point is typed in the coordinate entry the mouse buttons do nothing.
    void SetTypingPoint(bool typing) { m_nInputLock = typing ? 1 : 0; }

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
    // True while a drawing tool has a figure in progress: no scale step is taken then.
    virtual bool IsToolActive() const { return m_pFigure != nullptr; }
    // The program's figure for a draw mode, set up; null for a mode without one.
    virtual std::unique_ptr<CFigure> MakeFigure(section::DrawMode drawMode);
    // The points of a set that clicks snap to (only points shown and in use).
    virtual std::vector<SnapPoint> DocSnapPoints(PointSet set) const;
    // The nearest line the point lies beside: its key, squared distance and ends; false
    // when there is none.
    virtual bool DocNearestLine(double x, double y, int& key, double& squaredDistance, DPoint& a,
                                DPoint& b) const;
    virtual void DocStoreLineKind(int key, SegmentKind kind);
    // The same-point distance (metres) and the squared distance used while committing.
    virtual double DocSamePointDistance() const;
    virtual double DocSquaredSnap() const;
    virtual void DocSetSquaredSnap(double value);
    // The displayed slip lines as polylines in list order.
    virtual std::vector<std::vector<DPoint>> DocSlipLines() const;
    virtual void DocSetModified();
    // Tab in a drawing tool: the coordinate entry; the base has none.
    virtual void OnTabEntry();

private:
    void Fit(const double* extent, int margin);
    void FitInitialFrame();
    CSize ClientSize() const;
    // Device-pixel rectangle around a logical point, back in logical units.
    CRect DeviceBox(CDC* dc, CPoint point, int left, int top, int right, int bottom) const;

    // The band: erased at the last rubber point and drawn at to, on the window and its
    // surface; to null only erases.
    void MoveBand(const CPoint* to);
    // Erases all a figure left, drops the surface, repaints where XOR cannot restore.
    void EraseFigure(const CFigure& figure);
    CPoint ToLogical(CPoint device);
    // The model coordinates under the pointer go to the status bar.
    void ShowCursorPosition(CPoint device);
    void UpdateRule(UINT flags, CPoint& point);
    void SetToolCursor();
    bool CreateSurface();
    BOOL SnapPick(CPoint& point, DPoint& world, int& snapped, int& kind);
    BOOL SnapRuled(CPoint& point, DPoint& world, int rule, int& snapped, section::PointKind kind,
                   bool applySwitch);
    void FinishModal(BOOL commit);
    void EndZoomWindow(CPoint logical);
    bool InsideClient(const CPoint& logical);

    // The ignore-next-click state: armed by the focus, it swallows one press and its release.
    enum class SkipClick { kNone, kArmed, kSwallowing };
    // What a printed page changes, kept for the window.
    struct WindowLook {
        section::Viewport plane;
        double markWidth;
        COLORREF third;
    };

    section::Viewport m_view;
    section::WorldRange m_drawRange; // the model area "view all" fits
    section::WorldRange m_modelSize; // set with the model-size dialog; unset when none
    // The chosen tool (DrawMode.h).
    section::DrawMode m_nDrawMode = section::DrawMode::kNone;
    int m_nDrawStep = 0; // the sub-mode; a selection click's pick class above 9
    section::PointKind m_nPointKind = section::PointKind::kGround; // the point tools' kind
    int m_nConstraint = 0;                                         // the rule state (CFigure::Rule)
    int m_nSelectTargets[5] = {0, 0, 0, 1, 1};                     // what a selection takes (SelectTarget)
    CObList m_listSelect;                                          // selected objects (the document's)
    int m_nGuidePromptId = section::guide::kMenuPrompt;            // the current tool's prompt and title
    int m_nGuideTitleId = -1;
    int m_nInputLock = 0;        // set around the keyboard entry of a point
    bool m_bOnItem = false;      // the cursor is over a drawn object
    bool m_bDblClick = false;    // a double click ends the figure at the next release
    bool m_bSnap = false;        // snapping armed (a tool started)
    bool m_bSnapToPoint = false; // drawing clicks always snap, at any distance
    double m_dLastX = 0.0;       // model point of the last accepted click
    double m_dLastY = 0.0;
    CBitmap m_bmScreen;                       // the tool's band, laid over repaints with AND
    COLORREF m_crSelect = RGB(192, 192, 192); // selected objects
    COLORREF m_crGrey = RGB(128, 128, 128);   // rubber bands of the tools
    COLORREF m_crRed = RGB(255, 0, 0);
    double m_dMarkWidth = 1.0; // enlarges the triangle mark
    int m_nLimitNewPoint = 3;  // snapping distances in logical units
    int m_nLimitNewLine = 3;
    int m_nLastEdge = 0;

    Options options_;
    section::PrintScale printing_;
    std::optional<WindowLook> windowLook_; // set while a page prints
    bool fitFollowsSize_ = false;
    std::unique_ptr<CFigure> m_pFigure;
    std::unique_ptr<CFigure> m_pDragFigure;
    std::unique_ptr<CFigZoomRect> zoomFigure_;
    SkipClick skipClick_ = SkipClick::kNone;
    CPoint lastRubber_;
    bool hasLastRubber_ = false;   // no band is drawn yet: nothing to erase
    bool bandOverPainted_ = false; // the window was repainted under a band
};
