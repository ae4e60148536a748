#pragma once
// The plane of a scaled section view without a window: model metres (y upwards) to logical
// window units (y downwards) and back, the scales that fit an extent into a client area,
// "view all" and zooming to an extent about a centre. The screen view, printing and preview
// share one instance's numbers; the window side only applies the scroll sizes and positions
// that the operations return.
//
// Mapping: lx = (x - m_dLpDocOrgX) * m_dScaleX - m_dOffsetX, ly = (m_dLpDocOrgY - y) * m_dScaleY -
// m_dOffsetY. m_dScaleY = m_dScaleX * m_dAspect (the vertical exaggeration); m_dScaleXY is the mean
// of both and turns model distances into logical distances. The numbers change only through the
// operations below, each of which keeps these rules (the fit scales keep them too).

#include "common/geometry/DPoint.h"
#include "platform/core/CPoint.h"

namespace section {

// A model area in metres.
struct WorldRange {
    double xmin;
    double xmax;
    double ymin;
    double ymax;

    static WorldRange Unset();
    bool IsUnset() const;
};

class Viewport {
public:
    // Logical sizes a zoom may give the scroll area (both axes).
    static constexpr int kLargestTotal = 100000;
    static constexpr int kSmallestTotal = 50;

    // topShare: the part of the spare height that "view all" leaves above the model (the rest
    // lies below it); each program chooses its own. aspect: the vertical exaggeration (y scale /
    // x scale), fixed for the plane's life.
    explicit Viewport(double topShare, double aspect = 1.0);

    // An unset x or y takes the origin's value. A result outside the int range on either axis
    // gives the unset point (INT_MIN, INT_MIN), which callers skip.
    CPoint WorldToLogical(double x, double y) const;
    void LogicalToWorld(int lx, int ly, double* x, double* y) const;
    static bool IsUnsetPoint(const CPoint& point);

    // The scales that fit an extent of width x height metres (0 counts as 1) into a client of
    // clientWidth x clientHeight pixels, leaving 2 * client / marginDiv free on each axis
    // (no margin for a divisor of 0).
    void FitScales(int clientWidth, int clientHeight, double width, double height, int marginDivX,
                   int marginDivY);

    // "View all": fits width x height with range's left and top as anchor, centred across and
    // with topShare of the spare height above. Offsets are cleared; the fit scales and the
    // world size shown at them are kept. Returns the scroll size (the client size).
    CSize FitAll(int clientWidth, int clientHeight, double width, double height, const WorldRange& range,
                 int marginDiv);

    enum class ZoomOutcome { kZoomed, kTooLarge, kTooSmall, kNoCentre };
    struct ZoomResult {
        ZoomOutcome outcome = ZoomOutcome::kNoCentre;
        CSize total;          // the new scroll size
        bool scrolls = false; // true: scroll to scrollTo; false: the offsets moved instead
        CPoint scrollTo;
    };
    // Shows width x height metres about centre (margin in pixels on every side). Showing less
    // than "view all" makes the fitted area scrollable at the new scale; showing more moves the
    // logical origin instead. Outside the size limits the scales stay as they were.
    ZoomResult ZoomTo(int clientWidth, int clientHeight, double width, double height, const DPoint* centre,
                      int margin);

    // The extent that a scale step about the window centre shows: the client's logical size
    // divided by the scales grown (or shrunk) by the steps.
    void StepExtent(bool enlarge, double stepX, double stepY, int logicalWidth, int logicalHeight,
                    double& width, double& height) const;

    // The model point (x, y) comes to logical (0, 0): the origin moves there and the offsets
    // are cleared; the scales stay.
    void StartAt(double x, double y);
    // Every scale set, the fit scales too, grows by factor; the picture keeps its proportions.
    void Magnify(double factor);

    // The scroll size last returned.
    CSize Total() const { return total_; }

    double Aspect() const { return m_dAspect; }
    // Model coordinates of the logical origin.
    double OriginX() const { return m_dLpDocOrgX; }
    double OriginY() const { return m_dLpDocOrgY; }
    // Pixels per metre: across, down and their mean; the mean of the last fit.
    double ScaleX() const { return m_dScaleX; }
    double ScaleY() const { return m_dScaleY; }
    double ScaleXY() const { return m_dScaleXY; }
    double FitScaleXY() const { return m_dFitScaleXY; }
    // The logical offset subtracted after scaling (the pan of a zoom out).
    double OffsetX() const { return m_dOffsetX; }
    double OffsetY() const { return m_dOffsetY; }

private:
    double m_dAspect; // vertical exaggeration: y scale / x scale
    double m_dLpDocOrgX;
    double m_dLpDocOrgY;
    double m_dScaleXY;
    double m_dScaleX;
    double m_dScaleY;
    double m_dFitScaleXY;
    double m_dFitScaleX;
    double m_dFitScaleY;
    double m_dOffsetX = 0.0; // logical offset subtracted after scaling (the pan of a zoom out)
    double m_dOffsetY = 0.0;
    double m_dWorldW; // metres shown at the fit scales
    double m_dWorldH;
    double topShare_;
    CSize total_;
};

} // namespace section
