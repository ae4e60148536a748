#pragma once
// The application part the section editor and the analysis program share: the settings file
// beside the program, the maximised main frame, the program's file prompt (File Open and the
// document's saving), File New, the hand-back of the file saved last to the base menu's slot,
// and the guide texts that come back at idle time.

#include "platform/ui/CWinApp.h"

namespace shell {

class CSectionMainFrame;

// What differs between the programs.
struct SectionAppTraits {
    const char* programWord;      // the program's name: frame title, clipboard format
    const char8_t* fileFilter;    // of the file prompt
    const char* defaultExtension; // of the file prompt, without the dot
    const char8_t* aboutText;     // of the version dialog
    int baseMenuSlot;             // the base menu's field the saved file goes to
    // The tag a file chosen in the open dialog carries, and the refusal of one with another
    // tag; null: the analysis file's tags.
    const char* formatTag = nullptr;
    const char8_t* formatRefusal = nullptr;
};

class CSectionApp : public CWinApp {
public:
    explicit CSectionApp(const SectionAppTraits& traits);

    BOOL OnIdle(LONG count) override;

    // The program's file prompt. title: the dialog title; open: an open dialog (the file must
    // exist), else a save dialog. True on OK.
    bool DoPromptFileName(CString& fileName, const CString& title, bool open);

    // Where the settings file lies and what the program is called; by default the
    // executable's directory and name. Tests set them before InitInstance.
    void SetProgramDirectory(const CString& directory, const CString& programName);
    const CString& ModuleDirectory() const { return moduleDirectory_; }

    void SetReportedFileName(const CString& path) { reportedFileName_ = path; }

    UINT ClipboardFormat() const { return clipboardFormat_; }

    // The title of the next new document: "新規" and its number in this run.
    CString NextUntitledTitle();

    void OnFileNew();
    void OnFileOpen();

protected:
    // A start begins with nothing saved and nothing started.
    void BeginStart();
    // The settings file's path from the program's directory and name.
    void LocateProfile();
    // Makes, maximises and shows the main frame; false when it could not be made.
    bool CreateMainFrame(CSectionMainFrame* frame);
    // After the main frame: the file prompt's first directory (of the most recent file) and
    // the clipboard format; the start counts as done.
    void FinishStart();
    bool Started() const { return started_; }
    void ReportFileToBaseMenu();
    // The folder (with its trailing separator) the open dialog starts in; empty: the last used.
    virtual CString OpenDialogFolder() const { return CString(); }

private:
    void OnAppAbout();

    const SectionAppTraits& traits_;
    CString moduleDirectory_;
    CString programName_;
    CString reportedFileName_;
    CString lastDirectory_;
    UINT clipboardFormat_ = 0;
    int untitledCount_ = 0;
    bool started_ = false;
};

} // namespace shell
