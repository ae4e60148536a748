// The menu bars word for word as kept: every text, id, key and place, with no list open, with a
// result list and with a log.

#include "list_viewer/app/MenuBuilder.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wenux {
namespace {

TEST(WenuxMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    const std::string outline =
        testsupport::MenuBarsOutline({{"no document", BuildNoDocumentMenu},
                                      {"result list", [](CMenu& bar) { BuildDocumentMenu(bar, true); }},
                                      {"log", [](CMenu& bar) { BuildDocumentMenu(bar, false); }}});
    testsupport::ExpectKeptOutline(outline, VERRANT_TEST_DATA_DIR "/menu_bars.txt");
    EXPECT_EQ(testsupport::MenuKeyClashes(outline), std::vector<std::string>());
}

} // namespace
} // namespace wenux
