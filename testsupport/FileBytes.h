#pragma once
// Whole files as bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// The bytes of the file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Replaces the file with the bytes; throws std::runtime_error when that fails.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
// Replaces the file with the bytes followed by zero bytes up to size, as a hole that takes no
// disk space (a damaged file of gigabytes); throws std::runtime_error when that fails.
void WriteSparseFile(const std::filesystem::path& path, std::string_view bytes, std::uint64_t size);
// The bytes this process has read from files so far ("rchar" of /proc/self/io, every read and
// pread counted), so that a test can bound what a reader read; -1 when the system does not say.
long long BytesReadByProcess();

} // namespace testsupport
