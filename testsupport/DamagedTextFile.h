#pragma once
// The damaged forms of a text file that a reader of text records must refuse at once, for
// the tests of every such reader: whole lines of the format, then what no record holds.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

struct DamagedTextFile {
    std::string name;   // for the test's trace
    std::string bytes;  // the file's bytes...
    std::uint64_t size; // ...then zero bytes up to this size, as a hole (no disk used)
};

// The file's whole lines, then NUL bytes to 2 GB; and the same lines, then a line over 64 KiB
// and the rest of the file, which a reader that read on would take.
std::vector<DamagedTextFile> DamagedTextFiles(std::string_view wholeLines, std::string_view rest);

// Writes the file; throws std::runtime_error when that fails.
void WriteDamagedTextFile(const std::filesystem::path& path, const DamagedTextFile& file);

} // namespace testsupport
