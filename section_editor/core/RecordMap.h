#pragma once
// An owning map from an int key to a record, iterated in ascending key order. Point
// numbers in files reach 99999, so keys are never narrowed to 16 bits.
//
// The records lie in key order in one sequence rather than a tree: points and lines are
// made with ever higher keys, and a model of a hundred thousand of them is then walked,
// searched and freed without chasing a node per record. A removed record leaves its place
// empty (iteration skips it, its key takes it again) except at the end, where places go;
// a key below the highest without a place is inserted in order. Iterators hold a position,
// so a loop may remove records, and records made with higher keys during a loop are
// visited, as a tree map's loop would do.

#include <algorithm>
#include <cstddef>
#include <deque>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace merdok {

template <typename T> class RecordMap {
public:
    using Entry = std::pair<int, std::unique_ptr<T>>;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator() = default;
        const_iterator(const std::deque<Entry>* entries, std::size_t at) : entries_(entries), at_(at) {
            SkipEmptyPlaces();
        }
        reference operator*() const { return (*entries_)[at_]; }
        pointer operator->() const { return &(*entries_)[at_]; }
        const_iterator& operator++() {
            ++at_;
            SkipEmptyPlaces();
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        // Every iterator past the last record is the end, however the map changed meanwhile.
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.AtEnd() == b.AtEnd() && (a.AtEnd() || a.at_ == b.at_);
        }

    private:
        bool AtEnd() const { return !entries_ || at_ >= entries_->size(); }
        void SkipEmptyPlaces() {
            while (!AtEnd() && !(*entries_)[at_].second) {
                ++at_;
            }
        }

        const std::deque<Entry>* entries_ = nullptr;
        std::size_t at_ = 0;
    };

    // The record under the key, or null.
    T* Lookup(int key) const {
        const std::ptrdiff_t at = PlaceOf(key);
        return at < 0 ? nullptr : entries_[static_cast<std::size_t>(at)].second.get();
    }
    // Enters the record under the key; a record already there is deleted. A null record
    // removes the key's record.
    T* SetAt(int key, std::unique_ptr<T> record) {
        T* raw = record.get();
        if (!raw) {
            Remove(key);
            return nullptr;
        }
        if (entries_.empty() || key > entries_.back().first) {
            entries_.emplace_back(key, std::move(record));
        } else if (key < entries_.front().first) {
            entries_.emplace_front(key, std::move(record));
        } else if (auto it = LowerBound(key); it->first == key) {
            count_ -= it->second ? 1 : 0;
            it->second = std::move(record);
        } else {
            entries_.emplace(it, key, std::move(record));
        }
        ++count_;
        return raw;
    }
    // Takes the record out of the map (null when none).
    std::unique_ptr<T> Remove(int key) {
        const std::ptrdiff_t at = PlaceOf(key);
        if (at < 0 || !entries_[static_cast<std::size_t>(at)].second) {
            return nullptr;
        }
        std::unique_ptr<T> record = std::move(entries_[static_cast<std::size_t>(at)].second);
        --count_;
        while (!entries_.empty() && !entries_.back().second) {
            entries_.pop_back();
        }
        return record;
    }
    void RemoveAll() {
        entries_.clear();
        count_ = 0;
    }

    int GetCount() const { return static_cast<int>(count_); }
    bool IsEmpty() const { return count_ == 0; }
    // Largest key in use, -1 when empty.
    int MaxKey() const { return entries_.empty() ? -1 : entries_.back().first; }
    // The keys in order, taken before the caller changes the map.
    std::vector<int> Keys() const {
        std::vector<int> keys;
        keys.reserve(count_);
        for (const auto& entry : *this) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    // Calls visit(key, record) for every record in key order. The map must not change
    // meanwhile: unlike its iterators, the visit steps through the places without finding
    // each again.
    template <typename Visit> void ForEach(Visit visit) const {
        for (const Entry& entry : entries_) {
            if (entry.second) {
                visit(entry.first, *entry.second);
            }
        }
    }
    template <typename Visit> void ForEach(Visit visit) {
        for (Entry& entry : entries_) {
            if (entry.second) {
                visit(entry.first, *entry.second);
            }
        }
    }

    const_iterator begin() const { return const_iterator(&entries_, 0); }
    const_iterator end() const { return const_iterator(&entries_, entries_.size()); }

private:
    // Where the key has its place (with or without a record), -1 when nowhere. Keys made one
    // after another sit at their distance from the first, which is tried before a search.
    std::ptrdiff_t PlaceOf(int key) const {
        if (entries_.empty()) {
            return -1;
        }
        const long long guess = static_cast<long long>(key) - entries_.front().first;
        if (guess >= 0 && guess < static_cast<long long>(entries_.size()) &&
            entries_[static_cast<std::size_t>(guess)].first == key) {
            return static_cast<std::ptrdiff_t>(guess);
        }
        const auto it = std::as_const(*this).LowerBound(key);
        return it != entries_.end() && it->first == key ? it - entries_.begin() : -1;
    }
    typename std::deque<Entry>::const_iterator LowerBound(int key) const {
        return std::lower_bound(entries_.begin(), entries_.end(), key,
                                [](const Entry& entry, int wanted) { return entry.first < wanted; });
    }
    typename std::deque<Entry>::iterator LowerBound(int key) {
        return std::lower_bound(entries_.begin(), entries_.end(), key,
                                [](const Entry& entry, int wanted) { return entry.first < wanted; });
    }

    std::deque<Entry> entries_; // ascending keys; an empty place holds no record
    std::size_t count_ = 0;
};

} // namespace merdok
