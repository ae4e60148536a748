// The analysis file (".slo"): what the analysis adds to its section model and
// measurement files, and the names of those files.

#include "CBlockDoc.h"

#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "common/records/CTextFile.h"
#include "common/records/ContainerHelpers.h"
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

template <typename Visit> void ForEachEntry(const CMapWordToOb& map, Visit visit) {
    for (auto [key, object] : platform::MapEntries<CObject>(map)) {
        visit(key, object);
    }
}

CString CountLine(const char* keyword, int count) {
    char buffer[8];
    WriteIntField(buffer, count);
    return CString(keyword) + buffer;
}

// The next line of the analysis file; the end of the file is told and is a file error.
CString NextLine(CTextFile& file) {
    return file.ReadRequiredLine();
}

// The count in columns 6-10 of a section's keyword line.
int SectionCount(const CString& line) {
    CString padded(line);
    PadWithBlanks(padded, 10);
    int count;
    ReadIntField(padded.GetString() + 5, count);
    return count == platform::kUnsetInt || count < 0 ? 0 : count;
}

} // namespace

void CBlockDoc::ReadErrorMessage(const char* path) {
    MessageBeep(0);
    CString message;
    message.Format(u8"ファイル読み込みエラーです。\n%s", path);
    AfxMessageBox(message);
    AfxThrowUserException();
}

int CBlockDoc::WriteSloFile(const char* path) {
    platform::SafeFileWriter writer(path);
    return WriteSloFile(writer) && CommitWithMessage(writer) ? 1 : 0;
}

int CBlockDoc::WriteSloFile(platform::SafeFileWriter& writer) {
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return 0;
    }
    try {
        file.WriteLine(FormatTitleRecord(m_strAnalysisTitle, kAnalysisTag));
        file.WriteLine(CString("SEFIL     ") + m_strSectionFile);
        file.WriteLine(CString("DSFIL     ") + m_strDispFile);
        char buffer[64];
        char* pos = WriteIntField(buffer, m_settings.m_nMethod);
        pos = WriteIntField(pos, m_settings.m_nMethodOption);
        pos = WriteIntField(pos, platform::kUnsetInt);
        pos = WriteDoubleField(pos, m_settings.m_dGamma, "%10.3lf");
        pos = WriteDoubleField(pos, m_settings.m_dCohesion, "%10.3lf");
        WriteDoubleField(pos, m_settings.m_dPhi, "%10.3lf");
        file.WriteLine(CString("CALCF") + buffer);
        WriteDoubleField(buffer, m_settings.m_dVectorScale, "%10.3lf");
        file.WriteLine(CString("DSCAL     ") + buffer);
        file.WriteLine(CountLine("BLINE", static_cast<int>(m_listBlockLines.size())));
        for (const BlockLineRecord& line : m_listBlockLines) {
            pos = WriteDoubleField(buffer, line.x1, "%10.3lf");
            pos = WriteDoubleField(pos, line.y1, "%10.3lf");
            pos = WriteDoubleField(pos, line.x2, "%10.3lf");
            pos = WriteDoubleField(pos, line.y2, "%10.3lf");
            WriteDoubleField(pos, line.beta, "%10.4lf");
            file.WriteLine(CString(' ', 10) + buffer);
        }
        file.WriteLine(CountLine("BOUND", m_mapBound.GetCount()));
        ForEachEntry(m_mapBound, [&](WORD, CObject* object) {
            CString record;
            static_cast<CNode*>(object)->FormatRecord(record);
            file.WriteLine(record);
        });
        file.WriteLine(CountLine("EXCPT", m_mapDisp.GetCount()));
        ForEachEntry(m_mapDisp, [&](WORD, CObject* object) {
            static_cast<CDispData*>(object)->WriteExclusions(file, m_listDates);
        });
        file.WriteLine(CountLine("QOBRE", m_listSlipLines.GetCount()));
        POSITION slip = m_listSlipLines.GetHeadPosition();
        while (slip) {
            static_cast<CVerrant*>(m_listSlipLines.GetNext(slip))->WriteRecord(file);
        }
        file.WriteLine("END");
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return 0;
    }
    return 1;
}

