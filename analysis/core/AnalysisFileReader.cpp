#include "analysis/core/AnalysisFileReader.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CException.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <memory>
#include <new>

namespace torvan {

namespace {

const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";

// The count in columns 6-10 of a section's keyword line.
int SectionCount(const CString& line) {
    CString padded(line);
    PadWithBlanks(padded, 10);
    int count;
    ReadIntField(padded.GetString() + 5, count);
    return count == platform::kUnsetInt || count < 0 ? 0 : count;
}

// The reference name to use: the file's, or the command line's after the user's choice.
// A name in the file without a directory lies beside the analysis file (resolved), so the
// base menu's full path of that same file is no other file.
CString ChooseReference(BlockDocWindowSide* side, const char8_t* caption, const CString& commandLine,
                        const CString& inFile, const CString& resolved, int& changed) {
    if (commandLine.IsEmpty() || commandLine == inFile || commandLine == resolved) {
        return inFile;
    }
    int choice = side ? side->ChooseReferenceFile(CString(caption), commandLine, inFile) : 0;
    if (choice == 0) {
        changed = 1;
        return commandLine;
    }
    return inFile;
}

CString ReferenceName(const CString& line) {
    CString name = line.Mid(10);
    name.TrimRight();
    return name;
}

} // namespace

AnalysisReadResult AnalysisFileReader::Read(const char* path) {
    result_ = AnalysisReadResult();
    path_ = path;
    lastLine_ = 0;
    lastText_.Empty();
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        StopAt(AnalysisReadError::kCannotOpen, 0, CString());
        return result_;
    }
    try {
        if (ReadHead(file)) {
            ReadSections(file);
            RefuseDamagedLastLine(file);
        }
    } catch (const CUserException&) {
        // The message has been shown and the place kept; a stop is never a success.
        if (result_.Ok()) {
            StopAt(AnalysisReadError::kReadFailure, lastLine_, lastText_);
        }
    } catch (const CFileException& error) {
        // A file that ends early (told by the reader) opens nothing: a part of it saved
        // again would lose the rest.
        StopAt(error.m_cause == CFileException::endOfFile ? AnalysisReadError::kEarlyEnd
                                                          : AnalysisReadError::kReadFailure,
               file.GetLineCount() + 1, CString());
    } catch (const std::bad_alloc&) {
        file.Abort();
        AfxMessageBox(kMemoryError);
        StopAt(AnalysisReadError::kOutOfMemory, file.GetLineCount(), CString());
        return result_;
    }
    file.Abort();
    if (result_.Ok()) {
        FinishBoundaryPoints();
    }
    return result_;
}

bool AnalysisFileReader::ReadHead(CTextFile& file) {
    CString line = NextLine(file);
    const FormatTagCheck current = CheckFormatTag(line, kAnalysisTag);
    const FormatTagCheck old = CheckFormatTag(line, kAnalysisTagOld);
    if (line.GetLength() < 61 || (current != FormatTagCheck::Match && old != FormatTagCheck::Match)) {
        AfxMessageBox(u8"解析ﾌｧｲﾙの形式エラーのため、読み込みできません");
        StopAt(AnalysisReadError::kFormatTag, lastLine_, lastText_);
        return false;
    }
    version_ = current == FormatTagCheck::Match ? CVerrant::kCurrentFormat : CVerrant::kOldFormat;
    doc_.SetAnalysisTitle(ParseTitleText(line));

    const CString sectionLine = NextLine(file);
    ExpectKeyword("SEFIL");
    const int sectionLineNumber = lastLine_;
    if (doc_.Directory().IsEmpty()) {
        CString directory;
        SplitPath(path_, &directory, nullptr, nullptr);
        doc_.SetDirectory(directory);
    }
    int changed = 0;
    CString named = ReferenceName(sectionLine);
    doc_.SetSectionFile(ChooseReference(doc_.WindowSide(), u8"断面ﾓﾃﾞﾙﾌｧｲﾙの選択", doc_.CommandLineSection(),
                                        named, doc_.ResolveReferencePath(named), changed));
    result_.changed = changed != 0;
    const CString dispLine = NextLine(file);
    ExpectKeyword("DSFIL");
    named = ReferenceName(dispLine);
    doc_.SetDispFile(ChooseReference(doc_.WindowSide(), u8"計測変位ﾌｧｲﾙの選択", doc_.CommandLineDisp(), named,
                                     doc_.ResolveReferencePath(named), changed));
    result_.changed = changed != 0;
    return ReadReferences(sectionLine, sectionLineNumber, dispLine);
}

