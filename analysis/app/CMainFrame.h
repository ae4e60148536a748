#pragma once
// The analysis program's main frame: the standard, editing and analysis tool bars (the last
// with the box that names the analysis method) on the shared section-program frame. Files
// dropped on it open as analysis files. It registers the window class by which the base menu
// knows that an analysis program runs.

#include "common/ui/shell/CComboToolBar.h"
#include "common/ui/shell/CSectionMainFrame.h"

class QLineEdit;

namespace torvan {

class CBlockView;
using CComboToolBar = shell::CComboToolBar;

class CMainFrame : public shell::CSectionMainFrame {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();

    CComboToolBar& StandardBar() { return standardBar_; }
    CComboToolBar& EditBar() { return editBar_; }
    QLineEdit* MethodBox() const { return methodBox_; }
    // The active document's first section view, or null.
    CBlockView* ActiveBlockView() const;
    // No document is left: the caption and the method box show no document's.
    void OnLastDocumentClosed();

private:
    bool CreateToolBars() override;
    void OnFrameReady() override;
    bool CreateMethodBox();
    void AcceptDroppedFiles();

    void OnActivateBlockView();
    void OnAnalysisMethodChanged();

    CComboToolBar standardBar_;
    CComboToolBar editBar_;
    CComboToolBar analysisBar_;
    QLineEdit* methodBox_ = nullptr;
};

} // namespace torvan
