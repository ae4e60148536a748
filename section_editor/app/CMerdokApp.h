#pragma once
// The section model editor's application: one running copy (found by its main window's class),
// the command line of the base menu (open a file, create one, or start empty), the settings
// file beside the program, and at exit the hand-back of the last saved file to the base
// menu's section model slot.

#include "section_editor/app/CommandLine.h"

#include "platform/ui/CWinApp.h"

namespace merdok {

class CMerdokApp : public CWinApp {
public:
    CMerdokApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;

    bool DoPromptFileName(CString& fileName, const CString& title, bool open);

    // Where the settings file lies and what the program is called; by default the
    // executable's directory and name. Tests set them before InitInstance.
    void SetProgramDirectory(const CString& directory, const CString& programName);
    const CString& ModuleDirectory() const { return moduleDirectory_; }

    const StartRequest& Request() const { return request_; }
    // The file saved last; handed to the base menu at exit.
    const CString& ReportedFileName() const { return reportedFileName_; }
    void SetReportedFileName(const CString& path) { reportedFileName_ = path; }
    UINT ClipboardFormat() const { return clipboardFormat_; }

    void OnFileNew();
    void OnFileOpen();

private:
    void OnAppAbout();
    bool CreateMainFrame();
    void RunCommandLine();
    void ReportFileToBaseMenu();

    CString moduleDirectory_;
    CString programName_;
    StartRequest request_;
    CString reportedFileName_;
    CString lastDirectory_;
    UINT clipboardFormat_ = 0;
    bool started_ = false;
};

CMerdokApp& MerdokApp();

} // namespace merdok
