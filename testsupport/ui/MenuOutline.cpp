#include "testsupport/ui/MenuOutline.h"

#include "platform/ui/CMenu.h"
#include "testsupport/FileBytes.h"

#include <QAction>
#include <QMenu>
#include <filesystem>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

void Outline(const QMenu& menu, int depth, std::string& out) {
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out += indent + "---\n";
        } else if (const QMenu* popup = action->menu()) {
            out += indent + "> " + action->text().toStdString() + "\n";
            Outline(*popup, depth + 1, out);
        } else {
            out +=
                indent + std::to_string(CMenu::ActionId(action)) + " " + action->text().toStdString() + "\n";
        }
    }
}

} // namespace

std::string MenuOutline(const CMenu& menu) {
    std::string out;
    if (const QMenu* qmenu = menu.Menu()) {
        Outline(*qmenu, 0, out);
    }
    return out;
}

std::string MenuBarsOutline(std::initializer_list<std::pair<const char*, std::function<void(CMenu&)>>> bars) {
    std::string out;
    for (const auto& [name, build] : bars) {
        CMenu bar;
        build(bar);
        out += std::string("[") + name + "]\n" + MenuOutline(bar);
    }
    return out;
}

void ExpectKeptOutline(const std::string& outline, const std::string& keptPath) {
    if (outline == ReadBytes(keptPath)) {
        return;
    }
    const std::filesystem::path built =
        std::filesystem::path(::testing::TempDir()) / std::filesystem::path(keptPath).filename();
    WriteBytes(built, outline);
    ADD_FAILURE() << "the menus differ from " << keptPath << "; as built: " << built.string();
}

} // namespace testsupport
