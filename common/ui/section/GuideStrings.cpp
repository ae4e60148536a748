#include "common/ui/section/GuideStrings.h"

#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/SectionCommands.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

namespace section {

namespace {

std::map<UINT, CString>& Strings() {
    static std::map<UINT, CString> strings;
    return strings;
}

// At most the guide text's bytes, never half a double-byte character.
CString Limited(const CString& text) {
    const std::string& bytes = text.str();
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t length = platform::Cp932CharLength(bytes, end);
        if (end + length > static_cast<std::size_t>(kGuideTextBytes)) {
            break;
        }
        end += length;
    }
    return CString(bytes.substr(0, end));
}

} // namespace

std::span<const GuideString> SharedGuideStrings() {
    using namespace guide;
    static constexpr GuideString kShared[] = {
        {kMenuPrompt, u8">ﾒﾆｭｰ選択"},
        {kLineTitle, u8"描画(D) 地表線(L)"},
        {kLinePrompt, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {kLineNextPrompt, u8">次の点をｸﾘｯｸ  [TAB]座標  [+SHIFT]水平鉛直"},
        {kPolylineTitle, u8"描画(D) 連続地表線(G)"},
        {kPolylinePrompt, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {kPolylineNextPrompt,
         u8">次の点をｸﾘｯｸ  [TAB]座標  [右ｸﾘｯｸ]確定  [+SHIFT]水平鉛直  [+CTRL]閉じる [BS]戻る"},
        {kGroundPointTitle, u8"描画(D) 地表点(N)"},
        {kGroundPointPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kMeasurePointTitle, u8"描画(D) 計測点(K)"},
        {kMeasurePointPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kInnerBoundPointTitle, u8"描画(D) 地中境界点(B)"},
        {kInnerBoundPointPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kLeftBoundPointTitle, u8"描画(D) 左地表境界点(L)"},
        {kSurfaceBoundPointPrompt, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {kSelectTitle, u8"編集(E) 選択(S)"},
        {kSelectPrompt, u8">選択対象(又は囲む矩形の隅点)をｸﾘｯｸ"},
        {kSelectNextPrompt, u8">選択対象を囲む矩形の対角点をｸﾘｯｸ  [右ｸﾘｯｸ]中止"},
        {kConfirmPrompt, u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ"},
        {kReturnPrompt, u8">確認後、戻るをｸﾘｯｸ"},
    };
    return kShared;
}

void RegisterProgramGuideStrings(std::span<const GuideString> own) {
    std::map<UINT, CString> table;
    for (std::span<const GuideString> strings : {SharedGuideStrings(), own}) {
        for (const auto& [id, text] : strings) {
            table[id] = CString(text);
        }
    }
    RegisterGuideStrings(std::move(table));
}

void RegisterGuideStrings(std::map<UINT, CString> strings) {
    Strings() = std::move(strings);
}

CString LoadGuideString(UINT id) {
    if (id < kFirstGuideId || id > kLastGuideId) {
        return CString();
    }
    auto found = Strings().find(id);
    return found == Strings().end() ? CString() : Limited(found->second);
}

void SendToMainFrame(UINT id) {
    if (CWnd* main = AfxGetMainWnd()) {
        main->RouteCommand(id);
    }
}

void SetGuidePrompt(UINT id) {
    ProcessGuideTexts().prompt = LoadGuideString(id);
    SendToMainFrame(ID_SHOW_GUIDE_PROMPT);
}

void SetGuideTitle(UINT id) {
    ProcessGuideTexts().title = LoadGuideString(id);
    SendToMainFrame(ID_SHOW_GUIDE_TITLE);
}

void SetCursorPosition(double x, double y) {
    ProcessGuideTexts().cursorX = x;
    ProcessGuideTexts().cursorY = y;
    SendToMainFrame(ID_SHOW_CURSOR_POS);
}

} // namespace section
