// The solver input file handed to the slip-surface solver for the polynomial method,
// and the slip-line result file it writes back.

#include "CBlockDoc.h"

#include "analysis/core/CDispData.h"
#include "common/records/CTextFile.h"
#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CException.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <new>

namespace torvan {

using platform::IsUnsetDouble;

namespace {

// Keyword of a section's first record; five blanks on the records after it.
class SectionKeyword {
public:
    explicit SectionKeyword(const char* keyword) : keyword_(keyword) {}
    CString Take() {
        CString text = used_ ? CString("     ") : keyword_;
        used_ = true;
        return text;
    }
    bool Used() const { return used_; }

private:
    CString keyword_;
    bool used_ = false;
};

CString Number(int value) {
    char buffer[8];
    WriteIntField(buffer, value);
    return CString(buffer);
}

CString Reals(std::initializer_list<std::pair<double, const char*>> values) {
    CString text;
    char buffer[16];
    for (const auto& [value, format] : values) {
        WriteDoubleField(buffer, value, format);
        text += buffer;
    }
    return text;
}

} // namespace

void CBlockDoc::GetBoundaryPointNumbers(int& inner, int& left, int& right) const {
    if (m_mapBound.IsEmpty() || m_LineList.IsEmpty()) {
        return;
    }
    for (auto [key, point] : platform::MapEntries<const CNode>(m_mapBound)) {
        if (!point->inUse) {
            continue;
        }
        int* slot = point->kind == CNode::kInnerBoundary   ? &inner
                    : point->kind == CNode::kLeftBoundary  ? &left
                    : point->kind == CNode::kRightBoundary ? &right
                                                           : nullptr;
        if (slot) {
            *slot = point->number;
        }
    }
}

int CBlockDoc::WriteSolverInput(CString& inputPath, CString& resultPath) {
    inputPath = m_strDir + m_strTitle + ".qel";
    resultPath = m_strDir + m_strTitle + ".slf";
    platform::SafeFileWriter writer(inputPath);
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return 0;
    }
    try {
        if (!WriteSolverSections(file)) {
            return 0; // the writer drops the partial input
        }
        file.Close();
        writer.Commit();
        return 1;
    } catch (const CFileException&) {
        file.Abort();
        return 0;
    }
}

