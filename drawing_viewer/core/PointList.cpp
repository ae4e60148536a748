#include "PointList.h"

#include "PlotData.h"
#include "common/records/BinaryFile.h"
#include "platform/core/CFileException.h"

namespace zapho {

void ReadPointList(CBinaryFile& file, std::vector<CPoint>& points) {
    int count = 0;
    file.ReadInt(count);
    if (count < 0) {
        AfxThrowFileException(CFileException::genericException, -1, file.GetFilePath());
    }
    points.clear();
    for (int i = 0; i < count; ++i) {
        points.push_back(ReadPoint(file));
    }
}

void WritePointList(CBinaryFile& file, const std::vector<CPoint>& points) {
    file.WriteInt(static_cast<int>(points.size()));
    for (CPoint point : points) {
        WritePoint(file, point);
    }
}

} // namespace zapho
