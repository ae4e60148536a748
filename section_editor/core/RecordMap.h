#pragma once
// An owning map from an int key to a record, iterated in ascending key order. Point
// numbers in files reach 99999, so keys are never narrowed to 16 bits.

#include <map>
#include <memory>
#include <vector>

namespace merdok {

template <typename T> class RecordMap {
public:
    using Storage = std::map<int, std::unique_ptr<T>>;

    // The record under the key, or null.
    T* Lookup(int key) const {
        auto it = records_.find(key);
        return it == records_.end() ? nullptr : it->second.get();
    }
    // Enters the record under the key; a record already there is deleted.
    T* SetAt(int key, std::unique_ptr<T> record) {
        T* raw = record.get();
        records_[key] = std::move(record);
        return raw;
    }
    // Takes the record out of the map (null when none).
    std::unique_ptr<T> Remove(int key) {
        auto it = records_.find(key);
        if (it == records_.end()) {
            return nullptr;
        }
        std::unique_ptr<T> record = std::move(it->second);
        records_.erase(it);
        return record;
    }
    void RemoveAll() { records_.clear(); }

    int GetCount() const { return static_cast<int>(records_.size()); }
    bool IsEmpty() const { return records_.empty(); }
    // Largest key in use, -1 when empty.
    int MaxKey() const { return records_.empty() ? -1 : records_.rbegin()->first; }
    // The keys in order, taken before the caller changes the map.
    std::vector<int> Keys() const {
        std::vector<int> keys;
        keys.reserve(records_.size());
        for (const auto& entry : records_) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    typename Storage::const_iterator begin() const { return records_.begin(); }
    typename Storage::const_iterator end() const { return records_.end(); }

private:
    Storage records_;
};

} // namespace merdok
