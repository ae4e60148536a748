#pragma once
// The coordinate-entry dialog (template 128, "座標値入力") that Tab opens while a drawing tool is
// active: X and Y in metres, either of them optional while a figure is in progress, relative to
// the previous point when asked, or instead the number of an existing ground-surface point.

#include "common/geometry/DPoint.h"
#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "common/ui/section/DrawMode.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

#include <functional>

class CCoordInputDlg : public CDialog {
    DECLARE_DYNAMIC(CCoordInputDlg)
public:
    enum : UINT { kTemplateId = 128, kPrompt = 109, kX = 120, kY = 121, kPointNumber = 181 };
    // relativeCheck: the id of the check box "直前の点との相対位置入力を有効にする".
    CCoordInputDlg(UINT relativeCheck, CWnd* parent);

    // Where a typed point number and a typed ground-surface boundary point lie: the
    // ground-surface point of a number, and the crossing of the ground-surface line with the
    // vertical through x nearest to (x, y), y unset when not typed. Each false when there is
    // none.
    struct PointSources {
        std::function<bool(int number, DPoint& point)> groundPoint;
        std::function<bool(double x, double y, DPoint& point)> surfaceCrossing;
    };

    // Readies the dialog for the next point of a tool: previous is the figure's last point
    // (null before the first point), relative the switch as last time. The boundary point
    // tools' fields differ: those on the ground surface take X alone and no point number,
    // the underground one takes no point number.
    void PrepareEntry(const DPoint* previous, BOOL relative, section::DrawMode toolMode);
    // The model point the answer gives and the rule it implies: within a figure an empty X
    // keeps the previous x (vertical, 2) and an empty Y the previous y (horizontal, 1). False,
    // after its message, when the answer names no point: an unknown point number, or a
    // ground-surface boundary point whose vertical meets no ground-surface line.
    bool TypedPoint(const DPoint* previous, const PointSources& sources, DPoint& point, int& rule) const;

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strPrompt; // the previous point's coordinates, or empty
    BOOL m_bRelative = FALSE;
    BOOL m_bFirstPoint = FALSE; // no previous point: no relative entry
    section::DrawMode m_nToolMode = section::DrawMode::kNone;
    // The point number is offered for the boundary point tools too (the analysis program's).
    BOOL m_bNumberForBoundaryTools = FALSE;
    double m_dX = platform::kUnsetDouble;     // out
    double m_dY = platform::kUnsetDouble;     // out
    int m_nPointNumber = platform::kUnsetInt; // out: above 0 when a point number was given

protected:
    void CreateControls() override;

private:
    bool ReadCoordinates();

    UINT relativeCheck_;
    CRealEdit xEdit_;
    CRealEdit yEdit_;
    CIntegerEdit numberEdit_;
};
