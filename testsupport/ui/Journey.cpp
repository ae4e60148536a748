#include "testsupport/ui/Journey.h"

#include "platform/core/NumberFormat.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

namespace {

// The label as a user reads it: no '&' marks, accelerator or mnemonic group.
QString PlainLabel(QString text) {
    const qsizetype tab = text.indexOf(u'\t');
    if (tab >= 0) {
        text.truncate(tab);
    }
    static const QRegularExpression mnemonic(QStringLiteral("\\(&?[A-Za-z0-9][^()]{0,3}\\)"));
    text.remove(mnemonic);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text.trimmed();
}

std::string Offered(const QList<QAction*>& actions) {
    std::string list;
    for (const QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator()) {
            list += "\n  \"" + action->text().toStdString() + "\"";
        }
    }
    return list;
}

QAction* FindItem(const QList<QAction*>& actions, const QString& label, std::string& problem) {
    std::vector<QAction*> loose;
    for (QAction* action : actions) {
        if (!action->isVisible() || action->isSeparator()) {
            continue;
        }
        if (action->text() == label) {
            return action;
        }
        if (PlainLabel(action->text()) == PlainLabel(label)) {
            loose.push_back(action);
        }
    }
    if (loose.size() == 1) {
        return loose.front();
    }
    problem = (loose.empty() ? "no item " : "more than one item ") + ('"' + label.toStdString() + '"') +
              "; the menu offers:" + Offered(actions);
    return nullptr;
}

QMenuBar* MenuBarOf(CFrameWnd& frame) {
    if (QMainWindow* window = frame.MainWindow()) {
        return window->menuBar();
    }
    QWidget* widget = frame.GetWidget();
    return widget ? widget->window()->findChild<QMenuBar*>() : nullptr;
}

// Types text into the box character by character, as an input method commits it.
void Type(QLineEdit& box, const QString& text) {
    // The box keeps what is typed only while it has the focus, in the active window.
    box.window()->activateWindow();
    QApplication::setActiveWindow(box.window());
    box.setFocus();
    box.clear();
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QInputMethodEvent typed;
        typed.setCommitString(text.mid(at, length));
        at += length;
        QApplication::sendEvent(&box, &typed);
    }
    if (QCompleter* completer = box.completer(); completer && completer->popup()) {
        completer->popup()->hide(); // the offered completions are not taken
    }
}

QAbstractButton* OkButton(QFileDialog& browser) {
    auto* buttons = browser.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!buttons) {
        return nullptr;
    }
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            return button;
        }
    }
    return nullptr;
}

void AnswerWithName(CDialog& dialog, const std::string& path) {
    auto* file = dynamic_cast<CFileDialog*>(&dialog);
    QWidget* widget = dialog.GetWidget();
    const std::string title = widget ? widget->windowTitle().toStdString() : std::string();
    if (!file || !file->FileDialog()) {
        ADD_FAILURE() << "expected a file dialog for " << path << ", got the dialog \"" << title << '"';
        return;
    }
    auto* box = file->FileDialog()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QAbstractButton* ok = OkButton(*file->FileDialog());
    if (!box || !ok) {
        ADD_FAILURE() << "the file dialog \"" << title << "\" has no name box or OK button";
        return;
    }
    Type(*box, QString::fromStdString(path));
    if (!ok->isEnabled()) {
        ADD_FAILURE() << "OK of the file dialog \"" << title << "\" is greyed with the name " << path;
        return;
    }
    ok->click();
    if (dialog.Dialog() && dialog.Dialog()->isVisible()) {
        ADD_FAILURE() << "the file dialog \"" << title << "\" stayed open after OK with the name " << path;
    }
}

std::string PathText(const std::vector<const char*>& labels) {
    std::string path;
    for (const char* label : labels) {
        path += std::string(path.empty() ? "" : " > ") + label;
    }
    return path;
}

bool ChooseMenuAlong(QMenuBar* bar, const std::vector<const char*>& labels);

// Chooses the item, with answer queued for the dialog its command opens (none: no dialog),
// and tells whether the dialog took the answer.
bool ChooseMenuAnswering(QMenuBar* bar, const std::vector<const char*>& labels,
                         const platform::DialogScript::Answer& answer) {
    if (!answer) {
        return ChooseMenuAlong(bar, labels);
    }
    auto answered = std::make_shared<bool>(false);
    platform::DialogScript::Queue([answer, answered](CDialog& dialog) {
        *answered = true;
        answer(dialog);
    });
    if (!ChooseMenuAlong(bar, labels)) {
        return false;
    }
    if (!*answered) {
        ADD_FAILURE() << "menu " << PathText(labels) << " opened no dialog to answer";
        return false;
    }
    return true;
}

} // namespace

MenuPath::MenuPath(std::initializer_list<const char8_t*> path) {
    for (const char8_t* label : path) {
        labels.push_back(reinterpret_cast<const char*>(label));
    }
}

