#include "analysis/core/SolverInputWriter.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "common/records/CTextFile.h"
#include "common/records/RecordFields.h"
#include "platform/core/MapEntries.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/core/Unset.h"

#include <initializer_list>
#include <utility>

using section::PointKind;

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

int SolverInputWriter::Write(CString& inputPath, CString& resultPath) const {
    inputPath = model_.Directory() + model_.Title() + ".qel";
    resultPath = model_.Directory() + model_.Title() + ".slf";
    platform::SafeFileWriter writer(inputPath);
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return 0;
    }
    try {
        if (!WriteSections(file)) {
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

int SolverInputWriter::WriteSections(CTextFile& file) const {
    if (model_.GroundOrder().IsEmpty()) {
        return 0;
    }
    SectionKeyword node("NODE ");
    POSITION pos = model_.GroundOrder().GetHeadPosition();
    while (pos) {
        const CNode* point = static_cast<const CNode*>(model_.GroundOrder().GetNext(pos));
        point->WriteSolverRecord(node.Take(), file);
    }
    if (model_.Displacements().IsEmpty()) {
        return 0;
    }
    SectionKeyword measurement("POINT");
    for (auto [key, disp] : platform::MapEntries<const CDispData>(model_.Displacements())) {
        file.WriteLine(measurement.Take() + Number(key + 1) +
                       Reals({{disp->baseX, "%10.3lf"}, {disp->baseY, "%10.3lf"}, {disp->beta, "%10.4lf"}}));
    }
    if (!measurement.Used() || model_.BoundaryPoints().IsEmpty() || !WriteSurfacePoints(file)) {
        return 0;
    }
    SectionKeyword block("BLOCK");
    int running = 0;
    for (const BlockLineRecord& line : model_.BlockLines()) {
        file.WriteLine(block.Take() + Number(++running) +
                       Reals({{line.x1, "%10.3lf"}, {line.beta, "%10.4lf"}}));
    }
    if (!WriteDisplacements(file)) {
        return 0;
    }
    const AnalysisSettings& settings = model_.Settings();
    if (!IsUnsetDouble(settings.m_dGamma) && !IsUnsetDouble(settings.m_dCohesion) &&
        !IsUnsetDouble(settings.m_dPhi)) {
        file.WriteLine(CString("COEF      ") + Reals({{settings.m_dGamma, "%10.3lf"},
                                                      {settings.m_dCohesion, "%10.3lf"},
                                                      {settings.m_dPhi, "%10.3lf"}}));
    }
    file.WriteLine("END ");
    return 1;
}

bool SolverInputWriter::WriteSurfacePoints(CTextFile& file) const {
    int inner = 0;
    int left = 0;
    int right = 0;
    model_.GetBoundaryPointNumbers(inner, left, right);
    const std::pair<int, const char*> surfacePoints[3] = {
        {left, "LEFT      "}, {right, "RIGHT     "}, {inner, "INNER     "}};
    for (const auto& [number, keyword] : surfacePoints) {
        if (number <= 0) {
            continue;
        }
        CObject* object = nullptr;
        if (number > 0x10000 || !model_.BoundaryPoints().Lookup(static_cast<WORD>(number - 1), object)) {
            return false;
        }
        const CNode* point = static_cast<const CNode*>(object);
        CString record = CString(keyword) +
                         Reals({{point->x, "%10.3lf"}, {point->y, "%10.3lf"}, {point->beta, "%10.4lf"}});
        if (point->kind != PointKind::kInnerBoundary) {
            record += Reals({{point->alpha, "%10.4lf"}});
        }
        file.WriteLine(record);
    }
    return true;
}

bool SolverInputWriter::WriteDisplacements(CTextFile& file) const {
    if (model_.Displacements().IsEmpty()) {
        return false;
    }
    SectionKeyword displacement("DISP ");
    bool met = false;
    for (auto [key, disp] : platform::MapEntries<const CDispData>(model_.Displacements())) {
        met = true;
        if (!disp->inUse) {
            continue;
        }
        SectionKeyword attempt = displacement;
        if (disp->WriteSolverRecord(attempt.Take() + Number(key + 1), file)) {
            displacement = attempt; // the keyword stays for the next record when nothing was written
        }
    }
    return met;
}

} // namespace torvan
