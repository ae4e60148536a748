// The menu bars word for word as kept: every text, id, key and place, with no document open,
// with plot output and with a figure.

#include "drawing_viewer/app/ZaphoMenu.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zapho {
namespace {

TEST(ZaphoMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    const std::string outline = testsupport::MenuBarsOutline(
        {{"no document", [](CMenu& bar) { BuildMenu(bar, MenuKind::kNoDocument); }},
         {"plot", [](CMenu& bar) { BuildMenu(bar, MenuKind::kPlot); }},
         {"figure", [](CMenu& bar) { BuildMenu(bar, MenuKind::kFigure); }}});
    testsupport::ExpectKeptOutline(outline, VERRANT_TEST_DATA_DIR "/menu_bars.txt");
    EXPECT_EQ(testsupport::MenuKeyClashes(outline), std::vector<std::string>());
}

} // namespace
} // namespace zapho
