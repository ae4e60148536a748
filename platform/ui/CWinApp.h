#pragma once
// The application: life cycle (InitInstance, Run with an idle hook, ExitInstance), document
// templates, the recent-file list, the settings file and the wait cursor. Commands reach it
// last. There is one application object per program; AfxGetApp returns it.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CRecentFileList.h"

#include <memory>
#include <vector>

class CWnd;
class CDocument;
class CDocTemplate;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The exit code.
    virtual int ExitInstance();
    // Called when the event queue is empty; count starts at 0 and grows while it returns TRUE.
    // The default updates the main frame's tool bars and status panes at count 0.
    virtual BOOL OnIdle(LONG count);
    // Runs the event loop until the last window closes; returns ExitInstance's code.
    virtual int Run();

    void AddDocTemplate(CDocTemplate* docTemplate); // takes ownership
    // The template whose extension matches path, else the first one; null when none exists.
    CDocTemplate* TemplateForPath(const CString& path) const;
    // A file that is open already is not read a second time: its window comes forward and
    // its document is returned, so two windows never save over each other's edits.
    virtual CDocument* OpenDocumentFile(LPCTSTR path);
    // The open document of path (same file, however the name is spelt); null when none.
    CDocument* FindOpenDocument(const CString& path) const;
    const std::vector<std::unique_ptr<CDocTemplate>>& Templates() const { return templates_; }
    void CloseAllDocuments(BOOL endSession);
    BOOL SaveAllModified();

    // Settings file: path (CP932); by default the app name + ".INI" in the user's
    // settings folder (platform/core/SettingsFolder.h).
    void SetProfilePath(const CString& path) { m_pszProfileName = path; }
    const CString& GetProfilePath() const { return m_pszProfileName; }
    CString GetProfileString(const CString& section, const CString& entry,
                             const CString& defaultValue = "") const;
    UINT GetProfileInt(const CString& section, const CString& entry, int defaultValue) const;
    BOOL WriteProfileString(const CString& section, const CString& entry, const CString& value);
    BOOL WriteProfileInt(const CString& section, const CString& entry, int value);

    // Reads the recent-file list (maxMru entries) from the settings file.
    void LoadStdProfileSettings(UINT maxMru = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR path);
    const CRecentFileList& RecentFiles() const { return *recentFiles_; }

    // The program's name as its main window and its message boxes show it: the application
    // name in capitals (the name itself, lower case for some, also names the settings file).
    CString ProgramName() const;

    // Program arguments after the program name (CP932).
    std::vector<CString> m_args;
    // The arguments after the program name as the suite's texts. One that CP932 cannot hold
    // is left out with a message: passed on altered it would open or create another file.
    static std::vector<CString> SuiteArguments(int argc, char** argv);
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_pszProfileName;

protected:
    void OnAppExit();
    void OnOpenRecentFile(UINT id);

private:
    void RunIdle();
    const platform::ProfileFile& Profile() const;

    std::vector<std::unique_ptr<CDocTemplate>> templates_;
    std::unique_ptr<CRecentFileList> recentFiles_;
    mutable std::unique_ptr<platform::ProfileFile> profile_;
    bool inIdle_ = false;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Start-up of every program: makes the Qt application (numbers stay in the "C" locale),
// installs the real message box sink, hands the arguments to the application object and
// runs it. Returns the exit code.
int AfxWinMain(int argc, char** argv);
