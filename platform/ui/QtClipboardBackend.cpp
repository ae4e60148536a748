#include "platform/ui/QtClipboardBackend.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

// One process-wide opener at a time, as on the desktop clipboard; another opener in this
// process waits for Close.
bool QtClipboardBackend::Open() {
    if (open_) {
        return false;
    }
    open_ = true;
    return true;
}

void QtClipboardBackend::Close() {
    open_ = false;
}

void QtClipboardBackend::Empty() {
    owned_.clear();
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
    }
}

QString QtClipboardBackend::MimeType(const std::string& formatName) {
    return QStringLiteral("application/x-verrant-") + QString::fromUtf8(formatName.c_str());
}

std::optional<std::string> QtClipboardBackend::GetData(const std::string& formatName) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    const QString mime = MimeType(formatName);
    if (!data || !data->hasFormat(mime)) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(mime);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QtClipboardBackend::SetData(const std::string& formatName, const std::string& bytes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return;
    }
    owned_[formatName] = bytes;
    auto* data = new QMimeData;
    for (const auto& [name, block] : owned_) {
        data->setData(MimeType(name), QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    }
    clipboard->setMimeData(data);
}

void InstallQtClipboard() {
    static QtClipboardBackend backend;
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    if (ClipboardBackend* previous = SetClipboardBackend(&backend)) {
        SetClipboardBackend(previous);
    }
}

} // namespace platform
