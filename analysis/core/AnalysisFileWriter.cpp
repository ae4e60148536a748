#include "analysis/core/AnalysisFileWriter.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "common/records/RecordFields.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"

namespace torvan {

namespace {

CString CountLine(const char* keyword, int count) {
    char buffer[8];
    WriteIntField(buffer, count);
    return CString(keyword) + buffer;
}

void WriteHead(CTextFile& file, const CBlockDoc& doc) {
    file.WriteLine(FormatTitleRecord(doc.m_strAnalysisTitle, kAnalysisTag));
    file.WriteLine(CString("SEFIL     ") + doc.m_strSectionFile);
    file.WriteLine(CString("DSFIL     ") + doc.m_strDispFile);
    const AnalysisSettings& settings = doc.m_settings;
    char buffer[64];
    char* pos = WriteIntField(buffer, settings.m_nMethod);
    pos = WriteIntField(pos, settings.m_nMethodOption);
    pos = WriteIntField(pos, platform::kUnsetInt);
    pos = WriteDoubleField(pos, settings.m_dGamma, "%10.3lf");
    pos = WriteDoubleField(pos, settings.m_dCohesion, "%10.3lf");
    WriteDoubleField(pos, settings.m_dPhi, "%10.3lf");
    file.WriteLine(CString("CALCF") + buffer);
    WriteDoubleField(buffer, settings.m_dVectorScale, "%10.3lf");
    file.WriteLine(CString("DSCAL     ") + buffer);
}

void WriteBlockLines(CTextFile& file, const std::vector<BlockLineRecord>& lines) {
    file.WriteLine(CountLine("BLINE", static_cast<int>(lines.size())));
    char buffer[64];
    for (const BlockLineRecord& line : lines) {
        char* pos = WriteDoubleField(buffer, line.x1, "%10.3lf");
        pos = WriteDoubleField(pos, line.y1, "%10.3lf");
        pos = WriteDoubleField(pos, line.x2, "%10.3lf");
        pos = WriteDoubleField(pos, line.y2, "%10.3lf");
        WriteDoubleField(pos, line.beta, "%10.4lf");
        file.WriteLine(CString(' ', 10) + buffer);
    }
}

void WriteRecords(CTextFile& file, const CBlockDoc& doc) {
    file.WriteLine(CountLine("BOUND", doc.m_mapBound.GetCount()));
    for (auto [key, point] : platform::MapEntries<const CNode>(doc.m_mapBound)) {
        CString record;
        point->FormatRecord(record);
        file.WriteLine(record);
    }
    file.WriteLine(CountLine("EXCPT", doc.m_mapDisp.GetCount()));
    for (auto [key, record] : platform::MapEntries<const CDispData>(doc.m_mapDisp)) {
        record->WriteExclusions(file, doc.m_listDates);
    }
    file.WriteLine(CountLine("QOBRE", doc.m_listSlipLines.GetCount()));
    for (POSITION pos = doc.m_listSlipLines.GetHeadPosition(); pos;) {
        static_cast<const CVerrant*>(doc.m_listSlipLines.GetNext(pos))->WriteRecord(file);
    }
}

} // namespace

int AnalysisFileWriter::Write(const char* path) const {
    platform::SafeFileWriter writer(path);
    return Write(writer) && CommitWithMessage(writer) ? 1 : 0;
}

int AnalysisFileWriter::Write(platform::SafeFileWriter& writer) const {
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return 0;
    }
    try {
        WriteHead(file, doc_);
        WriteBlockLines(file, doc_.m_listBlockLines);
        WriteRecords(file, doc_);
        file.WriteLine("END");
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return 0;
    }
    return 1;
}

} // namespace torvan
