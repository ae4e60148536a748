#include "common/records/CoordinateRows.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace {

// Keeps the pair that comes first in row order.
void KeepEarlier(RowPair& best, int a, int b) {
    const RowPair pair{std::min(a, b), std::max(a, b)};
    if (!best.Found() || pair.first < best.first || (pair.first == best.first && pair.second < best.second)) {
        best = pair;
    }
}

template <typename Key, typename KeyOf>
RowPair FindRepeated(const std::vector<CoordinateRow>& rows, KeyOf keyOf) {
    std::map<Key, int> firstRow;
    RowPair best;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Key key;
        if (!keyOf(rows[static_cast<std::size_t>(i)], key)) {
            continue;
        }
        auto [it, inserted] = firstRow.emplace(key, i + 1);
        if (!inserted) {
            KeepEarlier(best, it->second, i + 1);
        }
    }
    return best;
}

} // namespace

CString TrimmedName(const CString& name) {
    CString trimmed = name;
    trimmed.Trim();
    return trimmed;
}

RowPair FindDuplicateNumber(const std::vector<CoordinateRow>& rows) {
    return FindRepeated<int>(rows, [](const CoordinateRow& row, int& key) {
        key = row.number;
        return !platform::IsUnsetInt(row.number);
    });
}

RowPair FindDuplicateName(const std::vector<CoordinateRow>& rows) {
    return FindRepeated<std::string>(rows, [](const CoordinateRow& row, std::string& key) {
        key = TrimmedName(row.name).GetString();
        return !key.empty();
    });
}

RowPair FindClosePairs(const std::vector<CoordinateRow>& rows, double samePoint2, int* pairCount) {
    std::vector<int> order;
    order.reserve(rows.size());
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[static_cast<std::size_t>(i)].HasXY()) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&rows](int a, int b) {
        return rows[static_cast<std::size_t>(a)].x < rows[static_cast<std::size_t>(b)].x;
    });
    const double reach = std::sqrt(std::max(samePoint2, 0.0));
    RowPair best;
    int pairs = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CoordinateRow& a = rows[static_cast<std::size_t>(order[i])];
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            const CoordinateRow& b = rows[static_cast<std::size_t>(order[j])];
            const double dx = b.x - a.x;
            if (dx > reach) {
                break;
            }
            const double dy = b.y - a.y;
            if (dx * dx + dy * dy <= samePoint2) {
                ++pairs;
                KeepEarlier(best, order[i] + 1, order[j] + 1);
            }
        }
    }
    if (pairCount) {
        *pairCount = pairs;
    }
    return best;
}

CString ClosePairsWarning(const std::vector<CoordinateRow>& rows, double samePoint2) {
    int pairs = 0;
    const RowPair pair = FindClosePairs(rows, samePoint2, &pairs);
    CString message;
    if (!pair.Found()) {
        return message;
    }
    message.Format(u8"指定点 %d と %d の距離が近すぎます !!", pair.first, pair.second);
    if (pairs > 1) {
        CString more;
        more.Format(u8"\n(近すぎる点の組: %d 組)", pairs);
        message += more;
    }
    return message;
}

CString DuplicateNumberMessage(const RowPair& pair) {
    CString message;
    message.Format(u8"番号 %d と %d の点番号が重複しています !!", pair.first, pair.second);
    return message;
}
