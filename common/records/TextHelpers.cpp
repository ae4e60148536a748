#include "TextHelpers.h"

#include "platform/core/CodePage.h"

#include <cstring>
#include <new>

void PadWithBlanks(CString& text, int width) {
    if (text.GetLength() < width) {
        text += CString(' ', width - text.GetLength());
    }
}

void PadWithBlanks(char* text, int width) {
    int length = static_cast<int>(std::strlen(text));
    if (length < width) {
        std::memset(text + length, ' ', static_cast<std::size_t>(width - length));
        text[width] = '\0';
    }
}

int NormalizeBlanks(CString& text) {
    if (!text.IsEmpty() && text[text.GetLength() - 1] == ' ') {
        int first = 0;
        while (first < text.GetLength() && text[first] == ' ') {
            ++first;
        }
        int last = text.GetLength();
        while (last > first && text[last - 1] == ' ') {
            --last;
        }
        text = text.Mid(first, last - first);
    }
    return text.GetLength();
}

void SplitPath(const char* path, CString* directory, CString* name, CString* extension) {
    std::string_view full(path);
    std::size_t slash = full.rfind('/');
    std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    std::string_view file = full.substr(nameStart);
    std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) {
        dot = file.size();
    }
    if (directory) {
        *directory = CString(full.substr(0, nameStart));
    }
    if (name) {
        *name = CString(file.substr(0, dot));
    }
    if (extension) {
        *extension = CString(file.substr(dot));
    }
}

CString ResolveBeside(const CString& directory, const CString& name) {
    if (name.IsEmpty() || name[0] == '/') {
        return name;
    }
    return directory + name;
}

namespace {

// Full-width forms of half-width katakana 0xA1..0xDF (U+FF61..U+FF9F).
const char16_t kFullWidthKana[] = u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソ"
                                  u"タチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";

// The full-width UTF-16 form of a single byte, or 0 when it has none.
char16_t FullWidthOf(unsigned char byte) {
    if (byte == 0x20) {
        return u'\u3000';
    }
    if (byte > 0x20 && byte < 0x7F) {
        return static_cast<char16_t>(0xFF00 + (byte - 0x20));
    }
    if (byte >= 0xA1 && byte <= 0xDF) {
        return kFullWidthKana[byte - 0xA1];
    }
    return 0;
}

} // namespace

int ToFullWidth(const CString& text, CString& out) {
    out.Empty();
    const std::string& bytes = text.str();
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t len = platform::Cp932CharLength(bytes, pos);
        char16_t wide = len == 1 ? FullWidthOf(static_cast<unsigned char>(bytes[pos])) : 0;
        auto converted = wide ? platform::Utf16ToCp932Strict(std::u16string(1, wide)) : std::nullopt;
        out += converted ? CString(*converted) : CString(bytes.substr(pos, len));
        pos += len;
    }
    return 1;
}

int IsSingleByteText(const char* text) {
    for (const char* p = text; *p; ++p) {
        if (platform::IsCp932LeadByte(static_cast<unsigned char>(*p))) {
            return 0;
        }
    }
    return 1;
}

int AppendOneToEachChar(CString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.GetLength()) * 2);
    for (char ch : text.str()) {
        out += ch;
        out += '1';
    }
    text = CString(std::move(out));
    return text.GetLength();
}

CString CutToWidth(const CString& text, int maxBytes) {
    if (maxBytes <= 0) {
        return CString();
    }
    return text.Left(
        static_cast<int>(platform::Cp932SafeCut(text.str(), static_cast<std::size_t>(maxBytes))));
}

char* DuplicateString(const char* text) {
    std::size_t size = std::strlen(text) + 1;
    char* copy = new (std::nothrow) char[size];
    if (copy) {
        std::memcpy(copy, text, size);
    }
    return copy;
}
