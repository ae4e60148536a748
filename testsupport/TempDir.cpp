#include "testsupport/TempDir.h"

#include "testsupport/FileBytes.h"

#include <cstdlib>
#include <iterator>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir(const std::string& stem) {
    std::string pattern = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory from " + pattern);
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return (path_ / name).string();
}

std::string TempDir::File(const char8_t* utf8Name) const {
    return File(std::string(reinterpret_cast<const char*>(utf8Name)));
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::string path = File(name);
    WriteBytes(path, bytes);
    return path;
}

std::string TempDir::Write(const char8_t* utf8Name, const std::string& bytes) const {
    return Write(std::string(reinterpret_cast<const char*>(utf8Name)), bytes);
}

std::string TempDir::Read(const std::string& name) const {
    return ReadBytes(File(name));
}

std::string TempDir::MakeDirectory(const std::string& name) const {
    std::filesystem::create_directories(path_ / name);
    return File(name);
}

int TempDir::EntryCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_), {}));
}

} // namespace testsupport
