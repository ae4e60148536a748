#pragma once
// A private temporary directory with files of given bytes, removed with the fixture.

#include "platform/core/CString.h"

#include <string>

class TestFiles {
public:
    TestFiles();
    ~TestFiles();
    TestFiles(const TestFiles&) = delete;
    TestFiles& operator=(const TestFiles&) = delete;

    // Writes bytes to name inside the directory; returns the full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string MakeDirectory(const std::string& name) const;
    std::string Path(const std::string& name) const { return directory_ + "/" + name; }
    const std::string& Directory() const { return directory_; }

    // A TITLE line carrying tag from column 61.
    static std::string TitleLine(const std::string& title, const std::string& tag);

private:
    std::string directory_;
};
