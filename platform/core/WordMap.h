#pragma once
// Map from a 16-bit key to a pointer with the framework's iteration shape;
// the common body of CMapWordToOb and CMapWordToPtr.
//
//   POSITION pos = map.GetStartPosition();
//   WORD key; T value;
//   while (pos && map.FetchNext(pos, key, value)) { ... }
//
// Iteration runs in ascending key order. A position names the next key, so removing
// the entry just returned (or any other) during iteration is safe.

#include "platform/core/Types.h"

#include <cstdint>
#include <map>

namespace platform {

template <typename T> class WordMap {
public:
    int GetCount() const { return static_cast<int>(entries_.size()); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return entries_.empty(); }

    bool Lookup(WORD key, T& value) const {
        auto it = entries_.find(key);
        if (it == entries_.end()) {
            return false;
        }
        value = it->second;
        return true;
    }
    T& operator[](WORD key) { return entries_[key]; }
    void SetAt(WORD key, T value) { entries_[key] = value; }
    bool RemoveKey(WORD key) { return entries_.erase(key) > 0; }
    void RemoveAll() { entries_.clear(); }

    POSITION GetStartPosition() const { return entries_.empty() ? nullptr : ToPos(entries_.begin()->first); }
    // The entry pos names (or the next one left) and the position after it; false (and pos
    // null) when the named entry and all after it were removed.
    bool FetchNext(POSITION& pos, WORD& key, T& value) const {
        auto it = entries_.lower_bound(FromPos(pos));
        if (it == entries_.end()) {
            pos = nullptr;
            return false;
        }
        key = it->first;
        value = it->second;
        ++it;
        pos = it == entries_.end() ? nullptr : ToPos(it->first);
        return true;
    }

    // Largest key in use, or -1 for an empty map.
    int MaxKey() const { return entries_.empty() ? -1 : entries_.rbegin()->first; }

private:
    static POSITION ToPos(WORD key) {
        return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(key) + 1);
    }
    static WORD FromPos(POSITION pos) { return static_cast<WORD>(reinterpret_cast<std::uintptr_t>(pos) - 1); }

    std::map<WORD, T> entries_;
};

} // namespace platform
