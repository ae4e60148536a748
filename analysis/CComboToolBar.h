#pragma once
// A tool bar of the analysis program: dockable on every side of the main frame, with
// button images and optional button texts that can be hidden and brought back, and room
// for controls that take the place of a button (the method name box of the analysis bar).

#include "platform/ui/CToolBar.h"

#include <vector>

class QWidget;

namespace torvan {

class CComboToolBar : public CToolBar {
public:
    // Makes the bar with its buttons (ID_SEPARATOR: a gap), its caption and its bar id.
    BOOL CreateBar(CFrameWnd* frame, UINT barId, const CString& caption, const UINT* ids, int count);
    // The labels the buttons get at creation and whenever the texts are switched on again.
    void SetButtonLabels(const std::vector<CString>& labels);
    // Texts under the images (true) or images alone (false).
    void ShowButtonTexts(bool show);
    bool ButtonTextsShown() const { return textsShown_; }
    // Puts widget where the button of id stood; the button goes. False when there is none.
    bool ReplaceButton(UINT id, QWidget* widget);

private:
    std::vector<CString> labels_;
    bool textsShown_ = false;
};

} // namespace torvan
