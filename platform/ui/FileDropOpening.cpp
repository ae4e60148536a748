#include "platform/ui/FileDropOpening.h"

#include "platform/core/CString.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/QtText.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace platform {

namespace {

class FileDropFilter : public QObject {
public:
    explicit FileDropFilter(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::DragEnter) {
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (enter->mimeData()->hasUrls()) {
                enter->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            for (const QUrl& url : drop->mimeData()->urls()) {
                if (url.isLocalFile()) {
                    OpenDropped(url.toLocalFile());
                }
            }
            drop->acceptProposedAction();
            return true;
        }
        return false;
    }

private:
    // A name the suite's texts cannot hold would open another file than the one dropped.
    static void OpenDropped(const QString& localPath) {
        CString path;
        if (!FromQString(localPath, path)) {
            AfxMessageBox(UnholdablePathMessage(localPath));
        } else if (AfxGetApp()) {
            AfxGetApp()->OpenDocumentFile(path);
        }
    }
};

} // namespace

void OpenDroppedFiles(QWidget* window) {
    if (!window) {
        return;
    }
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window));
}

} // namespace platform
