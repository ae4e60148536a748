#pragma once
// QUILMO, the measurement table editor: a dialog program that the base menu starts for one
// measurement file (and the section model whose measurement points it covers). It runs
// one editing pass inside its start-up: read, ask the input method of a new file, show the
// table, check and save on OK, end. It keeps no settings.

#include "measurement_table/core/CMeasurementDocument.h"
#include "measurement_table/core/CommandLine.h"
#include "measurement_table/core/SaveCheck.h"

#include "platform/ui/CWinApp.h"

namespace quilmo {

class CGridDlg1;

class CQuilmoApp : public CWinApp, public CMeasurementDocument {
public:
    CQuilmoApp();

    // The whole run; returns FALSE so that the program ends.
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The framework's message loop stays reachable beside the editing pass.
    using CWinApp::Run;
    // One editing pass over m_strDisFile.
    void Run(const CString& sectionFile, bool newFile);
    // Matches the points and shows the table; true when the user confirmed and it was saved.
    bool EditTable(int dimension);
    // The save check and the write, run by the table's OK; false keeps the table open.
    bool CheckSave(CGridDlg1& dialog);

    // What the save check asks of the base menu and the file system (tests replace it).
    SaveEnvironment m_saveEnvironment = DesktopSaveEnvironment();
    // The exit status (1 when the suite's runtime directory was refused).
    int m_nExitCode = 0;
};

} // namespace quilmo
