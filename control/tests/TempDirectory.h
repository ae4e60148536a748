#pragma once
// A fresh directory per test, removed with everything in it afterwards.

#include "platform/core/CString.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TempDirectory {
public:
    TempDirectory() {
        char pattern[] = "/tmp/basnev_test_XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempDirectory() { std::filesystem::remove_all(path_); }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return path_; }
    // The directory with a trailing '/'.
    CString Slash() const { return CString((path_ + "/").c_str()); }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::string File(const char8_t* name) const { return File(Text(name)); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    void Write(const char8_t* name, const std::string& bytes) const { Write(Text(name), bytes); }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    static std::string Text(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

    std::string path_;
};
