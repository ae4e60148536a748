#pragma once
// A built menu written out as text, one line per item (nesting by indent): the id and the label
// as shown, "---" for a separator and "> label" for a pop-up. An outline kept beside the tests
// shows any change of text, id, key or order in a program's menu bars.

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class CMenu;
class QWidget;

namespace testsupport {

std::string MenuOutline(const CMenu& menu);
// The same of a menu bar or menu as a window shows it (a dialog's own bar).
std::string MenuOutline(const QWidget& menuOrBar);
// The outlines of the bars the builders make, each under its "[name]" line.
std::string MenuBarsOutline(std::initializer_list<std::pair<const char*, std::function<void(CMenu&)>>> bars);
// Fails the test unless the outline equals the kept one in the file; the outline as built is
// then written beside the test's temporary files and named in the failure, for comparison.
void ExpectKeptOutline(const std::string& outline, const std::string& keptPath);
// What a user's keys cannot tell apart in the bars of an outline: a mnemonic letter twice in
// one menu (or on the bar), an accelerator shown on two items of one bar. One line each.
std::vector<std::string> MenuKeyClashes(const std::string& outline);

} // namespace testsupport
