// The menu bars word for word as kept: every text, id, key and place, with and without an
// analysis open.

#include "analysis/app/TorvanMenu.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>

namespace torvan {
namespace {

TEST(TorvanMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    testsupport::ExpectKeptOutline(
        testsupport::MenuBarsOutline({{"no document", BuildMainMenu}, {"document", BuildDocumentMenu}}),
        VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace torvan
