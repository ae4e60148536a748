#pragma once
// The base menu's application: one per display, its slot names kept in BASNEV's settings file
// in the user's settings folder (first filled from the one beside the program).

#include "common/process/InstanceControl.h"
#include "control/core/InputFileNames.h"
#include "platform/ui/CWinApp.h"

namespace basnev {

class CBasnevApp : public CWinApp {
public:
    CBasnevApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    void LoadInputFileNames();
    void SaveInputFileNames();
    // Makes the document, the frame and the form and shows them; from then on the settings
    // file is this instance's to write at exit. False when the window could not be made.
    BOOL OpenMainWindow();

    // The program directory, ending in '/'.
    const CString& ProgramDirectory() const { return programDirectory_; }
    const basnev::InputFileNames& SlotNames() const { return names_; }
    // The names the form hands over when it closes; the plan data name stays as read.
    void SetFormNames(const CString& section, const CString& measurement, const CString& analysis);
    const CString& DefaultDirectory() const { return names_.defaultDirectory; }
    void SetDefaultDirectory(const CString& directory) { names_.defaultDirectory = directory; }

private:
    // True when another base menu runs; it has been brought forward.
    static bool ActivateRunningBaseMenu();

    bool started_ = false;
    int exitCode_ = 0; // non-zero when start-up was refused for a fault, not for a running copy
    CString programDirectory_;
    basnev::InputFileNames names_;
    // The slots as this instance read them: at exit only the ones it changed are written.
    basnev::InputFileNames namesAsRead_;
};

} // namespace basnev
