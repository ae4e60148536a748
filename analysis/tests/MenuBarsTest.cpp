// The menu bars word for word as kept: every text, id, key and place, with and without an
// analysis open.

#include "analysis/TorvanMenu.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>

namespace torvan {
namespace {

TEST(TorvanMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    CMenu main;
    BuildMainMenu(main);
    CMenu document;
    BuildDocumentMenu(document);
    testsupport::ExpectKeptOutline("[no document]\n" + testsupport::MenuOutline(main) + "[document]\n" +
                                       testsupport::MenuOutline(document),
                                   VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace torvan
