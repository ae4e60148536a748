#include "CNode.h"

#include "common/records/CTextFile.h"
#include "common/records/RecordFields.h"
#include "common/records/SectionModelFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

#include <cstdlib>

using section::PointKind;

namespace torvan {

IMPLEMENT_DYNCREATE(CNode, CObject)

namespace {

constexpr int kParseWidth = 70;
constexpr int kFullNameColumn = 55; // 0-based offset of column 56

// |kind| with the unset marker (and any other negative extreme) taken as below 2.
int AbsoluteKind(int kindField) {
    return kindField == platform::kUnsetInt ? 0 : std::abs(kindField);
}

} // namespace

CNode::CNode()
    : CNode(platform::kUnsetInt, platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetInt) {}

CNode::CNode(int number_, double x_, double y_, int state_)
    : number(number_), x(x_), y(y_), state(state_), seqNo(platform::kUnsetInt), kind(PointKind::kGround),
      inUse(1), slipMark(kSlipFree), beta(1.0), alpha(platform::kUnsetDouble) {}

int CNode::ParseRecord(const char* line, int shortForm) {
    if (shortForm) {
        TakeSectionPoint(ReadSectionPoint(line));
        return 1;
    }
    CString padded(line);
    PadWithBlanks(padded, kParseWidth);
    const char* pos = padded.GetString();
    int kindField;
    pos = ReadIntField(pos, number);
    pos = ReadIntField(pos, kindField);
    pos = ReadDoubleField(pos, x);
    pos = ReadDoubleField(pos, y);
    pos = ReadDoubleField(pos, beta);
    if (AbsoluteKind(kindField) == 2) {
        pos += kDoubleFieldWidth;
    } else {
        pos = ReadDoubleField(pos, alpha);
    }
    int mark = slipMark;
    if (AbsoluteKind(kindField) >= 2) {
        ReadIntField(pos, mark);
    }
    TakeKind(kindField, mark);
    if (kind != PointKind::kGround) {
        CString text(line);
        text.TrimRight();
        name = text.GetLength() > kFullNameColumn ? text.Mid(kFullNameColumn) : CString();
    }
    state = kNormal;
    return 1;
}

void CNode::TakeSectionPoint(const section::PointRecord& record) {
    number = record.number;
    x = record.x;
    y = record.y;
    const int kindField = section::StoredPointKind(record.kind);
    TakeKind(kindField, AbsoluteKind(kindField) >= 2 ? record.mark : slipMark);
    if (kind != PointKind::kGround) {
        name = record.name;
    }
    state = kNormal;
}

// A boundary point's kind is written negative while it is out of use; its slip mark follows.
void CNode::TakeKind(int kindField, int mark) {
    if (AbsoluteKind(kindField) < 2) {
        kind = section::PointKindFromStored(kindField);
        inUse = 1;
    } else {
        inUse = kindField >= 0 ? 1 : 0;
        kind = section::PointKindFromStored(AbsoluteKind(kindField));
        slipMark = mark;
    }
}

void CNode::FormatRecord(CString& out) const {
    char buffer[kFullNameColumn + 1];
    const int kindField = section::StoredPointKind(kind);
    bool switchedOff = inUse == 0 && kindField != platform::kUnsetInt;
    char* pos = WriteIntField(buffer, number);
    pos = WriteIntField(pos, switchedOff ? -kindField : kindField);
    pos = WriteDoubleField(pos, x, "%10.3lf");
    pos = WriteDoubleField(pos, y, "%10.3lf");
    if (kind != PointKind::kGround) {
        pos = WriteDoubleField(pos, beta, "%10.4lf");
        pos = WriteDoubleField(pos, kind == PointKind::kInnerBoundary ? platform::kUnsetDouble : alpha,
                               "%10.4lf");
        WriteIntField(pos, section::IsBoundaryKind(kind) ? slipMark : platform::kUnsetInt);
    }
    out = buffer;
    if (kind != PointKind::kGround && !name.IsEmpty()) {
        out += name;
    }
}

void CNode::WriteSolverRecord(const char* keyword, CTextFile& file) const {
    CString line(keyword);
    PadWithBlanks(line, kIntFieldWidth);
    line = line.Left(kIntFieldWidth);
    char buffer[kFullNameColumn + 1];
    char* pos = WriteIntField(buffer, number);
    pos = WriteDoubleField(pos, x, "%10.3lf");
    pos = WriteDoubleField(pos, y, "%10.3lf");
    if (kind != PointKind::kGround) {
        pos = WriteDoubleField(pos, beta, "%10.4lf");
        WriteDoubleField(pos, kind == PointKind::kInnerBoundary ? platform::kUnsetDouble : alpha, "%10.4lf");
    }
    line += buffer;
    if (kind != PointKind::kGround && !name.IsEmpty()) {
        line += "     ";
        line += name;
    }
    file.WriteLine(line);
}

} // namespace torvan