bool ChooseMenu(CFrameWnd& frame, const MenuPath& path, const platform::DialogScript::Answer& answer) {
    return ChooseMenuAnswering(MenuBarOf(frame), path.labels, answer);
}

bool ChooseMenu(QWidget& window, const MenuPath& path, const platform::DialogScript::Answer& answer) {
    return ChooseMenuAnswering(window.findChild<QMenuBar*>(), path.labels, answer);
}

namespace {

bool ChooseMenuAlong(QMenuBar* bar, const std::vector<const char*>& labels) {
    if (!bar || labels.size() == 0) {
        ADD_FAILURE() << "the window has no menu bar to choose from";
        return false;
    }
    QList<QAction*> items = bar->actions();
    std::vector<QMenu*> opened;
    std::string path;
    QAction* chosen = nullptr;
    size_t depth = 0;
    for (const char* label : labels) {
        ++depth;
        path += std::string(path.empty() ? "" : " > ") + label;
        std::string problem;
        chosen = FindItem(items, QString::fromUtf8(label), problem);
        if (!chosen) {
            ADD_FAILURE() << "menu " << path << ": " << problem;
            return false;
        }
        if (!chosen->isEnabled()) {
            ADD_FAILURE() << "menu " << path << " is greyed";
            return false;
        }
        if (QMenu* popup = chosen->menu(); popup && depth < labels.size()) {
            emit popup->aboutToShow();
            opened.push_back(popup);
            items = popup->actions();
        }
    }
    if (chosen->menu()) {
        ADD_FAILURE() << "menu " << path << " opens a pop-up, not a command";
        return false;
    }
    if (!chosen->isEnabled()) {
        ADD_FAILURE() << "menu " << path << " is greyed";
        return false;
    }
    for (auto menu = opened.rbegin(); menu != opened.rend(); ++menu) {
        emit(*menu)->aboutToHide(); // a click closes the menus before the command runs
    }
    // A click tells the item and the bar its pop-up came from: frames listen to their items,
    // dialogs' own menu bars to the bar.
    const QPointer<QMenuBar> clickedBar(bar);
    const QPointer<QAction> clicked(chosen);
    chosen->trigger();
    if (clickedBar && clicked) {
        emit clickedBar->triggered(clicked);
    }
    Settle();
    return true;
}

} // namespace

platform::DialogScript::Answer FileDialogAnswer(const std::string& path) {
    return [path](CDialog& dialog) { AnswerWithName(dialog, path); };
}

void PressOk(CDialog& dialog) {
    if (QWidget* ok = dialog.GetDlgItemWidget(IDOK)) {
        ok->setFocus();
    }
    dialog.OnOK();
}

bool DropFiles(QWidget& target, const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    for (const std::string& path : paths) {
        urls << QUrl::fromLocalFile(QString::fromStdString(path));
    }
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) {
        ADD_FAILURE() << "the window refuses the dragged files";
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    Settle();
    return true;
}

void ClickAt(QWidget& target, int x, int y, Qt::MouseButton button) {
    const QPointF at(x, y);
    const QPointF global = target.mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
    QApplication::processEvents();
}

void RequireTool(const char* tool, const char* package) {
    if (QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty()) {
        std::printf("failed: %s is not installed (Debian package %s; scripts/install-deps.sh installs it)\n",
                    tool, package);
        std::fflush(stdout);
        std::exit(1);
    }
}

ToolRun RunTool(const std::vector<std::string>& command) {
    ToolRun run;
    if (command.empty()) {
        return run;
    }
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i) {
        arguments << QString::fromStdString(command[i]);
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromStdString(command.front()), arguments);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.output = process.readAll().toStdString();
    return run;
}

ToolRun ReadCp932(const std::string& path) {
    return RunTool({"iconv", "-f", "CP932", "-t", "UTF-8", path});
}

int PdfPageCount(const std::string& pdf) {
    const ToolRun info = RunTool({"pdfinfo", pdf});
    const std::string lines = "\n" + info.output;
    const std::size_t label = lines.find("\nPages:");
    int pages = -1;
    if (info.exitCode != 0 || label == std::string::npos ||
        !platform::ScanInt(lines.c_str() + label + 7, pages)) {
        ADD_FAILURE() << "pdfinfo reads no page count of " << pdf << ":\n" << info.output;
        return -1;
    }
    return pages;
}

bool PdfPagePrinted(const std::string& pdf, int page, int dpi) {
    TempDir images("pdf-page");
    const std::string image = images.File("page");
    const std::string number = std::to_string(page);
    const ToolRun render = RunTool({"pdftoppm", "-f", number, "-l", number, "-r", std::to_string(dpi),
                                    "-gray", "-singlefile", pdf, image});
    if (render.exitCode != 0) {
        ADD_FAILURE() << "pdftoppm renders no page " << page << " of " << pdf << ":\n" << render.output;
        return false;
    }
    const std::string pgm = ReadBytes(image + ".pgm");
    return pgm.find_first_not_of('\xff', pgm.size() / 4) != std::string::npos;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace testsupport