int CBlockDoc::WriteSolverSections(CTextFile& file) {
    if (m_listGroundOrder.IsEmpty()) {
        return 0;
    }
    SectionKeyword node("NODE ");
    POSITION pos = m_listGroundOrder.GetHeadPosition();
    while (pos) {
        CNode* point = static_cast<CNode*>(m_listGroundOrder.GetNext(pos));
        point->WriteSolverRecord(node.Take(), file);
    }
    if (m_mapDisp.IsEmpty()) {
        return 0;
    }
    SectionKeyword measurement("POINT");
    for (auto [key, disp] : platform::MapEntries<const CDispData>(m_mapDisp)) {
        file.WriteLine(measurement.Take() + Number(key + 1) +
                       Reals({{disp->baseX, "%10.3lf"}, {disp->baseY, "%10.3lf"}, {disp->beta, "%10.4lf"}}));
    }
    if (!measurement.Used() || m_mapBound.IsEmpty()) {
        return 0;
    }
    int inner = 0;
    int left = 0;
    int right = 0;
    GetBoundaryPointNumbers(inner, left, right);
    const std::pair<int, const char*> surfacePoints[3] = {
        {left, "LEFT      "}, {right, "RIGHT     "}, {inner, "INNER     "}};
    for (const auto& [number, keyword] : surfacePoints) {
        if (number <= 0) {
            continue;
        }
        CObject* object = nullptr;
        if (number > 0x10000 || !m_mapBound.Lookup(static_cast<WORD>(number - 1), object)) {
            return 0;
        }
        const CNode* point = static_cast<const CNode*>(object);
        CString record = CString(keyword) +
                         Reals({{point->x, "%10.3lf"}, {point->y, "%10.3lf"}, {point->beta, "%10.4lf"}});
        if (point->kind != CNode::kInnerBoundary) {
            record += Reals({{point->alpha, "%10.4lf"}});
        }
        file.WriteLine(record);
    }
    SectionKeyword block("BLOCK");
    int running = 0;
    for (const BlockLineRecord& line : m_listBlockLines) {
        file.WriteLine(block.Take() + Number(++running) +
                       Reals({{line.x1, "%10.3lf"}, {line.beta, "%10.4lf"}}));
    }
    if (m_mapDisp.IsEmpty()) {
        return 0;
    }
    SectionKeyword displacement("DISP ");
    bool met = false;
    for (auto [key, disp] : platform::MapEntries<const CDispData>(m_mapDisp)) {
        met = true;
        if (!disp->inUse) {
            continue;
        }
        SectionKeyword attempt = displacement;
        if (disp->WriteSolverRecord(attempt.Take() + Number(key + 1), file)) {
            displacement = attempt; // the keyword stays for the next record when nothing was written
        }
    }
    if (!met) {
        return 0;
    }
    if (!IsUnsetDouble(m_settings.m_dGamma) && !IsUnsetDouble(m_settings.m_dCohesion) &&
        !IsUnsetDouble(m_settings.m_dPhi)) {
        file.WriteLine(CString("COEF      ") + Reals({{m_settings.m_dGamma, "%10.3lf"},
                                                      {m_settings.m_dCohesion, "%10.3lf"},
                                                      {m_settings.m_dPhi, "%10.3lf"}}));
    }
    file.WriteLine("END ");
    return 1;
}

int CBlockDoc::ReadSolverResult(const char* path, std::vector<std::array<double, 3>>& coefficients,
                                std::vector<std::array<double, 2>>& ranges) {
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return 0;
    }
    try {
        char line[82];
        if (!file.ReadLine(line, sizeof line) || !file.ReadLine(line, sizeof line)) {
            file.Abort();
            return 0;
        }
        CString countField = CString(line).Left(20).Mid(17);
        int count = 0;
        if (!platform::ScanInt(countField, count) || count <= 0) {
            file.Abort();
            return 0; // a result without blocks is no result
        }
        double width, height;
        GetModelExtent(width, height);
        double span = std::fabs(m_extents.m_dMaxX - m_extents.m_dMinX);
        double low = m_extents.m_dMinX - span / 2.0;
        double high = m_extents.m_dMaxX + span / 2.0;
        if (!file.ReadLine(line, sizeof line)) {
            file.Abort();
            return 0;
        }
        for (int block = 0; block < count; ++block) {
            double values[5];
            if (!file.ReadLine(line, sizeof line) || platform::ScanDoubles(line, values, 5) != 5) {
                file.Abort();
                return 0; // a truncated or unreadable result is no result
            }
            bool finite = true;
            for (double v : values) {
                finite = finite && std::isfinite(v);
            }
            if (!finite || values[3] < low || values[3] > high || values[4] < low || values[4] > high) {
                AfxMessageBox(u8"解析結果に不正な数値があるため、すべり線作成できません");
                file.Abort();
                return 0;
            }
            coefficients.push_back({values[0], values[1], values[2]});
            ranges.push_back({values[3], values[4]});
        }
        file.Close();
        return static_cast<int>(ranges.size());
    } catch (const CFileException&) {
        file.Abort();
        return 0;
    } catch (const std::bad_alloc&) {
        file.Abort();
        AfxMessageBox(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
        return 0;
    }
}

int CBlockDoc::CanOpenFile(const char* path, UINT openFlags) {
    CFile file;
    CFileException error;
    if (!file.Open(path, openFlags, &error)) {
        return 0;
    }
    file.Close();
    return 1;
}

} // namespace torvan
