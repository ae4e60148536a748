#pragma once
// The analysis program's application: it starts only beside the base menu, holds the
// program's instance mutex, opens or creates the analysis file of its command line, and at
// exit writes the settings back and hands the analysis file saved during the run back to
// the base menu's analysis slot.

#include "analysis/app/CommandLine.h"

#include "common/ui/shell/CSectionApp.h"

namespace torvan {

class CTorvanApp : public shell::CSectionApp {
public:
    // The exit status of a start that was refused (no base menu, no runtime directory).
    static constexpr int kRefusedExitCode = 1;

    CTorvanApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The names of the command line, kept for the analysis file reader and new documents.
    const CommandLineNames& CommandLine() const { return commandLine_; }
    // The command line's analysis file for the next new document (given once).
    CString TakeCommandLineAnalysisFile();

private:
    // Start-up refusals: false (after the message) when the base menu does not run or this
    // program may not start again.
    bool MayStart();
    void LoadSettings();
    void SaveSettings();
    void RunCommandLine();

    CommandLineNames commandLine_;
    CString commandLineAnalysis_;
    bool settingsLoaded_ = false;
    bool holdsInstance_ = false;
    int exitCode_ = 0;
};

} // namespace torvan
