// The menu bars word for word as kept: every text, id, key and place, with and without a
// section open; no menu repeats a mnemonic letter but where the labels as given repeat it.

#include "section_editor/app/MerdokMenu.h"

#include "platform/core/RecordingSink.h"
#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace merdok {
namespace {

TEST(MerdokMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    const std::string outline =
        testsupport::MenuBarsOutline({{"no document", BuildMainMenu}, {"document", BuildDocumentMenu}});
    testsupport::ExpectKeptOutline(outline, VERRANT_TEST_DATA_DIR "/menu_bars.txt");
    using platform::Utf8;
    const std::vector<std::string> givenRepeats = {
        Utf8(u8"[document] > 編集(&E): &S on 選択(&S) and 計測点座標入力(&S)..."),
        Utf8(u8"[document] > 描画(&D): &L on 単線(&L) and 左地表境界点(&L)"),
        Utf8(u8"[document] > 表示(&V): &S on ｽﾃｰﾀｽﾊﾞｰ(&S) and 縮尺の1%縮小(&S)\tPageUp"),
    };
    EXPECT_EQ(testsupport::MenuKeyClashes(outline), givenRepeats);
}

} // namespace
} // namespace merdok
