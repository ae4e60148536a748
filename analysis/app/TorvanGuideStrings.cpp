#include "analysis/app/TorvanGuideStrings.h"

#include "common/ui/section/GuideStrings.h"

namespace torvan {

// A tool's prompt id + 1 is its prompt once its figure has started (a point tool's figure
// ends with its click, so it asks the same again).
void RegisterTorvanGuideStrings() {
    const std::pair<UINT, const char8_t*> strings[] = {
        {4000, u8">ﾒﾆｭｰ選択"},
        {4004, u8"描画(D) 地表線(L)"},
        {4005, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4006, u8">次の点をｸﾘｯｸ  [TAB]座標  [+SHIFT]水平鉛直"},
        {4007, u8"描画(D) 連続地表線(G)"},
        {4008, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4009, u8">次の点をｸﾘｯｸ  [TAB]座標  [右ｸﾘｯｸ]確定  [+SHIFT]水平鉛直  [+CTRL]閉じる [BS]戻る"},
        {4035, u8"描画(D) 地表点(N)"},
        {4036, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4037, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4038, u8"描画(D) 計測点(K)"},
        {4039, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4040, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4041, u8"描画(D) 地中境界点(B)"},
        {4042, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4043, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4044, u8"描画(D) 左地表境界点(L)"},
        {4045, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4046, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4047, u8"描画(D) 右地表境界点(R)"},
        {4048, u8"編集(E) 選択(S)"},
        {4049, u8">選択対象(又は囲む矩形の隅点)をｸﾘｯｸ"},
        {4050, u8">選択対象を囲む矩形の対角点をｸﾘｯｸ  [右ｸﾘｯｸ]中止"},
        {4051, u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ"},
        {4054, u8"描画(D) 水平線(H)"},
        {4055, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4056, u8">次の点をｸﾘｯｸ  [TAB]座標"},
        {4057, u8"描画(D) 鉛直線(V)"},
        {4058, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4059, u8">次の点をｸﾘｯｸ  [TAB]座標"},
        {4060, u8">確認後、戻るをｸﾘｯｸ"},
        {4061, u8"ﾌｧｲﾙ（F) すべり線生成(S)"},
        {4062, u8">ﾌﾞﾛｯｸ線指定位置でｸﾘｯｸ"},
    };
    std::map<UINT, CString> table;
    for (const auto& [id, text] : strings) {
        table[id] = CString(text);
    }
    section::RegisterGuideStrings(std::move(table));
}

} // namespace torvan
