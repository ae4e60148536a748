#pragma once
// Line index of a list or log file: the start offset of every line, kept in a
// private line-pointer file of 800-byte blocks (200 little-endian int32 offsets
// each), a table of at most 2500 line blocks and the list of pages.
//
// Lines are numbered from 1 by the scanner. A line ends with CR LF; a line ended by
// CR FF closes the page before it, so it opens the next page. A page opened by the
// line counter holds lines-per-page + 1 lines, the first page lines-per-page. A final
// line without CR LF or CR FF is not counted. The start of the line after the last
// one (the end-of-file offset) is stored too. A line still open when it fills more rows
// (of at most 139 bytes, as the view shows a long line) than the whole index holds ends
// the index there as the end of the file would, with the message of a partial index: a
// file without line ends is read no further than about 70 MB.
//
// Result lists (document type 0) show scanner line n + 1 in row n: callers convert
// with ScannerLine(). All failures are reported through the message sink.

#include "list_viewer/core/CListLineReader.h"

#include "platform/core/CFile.h"
#include "platform/core/CString.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace wenux {

struct LineBlock {
    std::int32_t firstLine = 0;
    std::int32_t lastLine = 0;
    std::int32_t listOffset = 0;
    std::int32_t pointerPosition = 0;
};

struct PageRecord {
    std::int32_t firstLine = 0;
    std::int32_t lastLine = 0;
};

class CLineIndex {
public:
    static constexpr int kLinesPerBlock = 200;
    static constexpr int kBlockBytes = kLinesPerBlock * 4;
    static constexpr int kWindowBlocks = 3;
    static constexpr int kMaxLineBlock = 2500;
    static constexpr int kMaxPage = 10000;

    CLineIndex();
    ~CLineIndex();
    CLineIndex(const CLineIndex&) = delete;
    CLineIndex& operator=(const CLineIndex&) = delete;

    // Opens the list file (read) and creates the line-pointer work file, then scans the
    // list. True when the index stands, also when it is partial or the file has no line
    // (both after their message); false, after a message, when a file cannot be opened or
    // reading fails. The work file is a fresh file in the list's directory (else in the
    // current directory) whose name is removed as soon as it is open, so that nothing is
    // left behind however the program ends.
    bool OpenListFile(const char* listPath, int linesPerPage);
    // Releases the index and closes both files.
    void CloseListFiles();

    int LineCount() const { return lineCount_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    const PageRecord& Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    int BlockCount() const { return blockCount_; }
    const LineBlock& Block(int index) const { return blocks_[static_cast<std::size_t>(index)]; }
    std::int64_t ListLength() const;

    // Block holding scanner line L: (L - 1) / 200; negative means none.
    static int GetListBlockNum(int line) { return line >= 1 ? (line - 1) / kLinesPerBlock : -1; }

    // Fills the three-block window from block e onwards; false on a file error.
    bool LoadLineWindow(int block);
    // Makes sure the window holds scanner lines s to t (the view's window choice).
    bool EnsureWindowFor(int firstLine, int lastLine);
    // Offset of scanner line s from the window; -1 when the window does not hold it.
    std::int64_t WindowOffset(int line) const;

    // Offset of scanner line L read from the pointer file; false (after its message)
    // when L has no block or its entry is negative.
    bool GetAddrFromLine(int line, std::int64_t& offset);
    // As GetAddrFromLine, without a message.
    bool LookupLineOffset(int line, std::int64_t& offset);

    // Reading rows: seek the list file, then read rows one after another.
    void SeekList(std::int64_t offset) { reader_->Seek(offset); }
    int ReadListLine(char* text, int max) { return reader_->ReadListLine(text, max); }
    CFile& ListFile() { return listFile_; }
    CFile& PointerFile() { return pointerFile_; }
    // Reads block b's 200 offsets into entries; false on a file error.
    bool ReadBlockOffsets(int block, std::int32_t* entries);

private:
    enum ScanResult { kMoreToRead = 0, kEndOfFile = -1, kBlockLimit = 1, kPageLimit = 2, kRowLimit = 3 };

    bool OpenPointerFile(const char* listPath);
    bool BuildLineIndex();
    int ScanListFile(std::vector<unsigned char>& buffer);
    bool OpenLineOutgrowsTheRows() const;
    int CloseAtEndOfFile();
    bool StorePendingStart();
    void WriteBlockBuffer();
    void CloseCurrentBlock();
    bool ClosePage();
    void ResetState();

    CFile listFile_;
    CFile pointerFile_;
    std::unique_ptr<CListLineReader> reader_;

    int linesPerPage_ = 55;
    std::vector<LineBlock> blocks_;
    std::vector<PageRecord> pages_;
    int blockCount_ = 0;
    int lineCount_ = 0;
    std::array<std::int32_t, kLinesPerBlock * kWindowBlocks> window_{};
    std::array<int, kWindowBlocks> windowBlocks_{-1, -1, -1};
    int windowFirstLine_ = 0;

    // Scanner state between buffers.
    int lineNumber_ = 1;
    int pageFirstLine_ = 1;
    int pageLineCounter_ = 1;
    std::int64_t pendingStart_ = -1; // -1: no line start pending
    std::int64_t lineStart_ = 0;     // start of the line being read
    std::int64_t currentOffset_ = 0;
    bool crSeen_ = false;
};

} // namespace wenux
