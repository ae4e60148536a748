#pragma once
// A ground-surface line of the analysis program's section model, between two points
// given by their keys in the document's ground-surface point map.

#include "common/geometry/Geometry.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

namespace torvan {

class CNumberToKey;
class CKeyToNumber;

class CLine : public CObject {
    DECLARE_DYNCREATE(CLine)

public:
    enum Status { kNormal = 0, kAdded = 1, kSelected = 2, kCollapsed = -1 };

    CLine();
    CLine(int firstKey, int secondKey);

    // Reads a line record (line number, two point numbers, segment kind; 5 columns
    // each) and translates the point numbers to keys. Returns 1.
    int ParseRecord(const char* line, const CNumberToKey& numberToKey);
    // Writes index + 1 as the line number and both keys as point numbers.
    void FormatRecord(CString& out, int index, const CKeyToNumber& keyToNumber) const;

    int number;
    int node1;
    int node2;
    SegmentKind segKind;
    int status;
    int lineKey;
    int spare;
};

} // namespace torvan
