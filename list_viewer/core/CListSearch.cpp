#include "list_viewer/core/CListSearch.h"

#include "list_viewer/core/CListPager.h"
#include "list_viewer/core/PageRows.h"

#include "platform/core/MessageSink.h"

#include <algorithm>
#include <cstring>

namespace wenux {

namespace {

bool IsLeadByte(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

int ReadBufferSize(std::int64_t listLength) {
    return static_cast<int>(std::clamp<std::int64_t>(listLength / 100, 1000, 10000));
}

} // namespace

int FindAtCharacterStart(const std::string& text, const std::string& needle) {
    if (needle.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0) {
            return static_cast<int>(i);
        }
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return -1;
}

int CListSearch::ViewLineCount() const {
    return documentType_ == kResultList ? index_.LineCount() - 1 : index_.LineCount();
}

int CListSearch::FindPageOfLine(int line) const {
    for (int p = 0; p < index_.PageCount(); ++p) {
        if (index_.Page(p).firstLine <= line && line <= index_.Page(p).lastLine) {
            return p;
        }
    }
    return -1;
}

std::int64_t CListSearch::RawFind(const std::string& needle, std::int64_t from, std::int64_t end) {
    const int length = static_cast<int>(needle.size());
    const int pieceSize = static_cast<int>(buffer_.size()) - length;
    CFile& file = index_.ListFile();
    for (std::int64_t piece = from; piece < end; piece += pieceSize) {
        file.Seek(piece, CFile::begin);
        // Each piece carries the bytes a candidate near its end needs.
        const int read = static_cast<int>(file.Read(buffer_.data(), static_cast<UINT>(buffer_.size())));
        const int candidates = static_cast<int>(std::min<std::int64_t>({pieceSize, end - piece, read}));
        for (int i = 0; i < candidates; ++i) {
            if (buffer_[static_cast<std::size_t>(i)] != static_cast<unsigned char>(needle[0])) {
                continue;
            }
            if (i + length > read) {
                return -1; // the file ends inside the candidate
            }
            if (std::memcmp(buffer_.data() + i, needle.data(), static_cast<std::size_t>(length)) == 0) {
                return piece + i;
            }
        }
        if (read < static_cast<int>(buffer_.size()) && read <= pieceSize) {
            return -1;
        }
    }
    return -1;
}

int CListSearch::LineOfOffset(std::int64_t offset, int firstBlock) {
    const int lineCount = index_.LineCount();
    std::int32_t entries[CLineIndex::kLinesPerBlock];
    for (int b = firstBlock; b < index_.BlockCount(); ++b) {
        if (!index_.ReadBlockOffsets(b, entries)) {
            return 0;
        }
        int counter = index_.Block(b).firstLine - (documentType_ == kResultList ? 1 : 0);
        for (int j = 0; j < CLineIndex::kLinesPerBlock; ++j, ++counter) {
            if (entries[j] > offset) {
                return counter - 1;
            }
            if (counter > lineCount) {
                break;
            }
        }
    }
    return 0;
}

int CListSearch::ConfirmOnDisplayedText(const std::string& needle, int line) {
    std::int64_t offset = 0;
    if (!index_.LookupLineOffset(ScannerLine(line, documentType_), offset)) {
        AfxMessageBox(u8" ＊ GetAddrFromLine エラー");
        return -1;
    }
    char text[CListLineReader::kRowBufferSize];
    index_.SeekList(offset);
    if (index_.ReadListLine(text, CListLineReader::kRowBufferSize) != 0) {
        text[0] = '\0';
    }
    CutAtLastCarriageReturn(text);
    return FindAtCharacterStart(text, needle) >= 0 ? 1 : 0;
}

SearchOutcome CListSearch::NotFound(int startLine, SearchMode mode) const {
    if (mode == SearchMode::kFromTop || startLine == 1) {
        AfxMessageBox(u8"文字列が見つかりません !!!");
        return {SearchOutcome::kNotFound, 0};
    }
    if (AfxMessageBox(u8"文字列が見つかりません。\n先頭から再検索しますか？", MB_YESNO | MB_ICONQUESTION) ==
        IDYES) {
        return {SearchOutcome::kRestartFromTop, 0};
    }
    return {SearchOutcome::kNotFound, 0};
}

SearchOutcome CListSearch::Search(const CString& text, int startLine, SearchMode mode) {
    const std::string& needle = text.str();
    if (needle.empty() || index_.LineCount() < 1) {
        return NotFound(startLine, mode);
    }
    buffer_.assign(static_cast<std::size_t>(ReadBufferSize(index_.ListLength()) + needle.size()), 0);
    std::int64_t from = 0;
    std::int64_t end = index_.ListLength();
    int firstBlock = 0;
    const int startScanner = ScannerLine(startLine, documentType_);
    if (startLine < 1 || startScanner > index_.LineCount() + 1) {
        return NotFound(startLine, mode); // nothing left below the start
    }
    try {
        if (mode == SearchMode::kFromCurrent) {
            firstBlock = CLineIndex::GetListBlockNum(startScanner);
            if (firstBlock < 0) {
                AfxMessageBox(u8" ＊ GetListBlockNum1 エラー");
                return {SearchOutcome::kFailed, 0};
            }
            if (!index_.LookupLineOffset(startScanner, from)) {
                AfxMessageBox(u8" ＊ GetAddrFromLine エラー");
                return {SearchOutcome::kFailed, 0};
            }
        } else {
            std::int64_t lineStart = 0;
            if (!index_.LookupLineOffset(ScannerLine(1, documentType_), from) ||
                !index_.LookupLineOffset(startScanner, lineStart)) {
                AfxMessageBox(u8" ＊ GetAddrFromLine エラー");
                return {SearchOutcome::kFailed, 0};
            }
            end = lineStart - 1;
        }
        for (;;) {
            const std::int64_t hit = RawFind(needle, from, end);
            if (hit < 0) {
                return NotFound(startLine, mode);
            }
            const int line = LineOfOffset(hit, firstBlock);
            if (line < 1) {
                AfxMessageBox(u8" ＊ 行番検索エラー");
                return {SearchOutcome::kFailed, 0};
            }
            const int confirmed = ConfirmOnDisplayedText(needle, line);
            if (confirmed < 0) {
                return {SearchOutcome::kFailed, 0};
            }
            if (confirmed > 0) {
                return {SearchOutcome::kFound, line};
            }
            if (line + 1 > ViewLineCount()) {
                return NotFound(startLine, mode);
            }
            if (!index_.LookupLineOffset(ScannerLine(line + 1, documentType_), from)) {
                AfxMessageBox(u8" ＊ GetAddrFromLine エラー");
                return {SearchOutcome::kFailed, 0};
            }
            firstBlock = CLineIndex::GetListBlockNum(ScannerLine(line + 1, documentType_));
        }
    } catch (const CFileException&) {
        AfxMessageBox(u8"リスト･ファイルのエラーのため、表示できません");
        return {SearchOutcome::kFailed, 0};
    }
}

bool SearchAndShow(CListSearch& search, CListPager& pager, const CString& text, int startLine,
                   int restartLine) {
    SearchOutcome outcome = search.Search(text, startLine, SearchMode::kFromCurrent);
    if (outcome.kind == SearchOutcome::kRestartFromTop) {
        outcome = search.Search(text, restartLine, SearchMode::kFromTop);
    }
    if (outcome.kind != SearchOutcome::kFound) {
        return false;
    }
    const int page = search.FindPageOfLine(outcome.line);
    if (page < 0) {
        AfxMessageBox(u8"指定文字列は見つかりません(2)!!!");
        return true;
    }
    pager.ShowPage(page, outcome.line);
    return true;
}

} // namespace wenux
