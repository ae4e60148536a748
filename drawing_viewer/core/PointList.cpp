#include "PointList.h"

#include "BufferedBinaryFile.h"
#include "CPlotData.h"
#include "platform/core/CFileException.h"

namespace zapho {

void ReadPointList(BufferedBinaryFile& file, std::vector<CPoint>& points) {
    int count = 0;
    file.ReadInt(count);
    if (count < 0) {
        AfxThrowFileException(CFileException::genericException, -1, file.GetFilePath());
    }
    points.clear();
    for (int i = 0; i < count; ++i) {
        points.push_back(file.ReadPoint());
    }
}

void WritePointList(BufferedBinaryFile& file, const std::vector<CPoint>& points) {
    file.WriteInt(static_cast<int>(points.size()));
    for (CPoint point : points) {
        file.WritePoint(point);
    }
}

} // namespace zapho
