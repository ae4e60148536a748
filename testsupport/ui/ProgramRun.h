#pragma once
// A program started in the test's process as its main() starts it: the program's own
// application object (made by the test, with its program directory set) initialised with the
// command line, message boxes titled with its name, its main frame shown on the offscreen
// platform, and ended as a user ends it, by closing the main window. Message boxes go to the
// test's recording sink; the program's real main installs the interactive one, the only step
// left out.

#include "platform/core/CString.h"

#include <vector>

class CFrameWnd;
class CWinApp;

namespace testsupport {

class ProgramRun {
public:
    // app must outlive the run; the test's QApplication is made here if there is none yet.
    explicit ProgramRun(CWinApp& app);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Initialises the application with the arguments (CP932, without the program name);
    // fails the test and returns false when the program refuses to start.
    bool Start(const std::vector<CString>& arguments = {});
    // Runs a program whose whole work is its start-up (its windows are modal dialogs, answered
    // through the dialog script before), then ends it as its main() does; its exit code.
    int RunToEnd(const std::vector<CString>& arguments = {});
    // The main frame, null before Start or after Quit.
    CFrameWnd* MainFrame() const;
    // Closes the main window as its close button does (the program may ask first, through
    // the sink); ends the application once the window went. True when it went.
    bool Quit();

private:
    CWinApp& app_;
    bool running_ = false;
};

} // namespace testsupport
