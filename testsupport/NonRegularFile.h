#pragma once
// Things that are not regular files, made at a document's name: programs must refuse them
// at once instead of waiting (a FIFO blocks an opener until a writer comes).

#include <string>
#include <vector>

namespace testsupport {

// "fifo", "socket", "directory" and "device" (a link to /dev/zero).
const std::vector<std::string>& NonRegularFileKinds();

// Makes one at the path (UTF-8); false when it could not be made here.
bool MakeNonRegularFile(const std::string& kind, const std::string& path);

// True when a program's message (UTF-8) is its open message for the path with the error
// number of the cause ("ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号N)\n <path>"), which tells
// a FIFO or directory at a document's name from a file that is not there.
bool IsOpenErrorMessage(const std::string& messageUtf8, const std::string& path);

} // namespace testsupport
