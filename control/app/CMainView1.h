#pragma once
// The base menu's form: the suite's three current file names (section model, measurement,
// analysis) in edits 231, 232 and 233, a set button beside each, and the buttons that start
// the other programs with those names.

#include "common/process/CSharedNameBuffer.h"
#include "common/process/LaunchThrottle.h"
#include "control/core/ChildLaunch.h"
#include "platform/ui/CFormView.h"

#include <functional>

namespace basnev {

class CMainView1 : public CFormView {
    DECLARE_DYNCREATE(CMainView1)
public:
    enum { IDD = 101 };
    CMainView1();
    ~CMainView1() override;

    void OnInitialUpdate() override;

    // Button handlers of the form.
    void OnSectionModel();
    void OnMeasureInput();
    void OnSlipAnalysis();
    void OnDrawingEdit();
    void OnAnalysisLog();
    void OnSetFileButton(int kind, int editId);
    void OnExit();

    // Runs the file list chooser for a slot kind on name; true when a file was confirmed.
    bool ChooseFile(int kind, CString& name);
    // Hands the texts of the three slots to the application, which stores them at exit.
    void TakeOverSlotTexts();
    basnev::SlotTexts CurrentSlotTexts() const;
    // Shows a name in slot edit 231, 232 or 233 whole, scrolled to its end; false for another
    // control id. Typing takes any path up to the system's limit.
    bool SetSlotText(int editId, const CString& text);

    // Replaces the chooser (tests answer it without a dialog).
    using Chooser = std::function<bool(int kind, CString& name, CString& directory)>;
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
    // Replaces the start of a program (tests record it instead).
    using Starter = std::function<void(const CString& programFile, const std::vector<CString>& arguments)>;
    void SetStarter(Starter starter) { starter_ = std::move(starter); }

    // Used by the launch buttons: throttle, then start the program of the request.
    void StartChildProgram(const basnev::LaunchRequest& request);

protected:
    void CreateControls() override;

private:
    void ConnectCommands();
    void FitFrameToForm();
    void ReplaceReferencedNames(const CString& analysisPath);
    void PutReferencedName(int editId, const CString& name, const char8_t* notFoundMessage);
    CString SlotText(int editId) const;

    process::LaunchThrottle throttle_;
    CSharedNameBuffer nameBuffer_;
    Chooser chooser_;
    Starter starter_;
};

} // namespace basnev
