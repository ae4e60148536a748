#pragma once
// The section model editor's application: one running copy (found by its main window's class),
// the command line of the base menu (open a file, create one, or start empty), the settings
// file beside the program, and at exit the hand-back of the last saved file to the base
// menu's section model slot.

#include "section_editor/app/CommandLine.h"

#include "common/ui/shell/CSectionApp.h"

namespace merdok {

class CMerdokApp : public shell::CSectionApp {
public:
    CMerdokApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

protected:
    // The current document's folder when it has one on disk.
    CString OpenDialogFolder() const override;

private:
    void RunCommandLine();

    StartRequest request_;
};

} // namespace merdok
