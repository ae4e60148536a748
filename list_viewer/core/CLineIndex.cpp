#include "list_viewer/core/CLineIndex.h"

#include "common/records/CTextFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>

namespace wenux {

namespace {

constexpr unsigned char kCR = '\r';
constexpr unsigned char kLF = '\n';
constexpr unsigned char kFF = '\f';

// Offsets are stored as signed 32-bit values; a list beyond that cannot be indexed.
constexpr std::int64_t kLargestOffset = INT32_MAX;

std::int32_t DecodeLittleEndian(const unsigned char* bytes) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

void EncodeLittleEndian(std::int32_t value, unsigned char* bytes) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(u >> (8 * i));
    }
}

int ReadBufferSize(std::int64_t listLength) {
    return static_cast<int>(std::clamp<std::int64_t>(listLength / 100, 1000, 10000));
}

} // namespace

CLineIndex::CLineIndex() : reader_(std::make_unique<CListLineReader>(listFile_)) {}

CLineIndex::~CLineIndex() {
    CloseListFiles();
}

std::int64_t CLineIndex::ListLength() const {
    return listFile_.IsOpen() ? listFile_.GetLength() : 0;
}

bool CLineIndex::OpenPointerFile(const char* listPath) {
    CString directory(listPath);
    int slash = directory.ReverseFind('/');
    directory = slash < 0 ? CString(".") : directory.Left(slash + 1);
    int fd = platform::CreateWorkFile(directory);
    if (fd < 0) {
        fd = platform::CreateWorkFile(".");
    }
    // A list on a folder no one may write is still shown: the work file is private and
    // nameless, so the system's temporary folder serves as well.
    if (fd < 0) {
        std::error_code ignored;
        const std::optional<std::string> temporary =
            platform::SuiteName(std::filesystem::temp_directory_path(ignored).string());
        if (temporary && !temporary->empty()) {
            fd = platform::CreateWorkFile(temporary->c_str());
        }
    }
    if (fd < 0) {
        int osError = errno;
        ReportOpenError(CFileException(CFileException::OsErrorToException(osError), osError, directory),
                        directory);
        return false;
    }
    pointerFile_.OpenDescriptor(fd, directory, CFile::modeReadWrite);
    return true;
}

