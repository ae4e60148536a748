// The solver's files as the document's polynomial method uses them; SolverInputWriter and
// SolverResultReader know their columns.

#include "CBlockDoc.h"

#include "analysis/core/SolverInputWriter.h"
#include "analysis/core/SolverResultReader.h"
#include "platform/core/CFile.h"
#include "platform/core/MapEntries.h"

using section::PointKind;

namespace torvan {

void CBlockDoc::GetBoundaryPointNumbers(int& inner, int& left, int& right) const {
    if (m_mapBound.IsEmpty() || m_LineList.IsEmpty()) {
        return;
    }
    for (auto [key, point] : platform::MapEntries<const CNode>(m_mapBound)) {
        if (!point->inUse) {
            continue;
        }
        int* slot = point->kind == PointKind::kInnerBoundary   ? &inner
                    : point->kind == PointKind::kLeftBoundary  ? &left
                    : point->kind == PointKind::kRightBoundary ? &right
                                                               : nullptr;
        if (slot) {
            *slot = point->number;
        }
    }
}

int CBlockDoc::WriteSolverInput(CString& inputPath, CString& resultPath) {
    return SolverInputWriter(*this).Write(inputPath, resultPath);
}

int CBlockDoc::ReadSolverResult(const char* path, std::vector<std::array<double, 3>>& coefficients,
                                std::vector<std::array<double, 2>>& ranges) {
    return SolverResultReader(*this).Read(path, coefficients, ranges);
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
