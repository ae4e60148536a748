#pragma once
// A point of the analysis program's section model: a ground-surface, measurement, inner,
// left or right ground-surface boundary point (section::PointKind). Coordinates in
// metres; unset values as in platform/core/Unset.h.

#include "common/section/PointKind.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CTextFile;

namespace section {
struct PointRecord;
}

namespace torvan {

class CNode : public CObject {
    DECLARE_DYNCREATE(CNode)

public:
    enum SelectState { kNormal = 0, kMarked = 1, kSelected = 2, kSelectedMarked = 3 };
    // slipMark of a boundary point: whether a slip line holds it, and whether the section
    // model fixes it (the values the analysis file stores).
    enum SlipMark { kSlipFree = 0, kSlipUsed = 1, kSlipFixed = 3, kSlipFixedUsed = 4 };

    CNode();
    CNode(int number, double x, double y, int state);

    // Reads a point record: the full form (shortForm 0: beta, alpha, slip mark, name
    // from column 56) or the short form of section model files (slip mark in
    // columns 31-35, name from column 36). Missing columns read as blanks. Returns 1.
    int ParseRecord(const char* line, int shortForm);
    // The full-form record from column 1, without keyword.
    void FormatRecord(CString& out) const;
    // The solver-input record: keyword (columns 1-5, blank-padded) and the point from
    // column 6, written as one line. File errors pass on as CFileException.
    void WriteSolverRecord(const char* keyword, CTextFile& file) const;

    bool IsBoundary() const { return section::IsBoundaryKind(kind); }

private:
    // The short form's fields, read by the section model file's reader.
    void TakeSectionPoint(const section::PointRecord& record);
    void TakeKind(int kindField, int mark);

public:
    int number;
    double x;
    double y;
    int state;
    int seqNo;
    section::PointKind kind;
    CString name;
    int inUse;
    int slipMark; // SlipMark
    double beta;
    double alpha;
};

} // namespace torvan
