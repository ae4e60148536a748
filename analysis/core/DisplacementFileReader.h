#pragma once
// Reads a measurement displacement file (".dis") into the analysis document: the reading
// dates, and a displacement record for each block whose name is a measurement point's.

namespace torvan {

class CBlockDoc;

class DisplacementFileReader {
public:
    explicit DisplacementFileReader(CBlockDoc& doc) : doc_(doc) {}

    // 1 when the file was read up to "END"; the records then replace the document's and the
    // blocks take the new ones. 0 otherwise, with the document as it was: after the read error
    // message naming the file (thrown on as CUserException) for a file without its date line,
    // one that ends early, one that stops at a line of a NUL byte or of 64 KiB (after "END"
    // too) or a read error; after the reader's message when it does not open or has the wrong
    // tag, or the memory message.
    int Read(const char* path);

private:
    CBlockDoc& doc_;
};

} // namespace torvan