bool AnalysisFileReader::ReadReferences(const CString& sectionLine, int sectionLineNumber,
                                        const CString& dispLine) {
    const int dispLineNumber = lastLine_;
    return TakeReference(true, doc_.SectionFile(), sectionLineNumber, sectionLine) &&
           TakeReference(false, doc_.DispFile(), dispLineNumber, dispLine);
}

bool AnalysisFileReader::TakeReference(bool section, const CString& name, int line, const CString& text) {
    const CString path = doc_.ResolveReferencePath(name);
    try {
        if (section ? doc_.ReadSecFile(path) : doc_.ReadDisFile(path)) {
            return true;
        }
    } catch (const CUserException&) {
        StopAt(AnalysisReadError::kReferenceFile, line, text);
        throw;
    }
    StopAt(AnalysisReadError::kReferenceFile, line, text);
    return false;
}

void AnalysisFileReader::ReadSections(CTextFile& file) {
    ReadSettings(file);
    CString line = NextLine(file);
    if (StartsWith(line, "DSCAL")) {
        CString scale(line);
        PadWithBlanks(scale, 20);
        ReadDoubleField(scale.GetString() + 10, doc_.Settings().m_dVectorScale);
        line = NextLine(file);
    }
    ReadBlockLines(file, line);
    ReadBoundaryPoints(file);
    ReadExclusions(file);
    ReadSlipLines(file);
}

void AnalysisFileReader::ReadSettings(CTextFile& file) {
    CString calc = NextLine(file);
    ExpectKeyword("CALCF");
    calc = calc.Left(50);
    PadWithBlanks(calc, 50);
    AnalysisSettings& settings = doc_.Settings();
    const char* pos = ReadIntField(calc.GetString() + 5, settings.m_nMethod);
    pos = ReadIntField(pos, settings.m_nMethodOption);
    pos = ReadDoubleField(pos + 5, settings.m_dGamma);
    pos = ReadDoubleField(pos, settings.m_dCohesion);
    ReadDoubleField(pos, settings.m_dPhi);
}

void AnalysisFileReader::ReadBlockLines(CTextFile& file, const CString& keywordLine) {
    ExpectKeyword("BLINE");
    doc_.BlockLines().clear();
    for (int n = SectionCount(keywordLine); n > 0; --n) {
        CString record = NextLine(file);
        PadWithBlanks(record, 60);
        BlockLineRecord block{};
        const char* pos = ReadDoubleField(record.GetString() + 10, block.x1);
        pos = ReadDoubleField(pos, block.y1);
        pos = ReadDoubleField(pos, block.x2);
        pos = ReadDoubleField(pos, block.y2);
        block.beta = 0.1;
        if (version_ == CVerrant::kCurrentFormat) {
            ReadDoubleField(pos, block.beta);
        }
        doc_.BlockLines().push_back(block);
    }
}

void AnalysisFileReader::ReadBoundaryPoints(CTextFile& file) {
    const CString line = NextLine(file);
    ExpectKeyword("BOUND");
    for (int n = SectionCount(line); n > 0; --n) {
        auto point = std::make_unique<CNode>();
        point->ParseRecord(NextLine(file), version_ == CVerrant::kOldFormat ? 1 : 0);
        if (point->number == platform::kUnsetInt || point->number < 1 || point->number > 0x10000) {
            continue;
        }
        WORD key = static_cast<WORD>(point->number - 1);
        CObject* replaced = nullptr;
        if (doc_.BoundaryPoints().Lookup(key, replaced)) {
            delete replaced;
        }
        doc_.BoundaryPoints().SetAt(key, point.release());
    }
}

