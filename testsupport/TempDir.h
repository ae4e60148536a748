#pragma once
// A fresh private directory under the system's temporary directory ($TMPDIR when set),
// removed with everything in it when the object goes.

#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
public:
    // The stem starts the directory's name, to tell the test programs' directories apart.
    explicit TempDir(const std::string& stem = "verrant-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The directory with a trailing '/', as the programs keep directories.
    std::string Slash() const { return path_.string() + "/"; }
    // The path of a file of that name inside the directory.
    std::string File(const std::string& name) const;
    std::string File(const char8_t* utf8Name) const;
    // Writes the bytes to a file of that name and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Write(const char8_t* utf8Name, const std::string& bytes) const;
    // The bytes of a file of that name; empty when it cannot be read.
    std::string Read(const std::string& name) const;
    // Makes a subdirectory of that name and returns its path.
    std::string MakeDirectory(const std::string& name) const;
    // Number of entries in the directory (to see that no work file stays behind).
    int EntryCount() const;

private:
    std::filesystem::path path_;
};

} // namespace testsupport
