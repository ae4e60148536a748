#include "common/section/PendingPointEdit.h"

namespace section {

const PendingPointEdit::Entry* PendingPointEdit::Find(int key) const {
    const auto it = copies_.find(key);
    return it == copies_.end() ? nullptr : &it->second;
}

std::map<int, PendingPointEdit::Entry> PendingPointEdit::TakeCopies() {
    std::map<int, Entry> taken;
    taken.swap(copies_);
    return taken;
}

void PendingPointEdit::Clear() {
    copies_.clear();
    replaced_.clear();
    dropped_.clear();
    lineKeys_.clear();
    newPoints_ = 0;
    lineOrderChanged_ = false;
}

} // namespace section
