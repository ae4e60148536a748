#pragma once
// A user's way through a program, for the journey tests: menu items chosen by the labels the
// menu bar shows, file dialogs answered by typing a name and pressing OK, files dropped on a
// window. Each step fails the test (and returns false) when the user could not have taken it:
// a label not there (the failure lists what the menu offers), an item greyed, a dialog that
// stays open after OK, a dialog answered that never opened.
//
// Labels are UTF-8, as the menus show them. A label matches an item whose text equals it, or
// equals it once '&' marks, the accelerator after the tab and the mnemonic group in
// parentheses ("(&Fﾌ)") are left out of both: "ﾌｧｲﾙ(&F)" and "ﾌｧｲﾙ" both find "ﾌｧｲﾙ(&Fﾌ)".

#include "platform/ui/CClientDC.h"
#include "platform/ui/DialogScript.h"

#include <Qt>
#include <initializer_list>
#include <string>
#include <vector>

class CDialog;
class CFrameWnd;
class QWidget;

namespace testsupport {

// The labels along a menu bar's pop-ups to an item, UTF-8 as plain or u8 literals.
struct MenuPath {
    MenuPath(std::initializer_list<const char*> path) : labels(path) {}
    MenuPath(std::initializer_list<const char8_t*> path);
    std::vector<const char*> labels;
};

// Opens the pop-ups of the frame's menu bar along path (their update handlers run, as they
// do before a menu shows) and triggers the last item as a click does. With an answer, the
// item's command opens a dialog: answer (queued after those queued before) is how the user
// fills it in and closes it, and the step fails when the command opened none.
bool ChooseMenu(CFrameWnd& frame, const MenuPath& path, const platform::DialogScript::Answer& answer = {});
// The same in the menu bar of a window that is not a frame (a dialog's own menu bar).
bool ChooseMenu(QWidget& window, const MenuPath& path, const platform::DialogScript::Answer& answer = {});

// The answer to a file dialog: path (UTF-8, absolute or relative to the folder shown) typed
// into its name box, then its OK button pressed.
platform::DialogScript::Answer FileDialogAnswer(const std::string& path);

// OK clicked: the focus moves onto its button (an edit box left takes its text), then OK.
void PressOk(CDialog& dialog);

// Drags files (UTF-8 paths) over target and drops them there; false when it refuses them.
bool DropFiles(QWidget& target, const std::vector<std::string>& paths);

// The pointer moves onto (x, y) of target's pixels and the button goes down and up there.
void ClickAt(QWidget& target, int x, int y, Qt::MouseButton button = Qt::LeftButton);

// The same at a model point (x, y) of a view that draws a model (WorldToLogical), on its canvas.
template <class ModelView>
void ClickModelPoint(ModelView& view, double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    CPoint device = view.WorldToLogical(x, y);
    {
        CClientDC dc(&view);
        view.OnPrepareDC(&dc);
        dc.LPtoDP(&device);
    }
    ClickAt(*view.GetCanvasWidget(), device.x, device.y, button);
}

// Ends the journey as failed when tool is not on the PATH: scripts/install-deps.sh installs
// package, so a journey that cannot check its work with it has not passed.
void RequireTool(const char* tool, const char* package);

// A second reader of what the program wrote (pdfinfo, pdftoppm, iconv): its exit code (-1 when
// it did not run or end) and its standard output and error together.
struct ToolRun {
    int exitCode = -1;
    std::string output;
};
ToolRun RunTool(const std::vector<std::string>& command);
// A text file read by iconv as CP932: its output is the text in UTF-8, its exit code 0 when
// the file is CP932 throughout (a file the programs wrote is never cut inside a character).
ToolRun ReadCp932(const std::string& path);
// The pages of a PDF file as pdfinfo counts them; -1 (and a failure) when it cannot read them.
int PdfPageCount(const std::string& pdf);
// Whether page (from 1) of a PDF file, rendered in grey by pdftoppm at dpi, shows anything
// but white past the top quarter of its image; false (and a failure) when it does not render.
bool PdfPagePrinted(const std::string& pdf, int page, int dpi);

// Lets the events queued so far run, deferred deletions included (windows closed, frames gone).
void Settle();

} // namespace testsupport
