#pragma once
// Whole files as bytes.

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// The bytes of the file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Replaces the file with the bytes; throws std::runtime_error when that fails.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace testsupport
