// The menu bars word for word as kept: every text, id, key and place, with and without a
// section open.

#include "section_editor/app/MerdokMenu.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>

namespace merdok {
namespace {

TEST(MerdokMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    testsupport::ExpectKeptOutline(
        testsupport::MenuBarsOutline({{"no document", BuildMainMenu}, {"document", BuildDocumentMenu}}),
        VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace merdok
