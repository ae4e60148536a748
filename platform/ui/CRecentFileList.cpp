#include "platform/ui/CRecentFileList.h"

#include "platform/core/DiskNames.h"
#include "platform/core/ProfileFile.h"

#include <algorithm>

namespace {
const char* const kSection = "Recent File List";

CString EntryKey(int index) {
    CString key;
    key.Format("File%d", index + 1);
    return key;
}
} // namespace

void CRecentFileList::Add(const CString& path) {
    if (path.IsEmpty()) {
        return;
    }
    // An entry is chosen later from wherever the program then runs.
    const CString full(platform::FullPathName(path.str()));
    paths_.erase(std::remove(paths_.begin(), paths_.end(), full), paths_.end());
    paths_.insert(paths_.begin(), full);
    if (static_cast<int>(paths_.size()) > maxSize_) {
        paths_.resize(static_cast<std::size_t>(maxSize_));
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetSize()) {
        paths_.erase(paths_.begin() + index);
    }
}

void CRecentFileList::ReadList(const platform::ProfileFile& file) {
    paths_.clear();
    for (int i = 0; i < maxSize_; ++i) {
        CString path = file.GetString(kSection, EntryKey(i), "");
        if (!path.IsEmpty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) {
            paths_.push_back(path);
        }
    }
}

bool CRecentFileList::WriteList(const platform::ProfileFile& file) const {
    bool ok = true;
    for (int i = 0; i < maxSize_; ++i) {
        ok = file.WriteString(kSection, EntryKey(i),
                              i < GetSize() ? paths_[static_cast<std::size_t>(i)] : CString()) &&
             ok;
    }
    return ok;
}
