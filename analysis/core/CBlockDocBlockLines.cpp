// The block-line table's keyed lines of the analysis document.

#include "analysis/core/CBlockDoc.h"

#include "platform/core/Unset.h"

namespace torvan {

namespace {

void CopyKeyedLines(const std::map<int, std::pair<double, double>>& keyed,
                    std::vector<std::pair<double, double>>& ordered) {
    ordered.clear();
    ordered.reserve(keyed.size());
    for (const auto& [key, line] : keyed) {
        ordered.push_back(line);
    }
}

} // namespace

void CBlockDoc::SetBlockLineRows(const std::vector<BlockLineRow>& rows) {
    m_mapBlockLines.clear();
    for (const BlockLineRow& row : rows) {
        if (platform::IsUnsetInt(row.number) || row.number < 1 || platform::IsUnsetDouble(row.x)) {
            continue;
        }
        m_mapBlockLines[row.number - 1] = {row.x, row.beta};
    }
    CopyKeyedLines(m_mapBlockLines, blockLineTable_);
}

void CBlockDoc::KeyBlockLinesFromList() {
    m_mapBlockLines.clear();
    int key = 0;
    for (const BlockLineRecord& line : m_listBlockLines) {
        m_mapBlockLines[key++] = {line.x1, line.beta};
    }
    CopyKeyedLines(m_mapBlockLines, blockLineTable_);
}

std::vector<CBlockDoc::BlockLineRow> CBlockDoc::BlockLineRows() const {
    std::vector<BlockLineRow> rows;
    rows.reserve(m_mapBlockLines.size());
    for (const auto& [key, line] : m_mapBlockLines) {
        rows.push_back({key + 1, line.first, line.second});
    }
    return rows;
}

} // namespace torvan
