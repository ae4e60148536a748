#pragma once
// The solver input file (".qel") of the polynomial method: the ground-surface points, the
// measurement points, the surface boundary points, the block lines, the displacements in
// use and the slip coefficients of a model, in the solver's fixed columns.

#include "platform/core/CString.h"

class CTextFile;

namespace torvan {

class CBlockDoc;

class SolverInputWriter {
public:
    explicit SolverInputWriter(const CBlockDoc& model) : model_(model) {}

    // Writes "<dir><title>.qel" beside the analysis file; inputPath and resultPath (the
    // solver's ".slf") are filled before anything else. 1 when the whole file was written;
    // 0 leaves no partial file (a model without ground points, measurement records or
    // boundary points has no input).
    int Write(CString& inputPath, CString& resultPath) const;

private:
    int WriteSections(CTextFile& file) const;
    // The LEFT, RIGHT and INNER records of the surface boundary points in use; false when a
    // point in use is not in the boundary point map.
    bool WriteSurfacePoints(CTextFile& file) const;
    // The DISP records of the displacements in use; false when there are no records.
    bool WriteDisplacements(CTextFile& file) const;

    const CBlockDoc& model_;
};

} // namespace torvan
