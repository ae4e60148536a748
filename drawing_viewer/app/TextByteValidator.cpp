#include "drawing_viewer/app/TextByteValidator.h"

#include "platform/core/CString.h"
#include "platform/ui/QtText.h"

namespace zapho {

TextByteValidator::TextByteValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State TextByteValidator::validate(QString& input, int& /*position*/) const {
    CString bytes;
    if (!platform::FromQString(input, bytes) || bytes.GetLength() > maxBytes_) {
        return Invalid;
    }
    return Acceptable;
}

} // namespace zapho
