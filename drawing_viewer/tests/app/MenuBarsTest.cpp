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
    std::string outline;
    for (const auto& [kind, name] :
         {std::pair{MenuKind::kNoDocument, "[no document]\n"}, std::pair{MenuKind::kPlot, "[plot]\n"},
          std::pair{MenuKind::kFigure, "[figure]\n"}}) {
        CMenu bar;
        BuildMenu(bar, kind);
        outline += name + testsupport::MenuOutline(bar);
    }
    testsupport::ExpectKeptOutline(outline, VERRANT_TEST_DATA_DIR "/menu_bars.txt");
}

} // namespace
} // namespace zapho
