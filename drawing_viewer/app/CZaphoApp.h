#pragma once
// The drawing viewer's application: two document templates over one document class
// (plot-output and figure documents), start-up from the command line (one file, or none),
// the open dialog and the program-wide state with the settings.

#include "drawing_viewer/app/ProgramState.h"

#include "platform/ui/CWinApp.h"

#include <QMarginsF>
#include <memory>

class QPrinter;

namespace zapho {

class CZaphoApp : public CWinApp {
public:
    CZaphoApp();
    ~CZaphoApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;
    // Opens with the template of the path's extension (".p00" plot output, else figure).
    CDocument* OpenDocumentFile(LPCTSTR path) override;

    ProgramState& State() { return state_; }
    // The printer set-up of the run (ﾌﾟﾘﾝﾀの設定 and the printer last chosen): a print job's
    // printer takes its printer, margins, colour mode and duplex.
    QPrinter& PrintSetup();
    void ApplyPrintSetup(QPrinter& printer);
    void KeepPrintSetup(const QPrinter& printer);
    QMarginsF PrintMargins() const;
    // Where the settings file is; by default the executable's directory. Tests set it first.
    void SetProgramDirectory(const CString& directory, const CString& programName);

private:
    void OnFileOpen();
    // Where the open dialog starts: the active drawing's folder, else the folder last opened
    // from; empty for the dialog's own default.
    CString OpenDialogFolder() const;
    void OnFilePrintSetup();
    void OnAppAbout();
    void AddTemplates();
    BOOL OpenCommandLineFile();

    ProgramState state_;
    CString programName_;
    CString lastOpenFolder_;
    std::unique_ptr<QPrinter> printSetup_;
};

// The running drawing viewer.
CZaphoApp& ZaphoApp();

} // namespace zapho
