#include "section_editor/core/EditSettings.h"

#include "platform/core/Unset.h"

namespace merdok {

EditSettings::Field EditSettings::Check(CString& message) const {
    for (int i = 0; i < 3; ++i) {
        if (platform::IsUnsetInt(limits[i]) || limits[i] < kLowestLimit || limits[i] > kHighestLimit) {
            message.Format(u8"%d から %d までの整数を入力して下さい。", kLowestLimit, kHighestLimit);
            return static_cast<Field>(kNodeLimit + i);
        }
    }
    if (platform::IsUnsetDouble(distance) || platform::IsUnsetDouble(angle)) {
        message = CString(u8"生成基準値が未入力です");
        return platform::IsUnsetDouble(distance) ? kDistance : kAngle;
    }
    // Two points at a distance of 0 or less would never be one, and the settings file
    // would not keep such a value.
    if (distance <= 0.0) {
        message = CString(u8"既存点からの距離は 0 より大きい値を入力して下さい");
        return kDistance;
    }
    if (angle < 0.0 || angle >= 1.0) {
        message = CString(u8"線の傾きの範囲は (0≦α＜1.000)");
        return kAngle;
    }
    message.Empty();
    return kNoField;
}

} // namespace merdok
