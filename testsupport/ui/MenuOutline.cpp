#include "testsupport/ui/MenuOutline.h"

#include "platform/ui/CMenu.h"
#include "testsupport/FileBytes.h"

#include <QAction>
#include <QMenu>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace testsupport {

namespace {

void Outline(const QWidget& menu, int depth, std::string& out) {
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

// The mnemonic letter of a label (after its '&', upper case), 0 when it has none.
char Mnemonic(const std::string& label) {
    const std::size_t amp = label.find('&');
    return amp != std::string::npos && amp + 1 < label.size()
               ? static_cast<char>(std::toupper(static_cast<unsigned char>(label[amp + 1])))
               : '\0';
}

} // namespace

std::vector<std::string> MenuKeyClashes(const std::string& outline) {
    std::vector<std::string> clashes;
    std::string bar;
    std::map<std::string, std::string> letters; // menu path + letter -> label
    std::map<std::string, std::string> keys;    // accelerator -> label
    std::vector<std::string> path;              // the pop-ups the line is in
    std::istringstream lines(outline);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == '[') {
            bar = line;
            letters.clear();
            keys.clear();
            path.clear();
            continue;
        }
        const std::size_t depth = line.find_first_not_of(' ') / 2;
        path.resize(std::min(path.size(), depth));
        std::string label = line.substr(depth * 2);
        if (label == "---") {
            continue;
        }
        const bool popup = label.rfind("> ", 0) == 0;
        label = popup ? label.substr(2) : label.substr(label.find(' ') + 1);
        std::string menu = bar;
        for (const std::string& name : path) {
            menu += " > " + name;
        }
        if (const char letter = Mnemonic(label)) {
            auto [at, fresh] = letters.emplace(menu + " " + letter, label);
            if (!fresh) {
                clashes.push_back(menu + ": &" + letter + " on " + at->second + " and " + label);
            }
        }
        const std::size_t tab = label.find('\t');
        if (!popup && tab != std::string::npos) {
            auto [at, fresh] = keys.emplace(label.substr(tab + 1), label);
            if (!fresh) {
                clashes.push_back(bar + ": " + label.substr(tab + 1) + " on " + at->second + " and " + label);
            }
        }
        if (popup) {
            path.push_back(label);
        }
    }
    return clashes;
}

std::string MenuOutline(const CMenu& menu) {
    std::string out;
    if (const QMenu* qmenu = menu.Menu()) {
        Outline(*qmenu, 0, out);
    }
    return out;
}

std::string MenuOutline(const QWidget& menuOrBar) {
    std::string out;
    Outline(menuOrBar, 0, out);
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
