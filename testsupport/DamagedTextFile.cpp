#include "testsupport/DamagedTextFile.h"

#include "testsupport/FileBytes.h"

#include <algorithm>

namespace testsupport {

std::vector<DamagedTextFile> DamagedTextFiles(std::string_view wholeLines, std::string_view rest) {
    constexpr std::uint64_t kTwoGigabytes = std::uint64_t{2} << 30;
    constexpr std::size_t kOverlongLine = 64 * 1024 + 100;
    std::string overlong(wholeLines);
    overlong += std::string(kOverlongLine, 'x') + "\r\n";
    overlong += rest;
    return {
        {"whole lines, then NUL bytes to 2 GB", std::string(wholeLines), kTwoGigabytes},
        {"whole lines, then a line over 64 KiB", overlong, 0},
    };
}

void WriteDamagedTextFile(const std::filesystem::path& path, const DamagedTextFile& file) {
    WriteSparseFile(path, file.bytes, std::max<std::uint64_t>(file.size, file.bytes.size()));
}

} // namespace testsupport
