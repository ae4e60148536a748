#include "list_viewer/core/PageRows.h"

namespace wenux {

int LinesPerPageOf(int documentType) {
    return documentType == kCalculationLog || documentType == kEditErrorLog ? 112 : 55;
}

bool ReadRows(CLineIndex& index, int firstLine, int count, std::vector<std::string>& rows) {
    rows.clear();
    if (count <= 0) {
        return true;
    }
    if (!index.EnsureWindowFor(firstLine, firstLine + count - 1)) {
        return false;
    }
    const std::int64_t offset = index.WindowOffset(firstLine);
    if (offset < 0) {
        return false;
    }
    char text[CListLineReader::kRowBufferSize];
    try {
        index.SeekList(offset);
        for (int row = 0; row < count; ++row) {
            if (index.ReadListLine(text, CListLineReader::kRowBufferSize) != 0) {
                rows.emplace_back();
                continue;
            }
            CutAtLastCarriageReturn(text);
            rows.emplace_back(text);
        }
    } catch (const CFileException&) {
        rows.resize(static_cast<std::size_t>(count));
    }
    return true;
}

bool ReadPageRows(CLineIndex& index, int documentType, int page, std::vector<std::string>& rows) {
    const PageRecord& record = index.Page(page);
    return ReadRows(index, ScannerLine(record.firstLine, documentType),
                    record.lastLine - record.firstLine + 1, rows);
}

} // namespace wenux
