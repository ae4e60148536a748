#pragma once
// Whole files as bytes, for comparing what the model writes.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace modeltest {

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void Spit(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace modeltest
