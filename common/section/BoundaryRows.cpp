#include "common/section/BoundaryRows.h"

#include "platform/core/MessageSink.h"

namespace section {

namespace {

bool ValidFlag(int flag) {
    return !platform::IsUnsetInt(flag) && flag >= 0 && flag <= 2;
}

} // namespace

BOOL RefuseRow(const char8_t* format, int number) {
    CString message;
    message.Format(format, number);
    AfxMessageBox(message);
    return FALSE;
}

BOOL CheckBoundaryRowFields(const CoordinateRow& row, int position) {
    if (platform::IsUnsetDouble(row.x) || (row.flag == 0 && platform::IsUnsetDouble(row.y))) {
        return RefuseRow(u8"番号 %d の座標が未入力です !!", position);
    }
    if (!ValidFlag(row.flag)) {
        return RefuseRow(u8"番号 %d のﾌﾗｸﾞが未入力です !!", position);
    }
    return TRUE;
}

BOOL CheckBoundaryRowRange(const CoordinateRow& row, int position, double minX, double maxX) {
    const bool rangeSet = !platform::IsUnsetDouble(minX) && !platform::IsUnsetDouble(maxX);
    if (rangeSet && (row.x < minX || row.x > maxX)) {
        return RefuseRow(u8"指定点 %d のX座標値がﾓﾃﾞﾙ範囲外です !!", position);
    }
    return TRUE;
}

BOOL CheckBoundaryKindCounts(const std::vector<CoordinateRow>& rows) {
    int counts[3] = {0, 0, 0};
    for (const CoordinateRow& row : rows) {
        if (ValidFlag(row.flag)) {
            ++counts[row.flag];
        }
    }
    if (counts[1] >= 2) {
        return RefuseRow(u8"左地表境界点の定義数ｴﾗｰ ( %d 個) !!", counts[1]);
    }
    if (counts[2] >= 2) {
        return RefuseRow(u8"右地表境界点の定義数ｴﾗｰ ( %d 個) !!", counts[2]);
    }
    if (counts[0] >= 2) {
        return RefuseRow(u8"地中境界点の定義数ｴﾗｰ ( %d 個) !!", counts[0]);
    }
    return TRUE;
}

} // namespace section
