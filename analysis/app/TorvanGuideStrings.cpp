#include "analysis/app/TorvanGuideStrings.h"

#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideStrings.h"

namespace torvan {

// Beside the texts both section programs show (section::SharedGuideStrings).
void RegisterTorvanGuideStrings() {
    using namespace section::guide;
    static constexpr section::GuideString kOwn[] = {
        {kAnalysisGroundPointNextPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kAnalysisMeasurePointNextPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kAnalysisInnerBoundPointNextPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kAnalysisSurfaceBoundPointPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kAnalysisRightBoundPointTitle, u8"描画(D) 右地表境界点(R)"},
        {kAnalysisHorizontalLineTitle, u8"描画(D) 水平線(H)"},
        {kAnalysisHorizontalLinePrompt, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {kAnalysisHorizontalLineNextPrompt, u8">次の点をｸﾘｯｸ  [TAB]座標"},
        {kAnalysisVerticalLineTitle, u8"描画(D) 鉛直線(V)"},
        {kAnalysisVerticalLinePrompt, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {kAnalysisVerticalLineNextPrompt, u8">次の点をｸﾘｯｸ  [TAB]座標"},
        {kAnalysisBlockLineTitle, u8"ﾌｧｲﾙ（F) すべり線生成(S)"},
        {kAnalysisBlockLinePrompt, u8">ﾌﾞﾛｯｸ線指定位置でｸﾘｯｸ"},
    };
    section::RegisterProgramGuideStrings(kOwn);
}

} // namespace torvan