namespace {

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

int CBlockDoc::ReadSloFile(const char* path, int& changed) {
    changed = 0;
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return 0;
    }
    int version = 0;
    try {
        CString line = NextLine(file);
        FormatTagCheck current = CheckFormatTag(line, kAnalysisTag);
        FormatTagCheck old = CheckFormatTag(line, kAnalysisTagOld);
        if (line.GetLength() < 61 || (current != FormatTagCheck::Match && old != FormatTagCheck::Match)) {
            AfxMessageBox(u8"解析ﾌｧｲﾙの形式エラーのため、読み込みできません");
            file.Abort();
            return 0;
        }
        version = current == FormatTagCheck::Match ? CVerrant::kCurrentFormat : CVerrant::kOldFormat;
        m_strAnalysisTitle = ParseTitleText(line);

        line = NextLine(file);
        if (!StartsWith(line, "SEFIL")) {
            ReadErrorMessage(path);
        }
        if (m_strDir.IsEmpty()) {
            SplitPath(path, &m_strDir, nullptr, nullptr);
        }
        CString named = ReferenceName(line);
        m_strSectionFile = ChooseReference(windowSide_, u8"断面ﾓﾃﾞﾙﾌｧｲﾙの選択", m_strCommandLineSection,
                                           named, ResolveReferencePath(named), changed);
        line = NextLine(file);
        if (!StartsWith(line, "DSFIL")) {
            ReadErrorMessage(path);
        }
        named = ReferenceName(line);
        m_strDispFile = ChooseReference(windowSide_, u8"計測変位ﾌｧｲﾙの選択", m_strCommandLineDisp, named,
                                        ResolveReferencePath(named), changed);
        if (!ReadSecFile(ResolveReferencePath(m_strSectionFile)) ||
            !ReadDisFile(ResolveReferencePath(m_strDispFile))) {
            file.Abort();
            return 0;
        }
        ReadSloSections(file, path, version);
    } catch (const CUserException&) {
        file.Abort();
        return 0;
    } catch (const CFileException&) {
        // A file that ends early (told by the reader) opens nothing: a part of it saved
        // again would lose the rest.
        file.Abort();
        return 0;
    } catch (const std::bad_alloc&) {
        file.Abort();
        AfxMessageBox(kMemoryError);
        return 0;
    }
    file.Abort();
    FinishBoundaryPoints();
    return 1;
}

