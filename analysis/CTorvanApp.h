#pragma once
// The analysis program's application: it starts only beside the base menu, holds the
// program's instance mutex, opens or creates the analysis file of its command line, and at
// exit writes the settings back and hands the analysis file saved during the run back to
// the base menu's analysis slot.

#include "analysis/CommandLine.h"

#include "platform/ui/CWinApp.h"

namespace torvan {

class CTorvanApp : public CWinApp {
public:
    // The exit status of a start that was refused (no base menu, no runtime directory).
    static constexpr int kRefusedExitCode = 1;

    CTorvanApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;

    // The program's file prompt (File Open and the document's saving). title: the dialog
    // title; open: an open dialog (the file must exist), else a save dialog. True on OK.
    bool DoPromptFileName(CString& fileName, const CString& title, bool open);

    // Where the settings file lies and what the program is called; by default the
    // executable's directory and name. Tests set them before InitInstance.
    void SetProgramDirectory(const CString& directory, const CString& programName);
    const CString& ModuleDirectory() const { return moduleDirectory_; }

    // The names of the command line, kept for the analysis file reader and new documents.
    const CommandLineNames& CommandLine() const { return commandLine_; }
    // The command line's analysis file for the next new document (given once).
    CString TakeCommandLineAnalysisFile();

    // The file a save or save-as command saved last; reported to the base menu at exit.
    const CString& ReportedFileName() const { return reportedFileName_; }
    void SetReportedFileName(const CString& path) { reportedFileName_ = path; }

    UINT ClipboardFormat() const { return clipboardFormat_; }
    bool SettingsLoaded() const { return settingsLoaded_; }
    // Title of the next new document: "新規1", "新規2", ...
    CString NextUntitledTitle();

    void OnFileNew();
    void OnFileOpen();

private:
    void OnAppAbout();
    // Start-up refusals: false (after the message) when the base menu does not run or this
    // program may not start again.
    bool MayStart();
    bool CreateMainFrame();
    void LoadSettings();
    void SaveSettings();
    void RunCommandLine();
    void ReportFileToBaseMenu();

    CString moduleDirectory_;
    CString programName_;
    CommandLineNames commandLine_;
    CString commandLineAnalysis_;
    CString reportedFileName_;
    CString lastDirectory_;
    UINT clipboardFormat_ = 0;
    bool settingsLoaded_ = false;
    bool holdsInstance_ = false;
    bool started_ = false;
    int exitCode_ = 0;
    int untitledCount_ = 0;
};

// The running analysis program.
CTorvanApp& TorvanApp();

} // namespace torvan
