// The menu bars word for word as kept: every text, id, key and place, with and without an
// analysis open; no menu repeats a mnemonic letter but where the labels as given repeat it.

#include "analysis/app/TorvanMenu.h"

#include "platform/core/RecordingSink.h"
#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvan {
namespace {

TEST(TorvanMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    const std::string outline =
        testsupport::MenuBarsOutline({{"no document", BuildMainMenu}, {"document", BuildDocumentMenu}});
    testsupport::ExpectKeptOutline(outline, VERRANT_TEST_DATA_DIR "/menu_bars.txt");
    const std::vector<std::string> givenRepeats = {
        platform::Utf8(u8"[document] > 表示(&V): &S on ｽﾃｰﾀｽﾊﾞｰ(&S) and 縮尺の1%縮小(&S)\tPageUp"),
    };
    EXPECT_EQ(testsupport::MenuKeyClashes(outline), givenRepeats);
}

} // namespace
} // namespace torvan
