#pragma once
// One item of a drawing page. Coordinates, sizes and text heights are integers in tenths of
// a millimetre of paper, y upwards, 32 bits wide everywhere (the figure file stores them as
// ints as well). Items hold data only: the renderer and the DXF export switch on the type.

#include "PlotItemPool.h"
#include "platform/core/CObject.h"
#include "platform/core/CPoint.h"

#include <memory>

namespace zapho {

class BufferedBinaryFile;

// Type codes as the figure file stores them.
enum PlotItemType : int {
    kPlotNone = -1,
    kPlotLine = 1,
    kPlotPolyLine = 2,
    kPlotArrow = 3,
    kPlotCenterMark = 4,
    kPlotString = 5,
    kPlotCircle = 6,
    kPlotRectAngle = 7,
    kPlotPolygon = 8,
};

// A polygon fill number meaning "no fill".
inline constexpr int kNoFill = 0x7FFFFFFF;

class CPlotData : public CObject {
public:
    CPlotData() = default;
    explicit CPlotData(int type) : m_nType(type) {}

    // The item's own fields in the figure file's form; a read failure throws CFileException.
    virtual void ReadFromFile(BufferedBinaryFile&) {}
    virtual void WriteToFile(BufferedBinaryFile&) const {}

    // Items live in the item pool (PlotItemPool.h); a delete through a CPlotData pointer
    // passes the item's own size.
    static void* operator new(std::size_t bytes) { return PlotItemPool::Allocate(bytes); }
    static void operator delete(void* item, std::size_t bytes) noexcept {
        PlotItemPool::Release(item, bytes);
    }

    int m_nType = kPlotNone;
    int m_nColor = 0; // 0..15 standard colour
    int m_nGroup = 0;
};

// A default-constructed item of a drawing-list type code (1-4, 6-8); null for any other code.
std::unique_ptr<CPlotData> CreatePlotItem(int type);

} // namespace zapho