void AnalysisFileReader::ReadExclusions(CTextFile& file) {
    const CString line = NextLine(file);
    ExpectKeyword("EXCPT");
    for (int n = SectionCount(line); n > 0; --n) {
        CString header = NextLine(file);
        CString name;
        double beta = 1.0;
        if (header.GetLength() > 30) {
            name = header.Mid(30);
            ReadDoubleField(header.GetString() + 20, beta);
        } else {
            name = header.Mid(15);
        }
        name.TrimRight();
        CDispData* disp = doc_.FindDispDataByName(name);
        if (!disp) {
            // A group without its record: its exclusion lines are passed over.
            for (int skip = SectionCount(CString("     ") + header.Mid(10)); skip > 0; --skip) {
                NextLine(file);
            }
            continue;
        }
        disp->beta = beta;
        disp->ParseExclusions(header, file, doc_.ReadingDates());
    }
}

void AnalysisFileReader::ReadSlipLines(CTextFile& file) {
    const CString line = NextLine(file);
    ExpectKeyword("QOBRE");
    std::vector<BlockLineRecord>& blockLines = doc_.BlockLines();
    const int count = SectionCount(line);
    for (int n = 0; n < count; ++n) {
        auto slip = std::make_unique<CVerrant>();
        slip->ParseRecord(file, doc_.BoundaryPoints(), version_);
        if (n == 0 && version_ == CVerrant::kOldFormat && !blockLines.empty() &&
            slip->blockCount == static_cast<int>(blockLines.size())) {
            for (std::size_t i = 0; i < blockLines.size(); ++i) {
                blockLines[i].beta = slip->blockBeta[i];
            }
        }
        doc_.SetSlipLineNo(std::max(doc_.SlipLineNo(), slip->number));
        doc_.SlipLines().AddTail(slip.release());
    }
}

void AnalysisFileReader::FinishBoundaryPoints() {
    bool replaced = false;
    for (auto [key, source] : platform::MapEntries<const CNode>(doc_.SectionBoundaryPoints())) {
        CNode* old = doc_.FindPointByName(source->name, doc_.BoundaryPoints());
        if (!old || (old->x == source->x && old->y == source->y)) {
            continue;
        }
        CNode* point = new CNode(old->number, source->x, source->y, source->state);
        point->name = source->name;
        point->kind = source->kind;
        point->inUse = source->inUse;
        point->slipMark = CNode::kSlipFixed;
        doc_.BoundaryPoints().SetAt(static_cast<WORD>(old->number - 1), point);
        // Slip lines that passed through the old point pass through its successor.
        POSITION pos = doc_.SlipLines().GetHeadPosition();
        while (pos) {
            for (CNode*& held : static_cast<CVerrant*>(doc_.SlipLines().GetNext(pos))->boundary) {
                if (held == old) {
                    held = point;
                }
            }
        }
        delete old;
        replaced = true;
    }
    if (replaced) {
        AfxMessageBox(u8"断面ﾓﾃﾞﾙﾃﾞｰﾀに座標が異なる同名の境界点があったため置き換えました");
    }
    if (!doc_.BoundaryPoints().IsEmpty()) {
        doc_.UpdateMaxNumbers(section::PointKind::kInnerBoundary);
        for (auto [key, point] : platform::MapEntries<CObject>(doc_.BoundaryPoints())) {
            const int next = doc_.NextKey();
            static_cast<CNode*>(point)->seqNo = next;
            doc_.AllPoints().SetAt(static_cast<WORD>(next), point);
            doc_.SetNextKey(next + 1);
        }
    }
}

// The last line read may show a whole record before the NUL or the length that ended the
// reading there: the file is damaged, not whole.
void AnalysisFileReader::RefuseDamagedLastLine(const CTextFile& file) {
    if (file.EndedAtNonTextLine()) {
        // The records' own readers may have read past the last line this reader kept.
        const int line = file.GetLineCount();
        StopAt(AnalysisReadError::kReadFailure, line, line == lastLine_ ? lastText_ : CString());
        doc_.ReadErrorMessage(path_);
    }
}

CString AnalysisFileReader::NextLine(CTextFile& file) {
    lastText_ = file.ReadRequiredLine();
    lastLine_ = file.GetLineCount();
    return lastText_;
}

void AnalysisFileReader::ExpectKeyword(const char* keyword) {
    if (!StartsWith(lastText_, keyword)) {
        StopAt(AnalysisReadError::kMissingSection, lastLine_, lastText_);
        doc_.ReadErrorMessage(path_);
    }
}

void AnalysisFileReader::StopAt(AnalysisReadError error, int line, const CString& text) {
    result_.error = error;
    result_.line = line;
    result_.text = text;
}

} // namespace torvan
