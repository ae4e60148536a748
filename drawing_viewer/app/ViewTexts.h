#pragma once
// The guidance texts the view shows in the message pane while a mode runs.

namespace zapho {

inline constexpr char8_t kPromptStringInput[] = u8">文字を入力する位置でｸﾘｯｸ (文字上でｸﾘｯｸすると変更となる)";
inline constexpr char8_t kPromptStringSelect[] =
    u8">選択する文字上でｸﾘｯｸ (移動の場合は、既選択の文字上でﾄﾞﾗｯｸﾞを開始する)";
inline constexpr char8_t kPromptRangeCorner[] = u8">外部貼り付け矩形領域の隅点をｸﾘｯｸ   [TAB]座標";
inline constexpr char8_t kPromptRangeOpposite[] =
    u8">外部貼り付け矩形領域の対角点をｸﾘｯｸ   [TAB]座標   [右ｸﾘｯｸ]中止";
inline constexpr char8_t kPromptConfirm[] = u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ";

} // namespace zapho
