#pragma once
// Typed iteration over the framework's word maps, in place of GetNextAssoc loops:
//
//   for (auto [key, point] : platform::MapEntries<CNode>(doc.GroundPoints())) { ... }
//
// Runs in ascending key order and yields each key with its value cast to T* (the map's
// values must be T objects). As with GetNextAssoc, the entry just yielded (or any other)
// may be removed from the map inside the loop.

#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"

namespace platform {

template <typename T> struct MapEntry {
    WORD key;
    T* value;
};

template <typename T, typename Value> class MapEntryRange {
public:
    explicit MapEntryRange(const WordMap<Value>& map) : map_(map) {}

    class Iterator {
    public:
        Iterator() = default; // the end
        explicit Iterator(const WordMap<Value>& map)
            : map_(&map), next_(map.GetStartPosition()), atEnd_(false) {
            Advance();
        }
        MapEntry<T> operator*() const { return current_; }
        Iterator& operator++() {
            Advance();
            return *this;
        }
        bool operator!=(const Iterator& other) const { return atEnd_ != other.atEnd_; }

    private:
        void Advance() {
            if (next_ == nullptr) {
                atEnd_ = true;
                return;
            }
            Value value{};
            atEnd_ = !map_->FetchNext(next_, current_.key, value);
            current_.value = static_cast<T*>(value);
        }

        const WordMap<Value>* map_ = nullptr;
        POSITION next_ = nullptr;
        MapEntry<T> current_{};
        bool atEnd_ = true;
    };

    Iterator begin() const { return Iterator(map_); }
    Iterator end() const { return Iterator(); }

private:
    const WordMap<Value>& map_;
};

template <typename T> MapEntryRange<T, CObject*> MapEntries(const CMapWordToOb& map) {
    return MapEntryRange<T, CObject*>(map);
}

template <typename T> MapEntryRange<T, void*> MapEntries(const CMapWordToPtr& map) {
    return MapEntryRange<T, void*>(map);
}

} // namespace platform
