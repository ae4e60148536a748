#include "ListTestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace wenux::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wenux-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CString TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return PathOf(name);
}

CString TempDir::PathOf(const std::string& name) const {
    return CString((path_ / name).string());
}

int TempDir::EntryCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_), {}));
}

std::string NumberedLines(int count) {
    std::string bytes;
    char line[16];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "L%06d\r\n", i);
        bytes += line;
    }
    return bytes;
}

std::string DataFile(const char* name) {
    std::ifstream in(std::string(VERRANT_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wenux::test
