// list-index-dump FILE --type lst|log|lop|loe [--rows K]
// Builds the line index of FILE as a view of that document type does and prints it as
// JSON: line count, pages (scanner numbering), messages shown, and with --rows the
// rows of page K as lower-case hex of their CP932 bytes.

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/PageRows.h"
#include "platform/core/FileSizeSignal.h"

#include "platform/core/CodePage.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RecordingSink.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int TypeFromName(const std::string& name) {
    if (name == "lst") {
        return wenux::kResultList;
    }
    if (name == "log") {
        return wenux::kCalculationLog;
    }
    if (name == "lop") {
        return wenux::kDrawingLog;
    }
    if (name == "loe") {
        return wenux::kEditErrorLog;
    }
    return -1;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", ch);
            out += escape;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out + "\"";
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char pair[3];
    for (unsigned char ch : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", ch);
        out += pair;
    }
    return out;
}

int Usage() {
    std::fprintf(stderr, "usage: list-index-dump FILE --type lst|log|lop|loe [--rows K]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    std::string path;
    int type = -1;
    int rowsPage = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--type") == 0 && i + 1 < argc) {
            type = TypeFromName(argv[++i]);
        } else if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc) {
            if (!platform::ScanInt(argv[++i], rowsPage)) {
                return Usage();
            }
        } else if (path.empty()) {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (path.empty() || type < 0) {
        return Usage();
    }
    platform::RecordingSink sink;
    const CString listPath(platform::Utf8ToCp932(path));
    std::vector<std::string> rows;
    bool haveRows = false;
    {
        wenux::CLineIndex index;
        if (index.OpenListFile(listPath, wenux::LinesPerPageOf(type)) && rowsPage >= 1 &&
            rowsPage <= index.PageCount()) {
            haveRows = true;
            wenux::ReadPageRows(index, type, rowsPage - 1, rows);
        }
        std::printf("{\"line_count\": %d, \"pages\": [", index.LineCount());
        for (int p = 0; p < index.PageCount(); ++p) {
            std::printf("%s[%d, %d]", p ? ", " : "", index.Page(p).firstLine, index.Page(p).lastLine);
        }
        index.CloseListFiles();
    }
    std::printf("], \"messages\": [");
    const std::vector<std::string> messages = sink.MessagesUtf8();
    for (std::size_t m = 0; m < messages.size(); ++m) {
        std::printf("%s%s", m ? ", " : "", JsonString(messages[m]).c_str());
    }
    std::printf("]");
    if (rowsPage != 0) {
        std::printf(", \"rows\": [");
        for (std::size_t r = 0; haveRows && r < rows.size(); ++r) {
            std::printf("%s\"%s\"", r ? ", " : "", Hex(rows[r]).c_str());
        }
        std::printf("]");
    }
    std::printf("}\n");
    return 0;
}
