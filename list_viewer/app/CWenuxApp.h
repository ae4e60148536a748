#pragma once
// The list viewer's application: its four document templates, start-up from the command
// line, the Open dialog, the printer set-up and the program-wide state with the fonts kept
// in the settings file.

#include "list_viewer/app/ProgramState.h"

#include "platform/ui/CWinApp.h"

#include <QPageLayout>

namespace wenux {

class CWenuxApp : public CWinApp {
public:
    CWenuxApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Opens a list with the template of its extension (letter case ignored), quotes removed.
    // Opens with the template of the path's extension; a list its view cannot read is closed
    // again (null) and stays out of the recent-file list.
    CDocument* OpenDocumentFile(LPCTSTR path) override;

    ProgramState& State() { return state_; }
    // Where the settings file, the search item list and its markers are looked for; by
    // default the executable's directory. Tests set it before InitInstance.
    void SetProgramDirectory(const CString& directory, const CString& programName);

    void LoadListSettings();
    void SaveListSettings();

    // Paper layout for print runs without a printer dialog (PDF and preview).
    const QPageLayout& PageLayout() const { return pageLayout_; }
    void SetPageLayout(const QPageLayout& layout) { pageLayout_ = layout; }

    // The Open dialog; true with the chosen path.
    bool PromptFileName(CString& path);

private:
    CDocument* ShownOrClosed(CDocument* document, const CString& listPath);
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void AddTemplates();
    void OpenFromCommandLine();

    ProgramState state_;
    CString programName_;
    QPageLayout pageLayout_;
};

// The running list viewer.
CWenuxApp& WenuxApp();

} // namespace wenux
