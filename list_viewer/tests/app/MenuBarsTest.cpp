// The menu bars word for word as kept: every text, id, key and place, with no list open, with a
// result list and with a log.

#include "list_viewer/app/MenuBuilder.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>

namespace wenux {
namespace {

TEST(WenuxMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    testsupport::ExpectKeptOutline(
        testsupport::MenuBarsOutline({{"no document", BuildNoDocumentMenu},
                                      {"result list", [](CMenu& bar) { BuildDocumentMenu(bar, true); }},
                                      {"log", [](CMenu& bar) { BuildDocumentMenu(bar, false); }}}),
        VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace wenux
