#include "CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace platform {
namespace {

// One converter per direction and thread, reset before each use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On an invalid or unconvertible sequence, calls
    // onBad(input position) which returns the bytes to emit and the input bytes to skip,
    // or returns false to abandon the conversion.
    template <typename OnBad> bool Run(const char* in, std::size_t inLen, std::string& out, OnBad onBad) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        std::size_t srcLeft = inLen;
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL (incomplete sequence at the end).
            std::string replacement;
            std::size_t skip = 0;
            if (!onBad(src - in, srcLeft, replacement, skip)) {
                return false;
            }
            out += replacement;
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        return true;
    }

private:
    iconv_t cd_;
};

Converter& FromCp932(const char* to) {
    if (std::string_view(to) == "UTF-8") {
        thread_local Converter utf8("UTF-8", "CP932");
        return utf8;
    }
    thread_local Converter utf16("UTF-16LE", "CP932");
    return utf16;
}

Converter& ToCp932(const char* from) {
    if (std::string_view(from) == "UTF-8") {
        thread_local Converter utf8("CP932", "UTF-8");
        return utf8;
    }
    thread_local Converter utf16("CP932", "UTF-16LE");
    return utf16;
}

// Skips one bad CP932 character (two bytes when a lead byte is followed by anything).
std::size_t BadCp932Length(std::string_view rest) {
    if (rest.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(rest[0]))) {
        return 2;
    }
    return 1;
}

std::string DecodeCp932(std::string_view cp932, const char* to, std::string_view replacement) {
    std::string out;
    out.reserve(cp932.size() * 2);
    FromCp932(to).Run(cp932.data(), cp932.size(), out,
                      [&](std::size_t pos, std::size_t left, std::string& emit, std::size_t& skip) {
                          emit = replacement;
                          skip = BadCp932Length(cp932.substr(pos, left));
                          return true;
                      });
    return out;
}

} // namespace

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t Cp932CharLength(std::string_view text, std::size_t index) {
    if (index + 1 < text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[index]))) {
        return 2;
    }
    return 1;
}

std::size_t Cp932SafeCut(std::string_view text, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t len = Cp932CharLength(text, pos);
        if (pos + len > maxBytes) {
            break;
        }
        pos += len;
    }
    return pos < maxBytes ? pos : maxBytes;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    return DecodeCp932(cp932, "UTF-8", "\xEF\xBF\xBD");
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
    std::string bytes = DecodeCp932(cp932, "UTF-16LE", std::string("\xFD\xFF", 2));
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return out;
}

std::optional<std::string> Utf8ToCp932Strict(std::string_view utf8) {
    std::string out;
    bool ok =
        ToCp932("UTF-8").Run(utf8.data(), utf8.size(), out,
                             [](std::size_t, std::size_t, std::string&, std::size_t&) { return false; });
    if (!ok) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> Utf16ToCp932Strict(std::u16string_view utf16) {
    std::string bytes;
    bytes.reserve(utf16.size() * 2);
    for (char16_t c : utf16) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    std::string out;
    bool ok = ToCp932("UTF-16LE")
                  .Run(bytes.data(), bytes.size(), out,
                       [](std::size_t, std::size_t, std::string&, std::size_t&) { return false; });
    if (!ok) {
        return std::nullopt;
    }
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    ToCp932("UTF-8").Run(utf8.data(), utf8.size(), out,
                         [&](std::size_t pos, std::size_t left, std::string& emit, std::size_t& skip) {
                             emit = "?";
                             // Skip one UTF-8 character.
                             unsigned char lead = static_cast<unsigned char>(utf8[pos]);
                             std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
                             skip = len < left ? len : left;
                             return true;
                         });
    return out;
}

} // namespace platform
