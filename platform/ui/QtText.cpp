#include "platform/ui/QtText.h"

#include "platform/core/CodePage.h"

#include <QStringList>

namespace platform {

QString ToQString(const CString& text) {
    std::u16string utf16 = Cp932ToUtf16(text.str());
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

bool FromQString(const QString& text, CString& out) {
    std::u16string utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                         static_cast<std::size_t>(text.size()));
    std::optional<std::string> bytes = Utf16ToCp932Strict(utf16);
    if (!bytes) {
        return false;
    }
    out = CString(std::move(*bytes));
    return true;
}

CString FromQStringLossy(const QString& text) {
    CString out;
    if (FromQString(text, out)) {
        return out;
    }
    QString cleaned;
    for (QChar ch : text) {
        CString one;
        cleaned += FromQString(QString(ch), one) ? ch : QChar('?');
    }
    FromQString(cleaned, out);
    return out;
}

QString ToQString(const char8_t* utf8) {
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8));
}

CString UnholdablePathMessage(const QString& path) {
    const QStringList parts = path.split('/');
    CString held;
    CString message;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (!FromQString(parts[i], held)) {
            message.Format(u8"%s\nﾌｫﾙﾀﾞ名に使用できない文字が含まれています",
                           FromQStringLossy(parts[i]).GetString());
            return message;
        }
    }
    message.Format(u8"%s\nﾌｧｲﾙ名に使用できない文字が含まれています",
                   FromQStringLossy(parts.back()).GetString());
    return message;
}

} // namespace platform
