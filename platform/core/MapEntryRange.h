#pragma once
// One pass over a framework word map in ascending key order, each entry as its key and its
// value cast to T* (see MapEntries.h, which makes these ranges).

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

} // namespace platform
