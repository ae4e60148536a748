#pragma once
// Settings files in the suite's INI form. The file holds CP932 bytes; sections and keys are
// matched exactly as written, values are everything after the first '=' (leading blanks kept,
// the line end removed). The file's bytes are read once and kept with what identifies them
// (inode, size, modification and change times), so a run of look-ups reads the file once; a file another
// program has changed or replaced since is read again. Only the first kLargestFile bytes of a
// larger file are read (the suite's settings are a few kilobytes; a damaged one of a gigabyte
// never holds a program up), and such a file is never written (told once, as one that is no
// regular file is). Writing changes only the line of the key (or
// appends the key to its section, or the section to the file); all other bytes stay as they were. New lines
// end in CR LF. The file is replaced through a temporary file, so a failed write leaves the old file intact.

#include "platform/core/CString.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace platform {

class ProfileFile {
public:
    // path: CP932 bytes, converted to UTF-8 at the OS call.
    explicit ProfileFile(const CString& path) : path_(path) {}

    const CString& Path() const { return path_; }

    // The value, or defaultValue when the section or key is missing.
    CString GetString(const CString& section, const CString& key, const CString& defaultValue = "") const;
    // The leading integer of the value, or defaultValue when missing or not a number.
    int GetInt(const CString& section, const CString& key, int defaultValue) const;

    // False when the file cannot be written (the old file is then unchanged); the first
    // failure of a file in the process is told in a message naming it.
    bool WriteString(const CString& section, const CString& key, const CString& value) const;
    bool WriteInt(const CString& section, const CString& key, int value) const;

    struct Entry {
        CString section;
        CString key;
        CString value;
    };
    // Writes many values with one replacement of the file, each as WriteString would.
    bool WriteStrings(const std::vector<Entry>& entries) const;

    static constexpr std::size_t kLargestFile = 1024 * 1024;

private:
    struct Snapshot;
    // The file as it is now: the kept snapshot while the file is unchanged, else read again.
    const Snapshot& Current() const;

    CString path_;
    mutable std::shared_ptr<const Snapshot> snapshot_;
};

} // namespace platform
