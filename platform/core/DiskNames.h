#pragma once
// The one meeting point of the suite's file names (CP932 texts in CString) and the names
// on disk (UTF-8 bytes, as the system calls and Qt take them). Every file operation on a
// path the suite holds goes through here, so a Japanese folder or file name is the same
// file wherever a program opens, tests or lists it.
//
// Opening never waits: a FIFO, socket, device or directory at a document's name is
// refused at once, as if the file could not be opened.

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

// The UTF-8 name on disk of a CP932 path.
std::string DiskName(std::string_view cp932Path);

// The CP932 path of a name on disk; nothing when CP932 cannot hold a character of it.
std::optional<std::string> SuiteName(std::string_view diskName);

// The full CP932 name of a path taken from the current working directory: a name kept
// beyond this moment (a document's path, a recent file) must still name the same file when
// the working directory is another. "." steps are dropped and a leading ".." climbs the
// working directory; symbolic links are not resolved. An empty or already full name, or
// one whose working directory is gone or not holdable in CP932, is returned as it is.
std::string FullPathName(std::string_view cp932Path);

enum class DiskEntry { Missing, RegularFile, Directory, Special };

// What the path names, following symbolic links.
DiskEntry EntryAt(const char* cp932Path);

// True when anything at all is at the path.
bool PathExists(const char* cp932Path);

// A regular file the user may read (a document opens when this holds).
bool IsReadableFile(const char* cp932Path);

// A document the user looks for in vain: nothing at the path, or a regular file they may not
// read. A directory, FIFO, socket or device at the name is found, and its open says why it
// fails (EISDIR, ENXIO), as the program's open message with its error number.
bool IsMissingDocument(const char* cp932Path);

// A regular file the user may replace: a file without any write permission bit is
// read-only for every user, the superuser included, as the user marked it.
bool IsWritableFile(const char* cp932Path);

// A directory the user may create files in.
bool IsWritableDirectory(const char* cp932Path);

// open(2) of a CP932 path that never blocks at a FIFO or device: anything but a regular
// file is closed again and refused (errno EISDIR for a directory, ENXIO otherwise).
// The descriptor returned is blocking as usual; -1 with errno on failure.
int OpenRegularFile(const char* cp932Path, int flags, mode_t mode = 0666);

// The whole contents of a regular file opened as OpenRegularFile opens it; nothing when it
// cannot be opened or read.
std::optional<std::string> ReadRegularFile(const char* cp932Path);

} // namespace platform