void CBlockDoc::ReadSloSections(CTextFile& file, const char* path, int version) {
    CString line = NextLine(file);
    if (!StartsWith(line, "CALCF")) {
        ReadErrorMessage(path);
    }
    CString calc = line.Left(50);
    PadWithBlanks(calc, 50);
    const char* pos = ReadIntField(calc.GetString() + 5, m_settings.m_nMethod);
    pos = ReadIntField(pos, m_settings.m_nMethodOption);
    pos = ReadDoubleField(pos + 5, m_settings.m_dGamma);
    pos = ReadDoubleField(pos, m_settings.m_dCohesion);
    ReadDoubleField(pos, m_settings.m_dPhi);

    line = NextLine(file);
    if (StartsWith(line, "DSCAL")) {
        CString scale(line);
        PadWithBlanks(scale, 20);
        ReadDoubleField(scale.GetString() + 10, m_settings.m_dVectorScale);
        line = NextLine(file);
    }
    if (!StartsWith(line, "BLINE")) {
        ReadErrorMessage(path);
    }
    m_listBlockLines.clear();
    for (int n = SectionCount(line); n > 0; --n) {
        CString record = NextLine(file);
        PadWithBlanks(record, 60);
        BlockLineRecord block{};
        pos = ReadDoubleField(record.GetString() + 10, block.x1);
        pos = ReadDoubleField(pos, block.y1);
        pos = ReadDoubleField(pos, block.x2);
        pos = ReadDoubleField(pos, block.y2);
        block.beta = 0.1;
        if (version == CVerrant::kCurrentFormat) {
            ReadDoubleField(pos, block.beta);
        }
        m_listBlockLines.push_back(block);
    }

    line = NextLine(file);
    if (!StartsWith(line, "BOUND")) {
        ReadErrorMessage(path);
    }
    for (int n = SectionCount(line); n > 0; --n) {
        auto point = std::make_unique<CNode>();
        point->ParseRecord(NextLine(file), version == CVerrant::kOldFormat ? 1 : 0);
        if (point->number == platform::kUnsetInt || point->number < 1 || point->number > 0x10000) {
            continue;
        }
        WORD key = static_cast<WORD>(point->number - 1);
        CObject* replaced = nullptr;
        if (m_mapBound.Lookup(key, replaced)) {
            delete replaced;
        }
        m_mapBound.SetAt(key, point.release());
    }

    line = NextLine(file);
    if (!StartsWith(line, "EXCPT")) {
        ReadErrorMessage(path);
    }
    for (int n = SectionCount(line); n > 0; --n) {
        CString header = NextLine(file);
        CString name;
        double beta = 1.0;
        if (header.GetLength() > 30) {
            name = header.Mid(30);
            const CString& padded = header;
            ReadDoubleField(padded.GetString() + 20, beta);
        } else {
            name = header.Mid(15);
        }
        name.TrimRight();
        CDispData* disp = FindDispDataByName(name);
        if (!disp) {
            // A group without its record: its exclusion lines are passed over.
            for (int skip = SectionCount(CString("     ") + header.Mid(10)); skip > 0; --skip) {
                NextLine(file);
            }
            continue;
        }
        disp->beta = beta;
        disp->ParseExclusions(header, file, m_listDates);
    }

    line = NextLine(file);
    if (!StartsWith(line, "QOBRE")) {
        ReadErrorMessage(path);
    }
    int count = SectionCount(line);
    for (int n = 0; n < count; ++n) {
        auto slip = std::make_unique<CVerrant>();
        slip->ParseRecord(file, m_mapBound, version);
        if (n == 0 && version == CVerrant::kOldFormat && !m_listBlockLines.empty() &&
            slip->blockCount == static_cast<int>(m_listBlockLines.size())) {
            for (std::size_t i = 0; i < m_listBlockLines.size(); ++i) {
                m_listBlockLines[i].beta = slip->blockBeta[i];
            }
        }
        m_nSlipLineNo = std::max(m_nSlipLineNo, slip->number);
        m_listSlipLines.AddTail(slip.release());
    }
}

void CBlockDoc::FinishBoundaryPoints() {
    bool replaced = false;
    ForEachEntry(m_mapSectionBound, [&](WORD, CObject* object) {
        const CNode* source = static_cast<const CNode*>(object);
        CNode* old = FindPointByName(source->name, m_mapBound);
        if (!old || (old->x == source->x && old->y == source->y)) {
            return;
        }
        CNode* point = new CNode(old->number, source->x, source->y, source->state);
        point->name = source->name;
        point->kind = source->kind;
        point->inUse = source->inUse;
        point->slipMark = CNode::kSlipFixed;
        m_mapBound.SetAt(static_cast<WORD>(old->number - 1), point);
        // Slip lines that passed through the old point pass through its successor.
        POSITION pos = m_listSlipLines.GetHeadPosition();
        while (pos) {
            for (CNode*& held : static_cast<CVerrant*>(m_listSlipLines.GetNext(pos))->boundary) {
                if (held == old) {
                    held = point;
                }
            }
        }
        delete old;
        replaced = true;
    });
    if (replaced) {
        AfxMessageBox(u8"断面ﾓﾃﾞﾙﾃﾞｰﾀに座標が異なる同名の境界点があったため置き換えました");
    }
    if (!m_mapBound.IsEmpty()) {
        UpdateMaxNumbers(2);
        ForEachEntry(m_mapBound, [&](WORD, CObject* object) {
            static_cast<CNode*>(object)->seqNo = m_nNextKey;
            m_mapAllPoints.SetAt(static_cast<WORD>(m_nNextKey++), object);
        });
    }
}

} // namespace torvan
