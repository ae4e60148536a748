#include "CPlotString.h"

#include "BufferedBinaryFile.h"

#include <algorithm>
#include <cmath>

namespace zapho {

void CPlotString::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_x, m_y);
    file.ReadString(m_text);
    file.ReadInts(m_nOpaque, m_nFont, m_nAlign, m_nEscapement);
}

void CPlotString::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_x, m_y);
    file.WriteString(m_text);
    file.WriteInts(m_nOpaque, m_nFont, m_nAlign, m_nEscapement);
}

namespace {

// Sine and cosine of the turn; the quarter turns exactly.
void TurnFactors(int escapement, double& sine, double& cosine) {
    switch (escapement) {
    case 2700:
        sine = 1.0, cosine = 0.0;
        return;
    case 1800:
        sine = 0.0, cosine = -1.0;
        return;
    case 900:
        sine = -1.0, cosine = 0.0;
        return;
    default: {
        // Whole degrees, as the boxes of existing drawings were always measured.
        double radians = (360 - escapement / 10) / 57.2957795; // NOLINT(bugprone-integer-division)
        sine = std::sin(radians);
        cosine = std::cos(radians);
    }
    }
}

} // namespace

std::array<CPoint, 4> CPlotString::BoxCorners(int x, int y) const {
    const long long w = m_nTextWidth;
    const long long h = m_nTextHeight;
    long long left = x;
    long long right = x + w;
    if ((m_nAlign & kAlignCentre) == kAlignCentre) {
        left = x - w / 2;
        right = x + w / 2;
    } else if (m_nAlign & kAlignRight) {
        left = x - w;
        right = x;
    }
    const bool bottomAnchored = (m_nAlign & kAlignBottom) != 0;
    const long long top = bottomAnchored ? y + h : y;
    const long long bottom = bottomAnchored ? y : y - h;
    const long long xs[4] = {left, right, right, left};
    const long long ys[4] = {top, top, bottom, bottom};
    std::array<CPoint, 4> corners;
    double sine = 0.0;
    double cosine = 1.0;
    if (m_nEscapement != 0) {
        TurnFactors(m_nEscapement, sine, cosine);
    }
    for (int i = 0; i < 4; ++i) {
        double dx = static_cast<double>(xs[i] - x);
        double dy = static_cast<double>(ys[i] - y);
        corners[i] = CPoint(static_cast<int>(x + dx * cosine - dy * sine),
                            static_cast<int>(y + dx * sine + dy * cosine));
    }
    return corners;
}

CRect CPlotString::BoundingRect(int x, int y) const {
    auto corners = BoxCorners(x, y);
    CRect rect(corners[0].x, corners[0].y, corners[0].x, corners[0].y);
    for (const CPoint& corner : corners) {
        rect.left = std::min(rect.left, corner.x);
        rect.right = std::max(rect.right, corner.x);
        rect.top = std::min(rect.top, corner.y);
        rect.bottom = std::max(rect.bottom, corner.y);
    }
    return rect;
}

} // namespace zapho
