#pragma once
// A point of the section model editor: ground-surface point (kind 0), measurement point
// (1), underground boundary point (2), left (3) or right (4) ground-surface boundary
// point. Reads and writes itself as one record of the section model file:
//
//   columns 1-5 number "%5d", 6-10 kind "%5d", 11-20 x and 21-30 y "%10.3lf",
//   for a named point other than a ground-surface point: five blanks, name from column 36.

#include "common/section/PointKind.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <cstddef>

namespace merdok {

class CNode : public CObject {
    DECLARE_DYNCREATE(CNode)

public:
    // Record states as the document and the view use them.
    enum State { kListed = -1, kNormal = 0, kChanging = 1, kSelected = 2, kStraightInner = 3, kRed = 4 };

    // From the record pool (RecordPool.h): a model's hundred thousand points are not as many
    // heap allocations.
    static void* operator new(std::size_t size);
    static void operator delete(void* place, std::size_t size) noexcept;

    CNode();
    // Sequence number unset; the creator sets the kind and, for named kinds, the name.
    CNode(int number, double x, double y, int state);

    int GetNumber() const { return m_nNumber; }
    void SetNumber(int number) { m_nNumber = number; }
    double GetX() const { return m_dX; }
    double GetY() const { return m_dY; }
    void SetXY(double x, double y) {
        m_dX = x;
        m_dY = y;
    }
    int GetState() const { return m_nState; }
    void SetState(int state) { m_nState = state; }
    int GetSeqNo() const { return m_nSeqNo; }
    void SetSeqNo(int seqNo) { m_nSeqNo = seqNo; }
    section::PointKind GetKind() const { return m_nKind; }
    void SetKind(section::PointKind kind) { m_nKind = kind; }
    CString& GetName() { return m_strName; }
    const CString& GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }

    // Reads one record (the line without its line end). Blank fields read as unset; the
    // name (columns 36-50, trailing blanks dropped) only for kinds other than 0. Returns 1.
    int Parse(const char* line);
    // The record text; a name is written whole.
    CString Format() const;
    // Columns 1-30 (number, kind, x, y), terminated, into buffer: the whole record when no
    // name follows, so that a writer of many points needs no string per record.
    static constexpr int kColumnsSize = 31;
    void FormatColumns(char (&buffer)[kColumnsSize]) const;
    bool HasNameColumns() const { return m_nKind != section::PointKind::kGround && !m_strName.IsEmpty(); }
    // True when every field fits its columns, so that the record reads back as written.
    bool FitsRecord() const;

private:
    // The ints side by side, so that no padding lies between them and the doubles: a model
    // holds a hundred thousand points, each 8 bytes smaller for it.
    int m_nNumber;
    int m_nState;
    int m_nSeqNo;
    section::PointKind m_nKind;
    double m_dX;
    double m_dY;
    CString m_strName;
};

} // namespace merdok
