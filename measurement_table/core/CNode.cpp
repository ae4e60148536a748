#include "measurement_table/core/CNode.h"

#include "common/records/RecordFields.h"

namespace quilmo {

namespace {
constexpr int kNameColumn = 35; // 0-based start of column 36
constexpr int kNameEnd = 50;
} // namespace

void CNode::ReadRecord(const char* line) {
    CString text(line);
    if (text.GetLength() < kNameEnd) {
        text += CString(' ', kNameEnd - text.GetLength());
    }
    const char* pos = ReadIntField(text.GetString(), number);
    pos = ReadDoubleField(pos + kIntFieldWidth, x);
    ReadDoubleField(pos, y);
    if (kind == kNode) {
        return;
    }
    name = text.Mid(kNameColumn, kNameEnd - kNameColumn);
    name.TrimRight();
}

} // namespace quilmo
