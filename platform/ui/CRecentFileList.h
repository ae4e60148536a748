#pragma once
// The most-recently-used file list: newest first, at most a given number of entries, each
// path once (compared exactly) by its full name. Stored in the settings file as section
// "Recent File List", keys "File1".."FileN".

#include "platform/core/CString.h"

#include <vector>

namespace platform {
class ProfileFile;
}

class CRecentFileList {
public:
    explicit CRecentFileList(int maxSize = 4) : maxSize_(maxSize) {}

    void Add(const CString& path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(paths_.size()); }
    const CString& operator[](int index) const { return paths_[static_cast<std::size_t>(index)]; }

    void ReadList(const platform::ProfileFile& file);
    bool WriteList(const platform::ProfileFile& file) const;

private:
    int maxSize_;
    std::vector<CString> paths_;
};
