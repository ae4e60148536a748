#include "CNumberToKey.h"

#include "analysis/core/CNode.h"
#include "platform/core/CException.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <cstring>

namespace torvan {

IMPLEMENT_DYNAMIC(CNumberToKey, CObject)
IMPLEMENT_DYNAMIC(CKeyToNumber, CObject)

namespace {

// Sizes the table to size + 1 empty slots; false after the out-of-memory message.
bool PrepareTable(CUIntArray& table, const CMapWordToOb& points, int size, const char8_t* message) {
    if (points.IsEmpty() || size <= 0) {
        return false;
    }
    try {
        table.SetSize(size + 1);
    } catch (const CMemoryException&) {
        table.RemoveAll();
        AfxMessageBox(message);
        return false;
    }
    for (int i = 0; i <= size; ++i) {
        table[i] = platform::kUnassignedSlot;
    }
    return true;
}

// Calls visit(key, node) for every point of the map.
template <typename Visit> void ForEachNode(const CMapWordToOb& points, Visit visit) {
    for (auto [key, object] : platform::MapEntries<CObject>(points)) {
        if (object && std::strcmp(object->GetRuntimeClass()->m_lpszClassName, "CNode") == 0) {
            visit(key, *static_cast<const CNode*>(object));
        }
    }
}

// Without an entry the value shifted by offset (number - 1 or key + 1).
int LookupOrFallback(const CUIntArray& table, int value, int offset) {
    if (value == platform::kUnsetInt) {
        return value;
    }
    if (value < 0 || value >= table.GetSize() || table[value] == platform::kUnassignedSlot) {
        return value + offset;
    }
    return static_cast<int>(table[value]);
}

} // namespace

int CNumberToKey::Build(const CMapWordToOb& points, int largestNumber) {
    if (!PrepareTable(table_, points, largestNumber,
                      u8"メモリ不足のため、配列を生成できません (CNumberToKey)")) {
        return 0;
    }
    ForEachNode(points, [this](WORD key, const CNode& node) {
        if (node.number >= 0 && node.number < table_.GetSize()) {
            table_[node.number] = key;
        }
    });
    return 1;
}

int CNumberToKey::Lookup(int number) const {
    return LookupOrFallback(table_, number, -1);
}

int CKeyToNumber::Build(const CMapWordToOb& points, int largestNumber) {
    if (!PrepareTable(table_, points, largestNumber,
                      u8"メモリ不足のため、配列を生成できません (CKeyToNumber)")) {
        return 0;
    }
    ForEachNode(points, [this](WORD key, const CNode& node) {
        if (key < table_.GetSize()) {
            table_[key] = static_cast<UINT>(node.number);
        }
    });
    return 1;
}

int CKeyToNumber::Lookup(int key) const {
    return LookupOrFallback(table_, key, +1);
}

} // namespace torvan
