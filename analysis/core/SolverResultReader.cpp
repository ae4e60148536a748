#include "analysis/core/SolverResultReader.h"

#include "analysis/core/CBlockDoc.h"
#include "common/records/CTextFile.h"
#include "platform/core/CException.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"

#include <cmath>
#include <new>

namespace torvan {

int SolverResultReader::Read(const char* path, std::vector<std::array<double, 3>>& coefficients,
                             std::vector<std::array<double, 2>>& ranges) const {
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
        model_.GetModelExtent(width, height);
        const ModelExtents& extents = model_.Extents();
        double span = std::fabs(extents.m_dMaxX - extents.m_dMinX);
        double low = extents.m_dMinX - span / 2.0;
        double high = extents.m_dMaxX + span / 2.0;
        if (!file.ReadLine(line, sizeof line)) {
            file.Abort();
            return 0;
        }
        for (int block = 0; block < count; ++block) {
            double values[5];
            // A line that ended the reading (a NUL, 64 KiB) may show five numbers before its damage.
            if (!file.ReadLine(line, sizeof line) || file.EndedAtNonTextLine() ||
                platform::ScanDoubles(line, values, 5) != 5) {
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

} // namespace torvan
