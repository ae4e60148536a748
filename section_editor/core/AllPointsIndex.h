#pragma once
// The document's index of every point by sequence number, referring only (the kinds' maps
// own the points). Sequence numbers are handed out one after another from 0, so the index
// is a vector with a place per number: a point is entered and found without a tree node
// each, and a hundred thousand points cost one pointer each. A removed point leaves its
// place empty, except at the end, where places go. Iterated in ascending number.

#include <cstddef>
#include <utility>
#include <vector>

namespace merdok {

class CNode;

class AllPointsIndex {
public:
    class const_iterator {
    public:
        const_iterator(const std::vector<CNode*>* places, std::size_t at) : places_(places), at_(at) {
            SkipEmptyPlaces();
        }
        // The sequence number and the point.
        std::pair<int, CNode*> operator*() const { return {static_cast<int>(at_), (*places_)[at_]}; }
        const_iterator& operator++() {
            ++at_;
            SkipEmptyPlaces();
            return *this;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.at_ == b.at_; }

    private:
        void SkipEmptyPlaces() {
            while (at_ < places_->size() && !(*places_)[at_]) {
                ++at_;
            }
        }

        const std::vector<CNode*>* places_;
        std::size_t at_;
    };

    // Enters the point under the number (>= 0), in place of any point there.
    void Set(int seqNo, CNode* point);
    // Takes the point out when it is the one under the number.
    void Remove(int seqNo, const CNode* point);
    void clear();
    // Room for this many more numbers after the highest, so that a long import does not copy
    // the index again and again while its points come.
    void Reserve(std::size_t more);
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The highest number in use, -1 when empty.
    int MaxSeqNo() const { return static_cast<int>(places_.size()) - 1; }

    const_iterator begin() const { return const_iterator(&places_, 0); }
    const_iterator end() const { return const_iterator(&places_, places_.size()); }

private:
    std::vector<CNode*> places_; // the last place always holds a point
    std::size_t count_ = 0;
};

} // namespace merdok
