#pragma once
// Lines of a record file gathered and written through CTextFile::WriteLines a buffer at a
// time: a save of a hundred thousand records then makes a few dozen writes, not one a line.
// The file holds the same bytes as WriteLine would have written line by line.

#include "common/records/CTextFile.h"

#include <cstddef>
#include <memory>
#include <string_view>

class LineBatch {
public:
    explicit LineBatch(CTextFile& file);

    // Adds a line without its line end and without a NUL (at which WriteLine would stop). A
    // line with a line end inside, or one longer than the buffer, goes out at once after what
    // is held, as WriteLine writes it.
    void Add(std::string_view line);
    // Writes what is held; a writer calls it after its last line, as nothing else writes
    // it. A failure is shown and thrown as WriteLine's; what the batch held is then dropped
    // with the file's new contents.
    void Flush();

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    CTextFile& file_;
    std::string_view lineEnd_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};
