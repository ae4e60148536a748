#include "CLine.h"

#include "analysis/core/CNumberToKey.h"
#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

namespace torvan {

IMPLEMENT_DYNCREATE(CLine, CObject)

CLine::CLine() : CLine(platform::kUnsetInt, platform::kUnsetInt) {}

CLine::CLine(int firstKey, int secondKey)
    : number(platform::kUnsetInt), node1(firstKey), node2(secondKey), segKind(SegmentKind::kSloped),
      status(kNormal), lineKey(platform::kUnsetInt), spare(0) {}

int CLine::ParseRecord(const char* line, const CNumberToKey& numberToKey) {
    CString padded(line);
    PadWithBlanks(padded, 4 * kIntFieldWidth);
    const char* pos = padded.GetString();
    int first;
    int second;
    pos = ReadIntField(pos, number);
    pos = ReadIntField(pos, first);
    pos = ReadIntField(pos, second);
    int kindField;
    ReadIntField(pos, kindField);
    segKind = SegmentKindFromStored(kindField);
    node1 = numberToKey.Lookup(first);
    node2 = numberToKey.Lookup(second);
    status = kNormal;
    spare = 0;
    return 1;
}

void CLine::FormatRecord(CString& out, int index, const CKeyToNumber& keyToNumber) const {
    char buffer[4 * kIntFieldWidth + 1];
    char* pos = WriteIntField(buffer, index + 1);
    pos = WriteIntField(pos, keyToNumber.Lookup(node1));
    pos = WriteIntField(pos, keyToNumber.Lookup(node2));
    WriteIntField(pos, StoredSegmentKind(segKind));
    out = buffer;
}

} // namespace torvan
