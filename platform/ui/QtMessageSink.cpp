#include "platform/ui/QtMessageSink.h"

#include "platform/ui/OwnerWindow.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TitleBarRoom.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace platform {
namespace {

struct ButtonSpec {
    int id;
    QMessageBox::StandardButton button;
};

std::vector<ButtonSpec> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, QMessageBox::Ok}, {IDCANCEL, QMessageBox::Cancel}};
    case MB_ABORTRETRYIGNORE:
        return {
            {IDABORT, QMessageBox::Abort}, {IDRETRY, QMessageBox::Retry}, {IDIGNORE, QMessageBox::Ignore}};
    case MB_YESNOCANCEL:
        return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}, {IDCANCEL, QMessageBox::Cancel}};
    case MB_YESNO:
        return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, QMessageBox::Retry}, {IDCANCEL, QMessageBox::Cancel}};
    default:
        return {{IDOK, QMessageBox::Ok}};
    }
}

// A box without an icon of its own gets the one its buttons call for: a question mark for
// yes/no questions, the exclamation mark for notices.
UINT WithDefaultIcon(UINT type) {
    if ((type & MB_ICONMASK) != 0) {
        return type;
    }
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type;
    }
}

QMessageBox::Icon IconOf(UINT type) {
    switch (WithDefaultIcon(type) & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// A message box fixes its own size from its layout, so its title's room is a row of the layout.
void AddTitleRow(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) {
        return;
    }
    grid->addItem(
        new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int QtMessageSink::ShowMessage(const CString& text, const CString& caption, UINT type) {
    const CString title = caption.IsEmpty() ? MessageCaption() : caption;
    QMessageBox box(IconOf(type), ToQString(title), ToQString(text), QMessageBox::NoButton, OwnerWindow());
    if (!box.parentWidget()) {
        // No window of the program left to stand on (a hand-back at exit): the box must not
        // come up behind another program's window, leaving this one running unseen.
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    std::vector<ButtonSpec> buttons = ButtonsOf(type);
    for (const ButtonSpec& spec : buttons) {
        box.addButton(spec.button);
    }
    std::size_t defaultIndex = ((type & 0xF00) >> 8) < buttons.size() ? ((type & 0xF00) >> 8) : 0;
    box.setDefaultButton(buttons[defaultIndex].button);
    AddTitleRow(box);
    // Without a Cancel button, closing the box answers with the default.
    auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonSpec& spec : buttons) {
        if (spec.button == answer) {
            return spec.id;
        }
    }
    for (const ButtonSpec& spec : buttons) {
        if (spec.id == IDCANCEL) {
            return IDCANCEL;
        }
    }
    return DefaultButton(type);
}

void QtMessageSink::Beep(UINT) {
    QApplication::beep();
}

} // namespace platform
