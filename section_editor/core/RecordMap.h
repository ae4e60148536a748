#pragma once
// An owning map from an int key to a record, iterated in ascending key order. Point
// numbers in files reach 99999, so keys are never narrowed to 16 bits.

#include <map>
#include <memory>
#include <memory_resource>
#include <utility>
#include <vector>

namespace merdok {

template <typename T> class RecordMap {
public:
    using Storage = std::pmr::map<int, std::unique_ptr<T>>;

    RecordMap() : store_(std::make_unique<Store>()) {}
    // A map moved from is empty, as a std::map is.
    RecordMap(RecordMap&& other) : store_(std::exchange(other.store_, std::make_unique<Store>())) {}
    RecordMap& operator=(RecordMap&& other) {
        if (this != &other) {
            store_ = std::exchange(other.store_, std::make_unique<Store>());
        }
        return *this;
    }
    RecordMap(const RecordMap&) = delete;
    RecordMap& operator=(const RecordMap&) = delete;
    ~RecordMap() = default;

    // The record under the key, or null.
    T* Lookup(int key) const {
        auto it = store_->records.find(key);
        return it == store_->records.end() ? nullptr : it->second.get();
    }
    // Enters the record under the key; a record already there is deleted.
    T* SetAt(int key, std::unique_ptr<T> record) {
        T* raw = record.get();
        if (store_->records.empty() || key > store_->records.rbegin()->first) {
            // A new highest key, as points and lines are made: no search of the map.
            store_->records.emplace_hint(store_->records.end(), key, std::move(record));
        } else {
            store_->records[key] = std::move(record);
        }
        return raw;
    }
    // Takes the record out of the map (null when none).
    std::unique_ptr<T> Remove(int key) {
        auto it = store_->records.find(key);
        if (it == store_->records.end()) {
            return nullptr;
        }
        std::unique_ptr<T> record = std::move(it->second);
        store_->records.erase(it);
        return record;
    }
    void RemoveAll() { store_->records.clear(); }

    int GetCount() const { return static_cast<int>(store_->records.size()); }
    bool IsEmpty() const { return store_->records.empty(); }
    // Largest key in use, -1 when empty.
    int MaxKey() const { return store_->records.empty() ? -1 : store_->records.rbegin()->first; }
    // The keys in order, taken before the caller changes the map.
    std::vector<int> Keys() const {
        std::vector<int> keys;
        keys.reserve(store_->records.size());
        for (const auto& entry : store_->records) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    typename Storage::const_iterator begin() const { return store_->records.begin(); }
    typename Storage::const_iterator end() const { return store_->records.end(); }

private:
    // The map's nodes come from a pool of its own: a model of a hundred thousand points is
    // then laid out in a few blocks, which it walks, fills and frees quickly.
    struct Store {
        std::pmr::unsynchronized_pool_resource pool;
        Storage records{&pool};
    };
    std::unique_ptr<Store> store_;
};

} // namespace merdok
