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
    // error message (thrown on as CUserException) for a file without its model size or
    // with a record the reading stopped at, or after the reader's or a limit's message.
    int Read(const char* path);

private:
    CBlockDoc& doc_;
};

} // namespace torvan
