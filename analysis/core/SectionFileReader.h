#pragma once
// Reads a section model file (".sec") into the analysis document, with the analysis
// program's count limits: ground-surface points and lines, measurement points and the
// section model's boundary points.

namespace torvan {

class CBlockDoc;

class SectionFileReader {
public:
    explicit SectionFileReader(CBlockDoc& doc) : doc_(doc) {}

    // 1 when the whole file was read: it then replaces the document's section model and
    // every point's entry key. 0 otherwise, with the document as it was: after the read
    // error message naming the file (thrown on as CUserException) for a file without its
    // model size, with a record the reading stopped at (after a limit's message), one that
    // ends before "END" (a line of a NUL byte or of 64 KiB ends it) or a read error; after
    // the reader's message when it does not open or has the wrong tag, or the memory message.
    int Read(const char* path);

private:
    CBlockDoc& doc_;
};

} // namespace torvan
