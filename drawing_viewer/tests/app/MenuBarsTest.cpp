// The menu bars word for word as kept: every text, id, key and place, with no document open,
// with plot output and with a figure.

#include "drawing_viewer/app/ZaphoMenu.h"

#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <gtest/gtest.h>
#include <string>

namespace zapho {
namespace {

TEST(ZaphoMenuBars, KeepEveryTextIdAndPlace) {
    testsupport::TestApplication();
    testsupport::ExpectKeptOutline(
        testsupport::MenuBarsOutline(
            {{"no document", [](CMenu& bar) { BuildMenu(bar, MenuKind::kNoDocument); }},
             {"plot", [](CMenu& bar) { BuildMenu(bar, MenuKind::kPlot); }},
             {"figure", [](CMenu& bar) { BuildMenu(bar, MenuKind::kFigure); }}}),
        VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace zapho
