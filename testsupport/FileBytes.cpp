#include "testsupport/FileBytes.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void WriteSparseFile(const std::filesystem::path& path, std::string_view bytes, std::uint64_t size) {
    WriteBytes(path, bytes);
    if (::truncate(path.c_str(), static_cast<off_t>(size)) != 0) {
        throw std::runtime_error("cannot extend " + path.string());
    }
}

long long BytesReadByProcess() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return -1;
}

} // namespace testsupport
