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
    file.WriteLine(FormatTitleRecord(doc.AnalysisTitle(), kAnalysisTag));
    file.WriteLine(CString("SEFIL     ") + doc.SectionFile());
    file.WriteLine(CString("DSFIL     ") + doc.DispFile());
    const AnalysisSettings& settings = doc.Settings();
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
    file.WriteLine(CountLine("BOUND", doc.BoundaryPoints().GetCount()));
    for (auto [key, point] : platform::MapEntries<const CNode>(doc.BoundaryPoints())) {
        CString record;
        point->FormatRecord(record);
        file.WriteLine(record);
    }
    file.WriteLine(CountLine("EXCPT", doc.Displacements().GetCount()));
    for (auto [key, record] : platform::MapEntries<const CDispData>(doc.Displacements())) {
        record->WriteExclusions(file, doc.ReadingDates());
    }
    file.WriteLine(CountLine("QOBRE", doc.SlipLines().GetCount()));
    for (POSITION pos = doc.SlipLines().GetHeadPosition(); pos;) {
        static_cast<const CVerrant*>(doc.SlipLines().GetNext(pos))->WriteRecord(file);
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
        WriteBlockLines(file, doc_.BlockLines());
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
