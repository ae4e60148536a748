#pragma once
// A user's way through a program, for the journey tests: menu items chosen by the labels the
// menu bar shows, file dialogs answered by typing a name and pressing OK, files dropped on a
// window. Each step fails the test (and returns false) when the user could not have taken it:
// a label not there (the failure lists what the menu offers), an item greyed, a dialog that
// stays open after OK.
//
// Labels are UTF-8, as the menus show them. A label matches an item whose text equals it, or
// equals it once '&' marks, the accelerator after the tab and the mnemonic group in
// parentheses ("(&Fﾌ)") are left out of both: "ﾌｧｲﾙ(&F)" and "ﾌｧｲﾙ" both find "ﾌｧｲﾙ(&Fﾌ)".

#include <Qt>
#include <initializer_list>
#include <string>
#include <vector>

class CFrameWnd;
class QWidget;

namespace testsupport {

// Opens the pop-ups of the frame's menu bar along labels (their update handlers run, as they
// do before a menu shows) and triggers the last item as a click does. Dialogs the command
// opens must have their answers queued before.
bool ChooseMenu(CFrameWnd& frame, std::initializer_list<const char*> labels);
bool ChooseMenu(CFrameWnd& frame, std::initializer_list<const char8_t*> labels);

// Queues the answer to the next dialog, which must be a file dialog: path (UTF-8, absolute or
// relative to the folder shown) typed into its name box, then its OK button pressed.
void AnswerFileDialog(const std::string& path);

// Drags files (UTF-8 paths) over target and drops them there; false when it refuses them.
bool DropFiles(QWidget& target, const std::vector<std::string>& paths);

// The pointer moves onto (x, y) of target's pixels and the button goes down and up there.
void ClickAt(QWidget& target, int x, int y, Qt::MouseButton button = Qt::LeftButton);

// Ends the journey as skipped (exit code 77) when tool is not on the PATH; package installs it.
void RequireTool(const char* tool, const char* package);

// A second reader of what the program wrote (pdfinfo, pdftoppm, iconv): its exit code (-1 when
// it did not run or end) and its standard output and error together.
struct ToolRun {
    int exitCode = -1;
    std::string output;
};
ToolRun RunTool(const std::vector<std::string>& command);

// Lets the events queued so far run, deferred deletions included (windows closed, frames gone).
void Settle();

} // namespace testsupport
