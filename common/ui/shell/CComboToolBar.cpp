#include "common/ui/shell/CComboToolBar.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QToolBar>

namespace shell {

namespace {
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
} // namespace

BOOL CComboToolBar::CreateBar(CFrameWnd* frame, UINT barId, const CString& caption, const UINT* ids,
                              int count, ImageSource images) {
    if (!Create(frame) || !SetButtons(ids, count)) {
        return FALSE;
    }
    QToolBar* bar = Bar();
    bar->setObjectName(QString::number(barId));
    bar->setWindowTitle(platform::ToQString(caption));
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setIconSize(QSize(kImageWidth, kImageHeight));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* action : bar->actions()) {
        if (!action->isSeparator()) {
            action->setIcon(images(CMenu::ActionId(action)));
        }
    }
    return TRUE;
}

void CComboToolBar::SetButtonLabels(const std::vector<CString>& labels) {
    labels_ = labels;
    ShowButtonTexts(true);
}

void CComboToolBar::SetButtonLabels(std::initializer_list<const char8_t*> labels) {
    std::vector<CString> texts;
    for (const char8_t* label : labels) {
        texts.emplace_back(label);
    }
    SetButtonLabels(texts);
}

void CComboToolBar::ShowButtonTexts(bool show) {
    QToolBar* bar = Bar();
    if (!bar) {
        return;
    }
    std::size_t next = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator() || CMenu::ActionId(action) == 0) {
            continue;
        }
        const CString label = next < labels_.size() ? labels_[next] : CString();
        ++next;
        action->setText(show ? platform::ToQString(label) : QString());
    }
    bar->setToolButtonStyle(show ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

bool CComboToolBar::ReplaceButton(UINT id, QWidget* widget) {
    const int index = CommandToIndex(id);
    if (index < 0) {
        return false;
    }
    QAction* button = Bar()->actions().at(index);
    Bar()->insertWidget(button, widget);
    Bar()->removeAction(button);
    return true;
}

void CComboToolBar::SetButtonImage(UINT id, const QIcon& image) {
    if (const int index = CommandToIndex(id); index >= 0) {
        Bar()->actions().at(index)->setIcon(image);
    }
}

} // namespace shell
