#pragma once
// The lines of a whole plot page file held in memory, taken one at a time without copying.
// A line ends at LF; the CR of a CR LF end is dropped, as is one more CR before it (as the
// stream reader and the command reader together did); a last line without LF counts, with
// one CR dropped.

#include <cstring>
#include <string_view>

namespace zapho {

class PlotLines {
public:
    explicit PlotLines(std::string_view bytes) : rest_(bytes) {}

    // The next line without its end; false when none is left.
    bool Next(std::string_view& line) {
        if (rest_.empty()) {
            return false;
        }
        const void* found = std::memchr(rest_.data(), '\n', rest_.size());
        std::size_t length = rest_.size();
        int carriageReturns = 1;
        if (found) {
            length = static_cast<std::size_t>(static_cast<const char*>(found) - rest_.data());
            carriageReturns = 2;
        }
        line = rest_.substr(0, length);
        rest_.remove_prefix(found ? length + 1 : length);
        for (; carriageReturns > 0 && !line.empty() && line.back() == '\r'; --carriageReturns) {
            line.remove_suffix(1);
        }
        return true;
    }

private:
    std::string_view rest_;
};

} // namespace zapho
