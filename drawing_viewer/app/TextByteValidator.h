#pragma once
// Keeps a text field within a number of CP932 bytes (a double-byte character counts twice)
// and refuses characters that CP932 cannot hold, since the drawing stores its texts in it.

#include <QValidator>

namespace zapho {

class TextByteValidator : public QValidator {
public:
    TextByteValidator(int maxBytes, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    int maxBytes_;
};

} // namespace zapho
