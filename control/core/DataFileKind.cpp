#include "control/core/DataFileKind.h"

namespace basnev {

const DataFileKindInfo& KindInfo(int kind) {
    static const DataFileKindInfo kinds[] = {
        {{"PENDAR001"}, "", "*.hor", u8"平面ﾃﾞｰﾀ(*.hor) |*.hor|全てのﾌｧｲﾙ(*.*) |*.*||", u8"平面ﾃﾞｰﾀﾌｧｲﾙ設定"},
        {{"MERDOK001"},
         ".sec",
         "*.sec",
         u8"断面ﾃﾞｰﾀ(*.sec) |*.sec|全てのﾌｧｲﾙ(*.*) |*.*||",
         u8"断面ﾃﾞｰﾀﾌｧｲﾙ設定"},
        {{"GOLMIR001"},
         ".dis",
         "*.dis",
         u8"計測ﾃﾞｰﾀ(*.dis) |*.dis|全てのﾌｧｲﾙ(*.*) |*.*||",
         u8"計測ﾃﾞｰﾀﾌｧｲﾙ設定"},
        {{"TORVAN002", "TORVAN001"},
         ".slo",
         "*.slo",
         u8"解析結果(*.slo) |*.slo|全てのﾌｧｲﾙ(*.*) |*.*||",
         u8"解析ﾌｧｲﾙ設定"},
    };
    return kinds[(kind >= 0 && kind <= 3) ? kind : 0];
}

} // namespace basnev
