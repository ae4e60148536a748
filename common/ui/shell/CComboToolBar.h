#pragma once
// A tool bar of a section program: dockable on every side of the main frame, with button
// images and optional button texts that can be hidden and brought back, and room for controls
// that take the place of a button (the method name box of the analysis bar).

#include "platform/ui/CToolBar.h"

#include <QIcon>
#include <initializer_list>
#include <vector>

class QWidget;

namespace shell {

class CComboToolBar : public CToolBar {
public:
    // The image of a command's button; a null icon for none.
    using ImageSource = QIcon (*)(UINT commandId);

    // Makes the bar with its buttons (ID_SEPARATOR: a gap), its caption and its bar id.
    BOOL CreateBar(CFrameWnd* frame, UINT barId, const CString& caption, const UINT* ids, int count,
                   ImageSource images);
    // The labels the buttons get at creation and whenever the texts are switched on again.
    void SetButtonLabels(const std::vector<CString>& labels);
    void SetButtonLabels(std::initializer_list<const char8_t*> labels);
    // Texts under the images (true) or images alone (false).
    void ShowButtonTexts(bool show);
    // Puts widget where the button of id stood; the button goes. False when there is none.
    bool ReplaceButton(UINT id, QWidget* widget);
    // The button of id (if the bar has one) takes the image.
    void SetButtonImage(UINT id, const QIcon& image);

private:
    std::vector<CString> labels_;
};

} // namespace shell