bool CLineIndex::OpenListFile(const char* listPath, int linesPerPage) {
    CloseListFiles();
    linesPerPage_ = linesPerPage;
    CFileException error;
    if (!listFile_.Open(listPath, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportOpenError(error, listPath);
        return false;
    }
    if (!OpenPointerFile(listPath)) {
        return false;
    }
    if (!BuildLineIndex()) {
        return false;
    }
    if (lineCount_ == 0) {
        AfxMessageBox(u8"リスト･ファイル内にデータが１行もありません");
    }
    return true;
}

void CLineIndex::CloseListFiles() {
    blocks_.clear();
    pages_.clear();
    ResetState();
    listFile_.Abort();
    pointerFile_.Abort();
}

void CLineIndex::ResetState() {
    blockCount_ = 0;
    lineCount_ = 0;
    windowBlocks_ = {-1, -1, -1};
    windowFirstLine_ = 0;
    lineNumber_ = 1;
    pageFirstLine_ = 1;
    pageLineCounter_ = 1;
    pendingStart_ = -1;
    lineStart_ = 0;
    currentOffset_ = 0;
    crSeen_ = false;
    reader_ = std::make_unique<CListLineReader>(listFile_);
}

bool CLineIndex::BuildLineIndex() {
    try {
        std::vector<unsigned char> buffer(static_cast<std::size_t>(ReadBufferSize(listFile_.GetLength())));
        blocks_.assign(kMaxLineBlock, LineBlock{});
        pages_.clear();
        ResetState();
        listFile_.SeekToBegin();
        pendingStart_ = listFile_.GetPosition();
        blocks_[0].firstLine = 1;
        blocks_[0].listOffset = 0;
        blocks_[0].pointerPosition = static_cast<std::int32_t>(pointerFile_.GetPosition());
        int result = kMoreToRead;
        while ((result = ScanListFile(buffer)) == kMoreToRead) {
        }
        if (result == kBlockLimit || result == kPageLimit || result == kRowLimit) {
            AfxMessageBox(u8"行数又は頁数が大き過ぎるため、途中までしか表示できません");
        }
        lineCount_ = lineNumber_ - 1;
        return true;
    } catch (const CFileException&) {
        AfxMessageBox(u8"リスト･ファイルのエラーのため、表示できません");
    } catch (const std::bad_alloc&) {
        AfxMessageBox(u8"メモリ・エラー!!!\n直ちに本ﾌﾟﾛｸﾞﾗﾑを終了させて下さい。");
    }
    blocks_.clear();
    pages_.clear();
    ResetState();
    return false;
}

void CLineIndex::WriteBlockBuffer() {
    unsigned char bytes[kBlockBytes];
    for (int i = 0; i < kLinesPerBlock; ++i) {
        EncodeLittleEndian(window_[static_cast<std::size_t>(i)], bytes + 4 * i);
    }
    pointerFile_.Write(bytes, kBlockBytes);
}

void CLineIndex::CloseCurrentBlock() {
    blocks_[static_cast<std::size_t>(blockCount_)].lastLine = lineNumber_ - 1;
    WriteBlockBuffer();
    ++blockCount_;
}

// Stores the pending line start in the block buffer, opening the next block when the
// current one is full. False when the block limit is reached.
bool CLineIndex::StorePendingStart() {
    int slot = lineNumber_ - kLinesPerBlock * blockCount_;
    if (slot <= kLinesPerBlock) {
        window_[static_cast<std::size_t>(slot - 1)] = static_cast<std::int32_t>(pendingStart_);
    } else {
        CloseCurrentBlock();
        if (blockCount_ >= kMaxLineBlock) {
            return false;
        }
        window_[0] = static_cast<std::int32_t>(pendingStart_);
        LineBlock& block = blocks_[static_cast<std::size_t>(blockCount_)];
        block.firstLine = lineNumber_;
        block.listOffset = static_cast<std::int32_t>(pendingStart_);
        block.pointerPosition = static_cast<std::int32_t>(pointerFile_.GetPosition());
    }
    pendingStart_ = -1;
    return true;
}

// Appends the current page; false when the page limit is reached.
bool CLineIndex::ClosePage() {
    pages_.push_back({pageFirstLine_, lineNumber_ - 1});
    if (PageCount() >= kMaxPage) {
        return false;
    }
    pageFirstLine_ = lineNumber_;
    pageLineCounter_ = 1;
    return true;
}

// A log that turned into NULs, or into other bytes without a line end, would otherwise be
// read to its end, gigabytes, before its message: a line with more rows than the whole index
// holds is past what the viewer can show, and the index ends at it.
bool CLineIndex::OpenLineOutgrowsTheRows() const {
    if (pendingStart_ >= 0) {
        return false; // the next line has not begun
    }
    constexpr std::int64_t kRowBytes = CListLineReader::kRowBufferSize - 1;
    constexpr std::int64_t kRows = std::int64_t{kMaxLineBlock} * kLinesPerBlock;
    return (currentOffset_ - lineStart_) / kRowBytes + 1 > kRows;
}

int CLineIndex::CloseAtEndOfFile() {
    if (pendingStart_ >= 0 && !StorePendingStart()) {
        return kBlockLimit;
    }
    CloseCurrentBlock();
    pages_.push_back({pageFirstLine_, lineNumber_ - 1});
    return kEndOfFile;
}

int CLineIndex::ScanListFile(std::vector<unsigned char>& buffer) {
    if (OpenLineOutgrowsTheRows()) {
        return CloseAtEndOfFile() == kEndOfFile ? kRowLimit : kBlockLimit;
    }
    const int size = static_cast<int>(buffer.size());
    const int count = static_cast<int>(listFile_.Read(buffer.data(), static_cast<UINT>(size)));
    if (currentOffset_ + count > kLargestOffset) {
        CloseCurrentBlock();
        return kBlockLimit;
    }
    const unsigned char* bytes = buffer.data();
    const std::int64_t bufferStart = currentOffset_;
    for (int i = 0; i < count; ++i) {
        if (pendingStart_ >= 0 && !StorePendingStart()) {
            return kBlockLimit;
        }
        if (!crSeen_) {
            // Only a CR can change the state: jump to the next one.
            const void* cr = std::memchr(bytes + i, kCR, static_cast<std::size_t>(count - i));
            if (!cr) {
                break;
            }
            i = static_cast<int>(static_cast<const unsigned char*>(cr) - bytes);
            crSeen_ = true;
            continue;
        }
        const unsigned char ch = bytes[i];
        if (ch == kCR) {
            continue;
        }
        crSeen_ = false;
        if (ch == kLF) {
            if (pageLineCounter_ > linesPerPage_) {
                if (!ClosePage()) {
                    // The block being filled holds the offsets of the pages kept.
                    CloseCurrentBlock();
                    return kPageLimit;
                }
            } else {
                ++pageLineCounter_;
            }
        } else if (ch == kFF) {
            if (!ClosePage()) {
                CloseCurrentBlock();
                return kPageLimit;
            }
        } else {
            continue;
        }
        ++lineNumber_;
        pendingStart_ = bufferStart + i + 1;
        lineStart_ = pendingStart_;
    }
    currentOffset_ = bufferStart + count;
    return count == size ? kMoreToRead : CloseAtEndOfFile();
}

bool CLineIndex::ReadBlockOffsets(int block, std::int32_t* entries) {
    unsigned char bytes[kBlockBytes];
    try {
        pointerFile_.Seek(blocks_[static_cast<std::size_t>(block)].pointerPosition, CFile::begin);
        if (pointerFile_.Read(bytes, kBlockBytes) != static_cast<UINT>(kBlockBytes)) {
            return false;
        }
    } catch (const CFileException&) {
        return false;
    }
    for (int i = 0; i < kLinesPerBlock; ++i) {
        entries[i] = DecodeLittleEndian(bytes + 4 * i);
    }
    return true;
}

bool CLineIndex::LoadLineWindow(int block) {
    if (block < 0 || block >= blockCount_) {
        return false;
    }
    for (int slot = 0; slot < kWindowBlocks; ++slot) {
        int b = block + slot;
        windowBlocks_[static_cast<std::size_t>(slot)] = b < blockCount_ ? b : -1;
    }
    windowFirstLine_ = blocks_[static_cast<std::size_t>(block)].firstLine;
    for (int slot = 0; slot < kWindowBlocks && windowBlocks_[static_cast<std::size_t>(slot)] >= 0; ++slot) {
        if (!ReadBlockOffsets(block + slot, window_.data() + slot * kLinesPerBlock)) {
            windowBlocks_ = {-1, -1, -1};
            return false;
        }
    }
    return true;
}

bool CLineIndex::EnsureWindowFor(int firstLine, int lastLine) {
    const int d = GetListBlockNum(firstLine);
    const int r = GetListBlockNum(lastLine);
    if (d < 0 || blockCount_ == 0) {
        return false;
    }
    const bool held = std::find(windowBlocks_.begin(), windowBlocks_.end(), d) != windowBlocks_.end();
    if (d == r) {
        if (held) {
            return true;
        }
        int e = d == 0 ? 0 : d - 1;
        if (d + 1 == blockCount_) {
            e = d - 2;
        }
        return LoadLineWindow(std::max(e, 0));
    }
    int highest = -1;
    for (int b : windowBlocks_) {
        highest = std::max(highest, b);
    }
    if (!held || d < windowBlocks_[0] || highest < r) {
        return LoadLineWindow(d);
    }
    return true;
}

std::int64_t CLineIndex::WindowOffset(int line) const {
    int index = line - windowFirstLine_;
    int slot = index / kLinesPerBlock;
    if (windowBlocks_[0] < 0 || index < 0 || slot >= kWindowBlocks ||
        windowBlocks_[static_cast<std::size_t>(slot)] < 0) {
        return -1;
    }
    return window_[static_cast<std::size_t>(index)];
}

bool CLineIndex::LookupLineOffset(int line, std::int64_t& offset) {
    const int block = GetListBlockNum(line);
    std::int32_t entries[kLinesPerBlock];
    if (block < 0 || block >= blockCount_ || !ReadBlockOffsets(block, entries)) {
        return false;
    }
    const std::int32_t entry = entries[line - blocks_[static_cast<std::size_t>(block)].firstLine];
    if (entry < 0) {
        return false;
    }
    offset = entry;
    return true;
}

bool CLineIndex::GetAddrFromLine(int line, std::int64_t& offset) {
    const int block = GetListBlockNum(line);
    if (block < 0 || block >= blockCount_) {
        AfxMessageBox(u8" ＊ GetListBlockNum2 エラー");
        return false;
    }
    if (!LookupLineOffset(line, offset)) {
        AfxMessageBox(u8" lAddr < 0 エラー");
        return false;
    }
    return true;
}

} // namespace wenux
