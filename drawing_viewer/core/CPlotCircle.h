#pragma once
// A circle, or the arc of it from the arc start point to the arc end point. Both arc
// points unset (INT_MIN, INT_MIN) mean the full circle.

#include "CPlotData.h"

#include "platform/core/Unset.h"

namespace zapho {

class CPlotCircle : public CPlotData {
public:
    CPlotCircle() : CPlotData(kPlotCircle) {}
    CPlotCircle(CPoint centre, int radius, int lineType, int widthCode)
        : CPlotData(kPlotCircle), m_centre(centre), m_nRadius(radius), m_nWidth(widthCode),
          m_nLineType(lineType) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    bool IsFullCircle() const;

    CPoint m_arcStart{platform::kUnsetInt, platform::kUnsetInt};
    CPoint m_arcEnd{platform::kUnsetInt, platform::kUnsetInt};
    CPoint m_centre;
    int m_nRadius = 0;
    int m_nWidth = 1;
    int m_nLineType = 0;
};

} // namespace zapho
