#pragma once
// Temporary list files for the tests of the list viewer.

#include "platform/core/CString.h"

#include <filesystem>
#include <string>

namespace wenux::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes the bytes to a file of that name and returns its path as a CP932 string.
    CString Write(const std::string& name, const std::string& bytes) const;
    CString PathOf(const std::string& name) const;
    // Number of entries in the directory (to see that no work file stays behind).
    int EntryCount() const;

private:
    std::filesystem::path path_;
};

// n lines "L000001" ... each ended by CR LF.
std::string NumberedLines(int count);
std::string DataFile(const char* name);

} // namespace wenux::test
