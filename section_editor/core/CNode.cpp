#include "CNode.h"

#include "section_editor/core/RecordPool.h"

#include "common/records/RecordFields.h"
#include "common/records/SectionModelFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

using section::PointKind;

namespace merdok {

IMPLEMENT_DYNCREATE(CNode, CObject)

namespace {

constexpr int kNameWidth = 15; // columns 36-50
constexpr const char* kCoordinateFormat = "%10.3lf";

} // namespace

void* CNode::operator new(std::size_t size) {
    return RecordPool<CNode>::Allocate(size);
}

void CNode::operator delete(void* place, std::size_t size) noexcept {
    RecordPool<CNode>::Free(place, size);
}

CNode::CNode() : CNode(platform::kUnsetInt, platform::kUnsetDouble, platform::kUnsetDouble, kNormal) {}

CNode::CNode(int number, double x, double y, int state)
    : m_nNumber(number), m_nState(state), m_nSeqNo(platform::kUnsetInt), m_nKind(PointKind::kGround), m_dX(x),
      m_dY(y) {}

int CNode::Parse(const char* line) {
    const section::PointRecord record = ReadSectionPoint(line);
    m_nNumber = record.number;
    m_nKind = record.kind;
    m_dX = record.x;
    m_dY = record.y;
    if (m_nKind != PointKind::kGround) {
        // Cut at column 50, never inside a double-byte character.
        m_strName = CutToWidth(record.name, kNameWidth);
        m_strName.TrimRight();
    }
    m_nState = kNormal;
    return 1;
}

void CNode::FormatColumns(char (&buffer)[kColumnsSize]) const {
    char* pos = WriteIntField(buffer, m_nNumber);
    pos = WriteIntField(pos, section::StoredPointKind(m_nKind));
    pos = WriteDoubleField(pos, m_dX, kCoordinateFormat);
    WriteDoubleField(pos, m_dY, kCoordinateFormat);
}

CString CNode::Format() const {
    char buffer[kColumnsSize];
    FormatColumns(buffer);
    CString record(buffer);
    if (HasNameColumns()) {
        record += "     ";
        record += m_strName;
    }
    return record;
}

bool CNode::FitsRecord() const {
    return FitsIntField(m_nNumber) && FitsIntField(section::StoredPointKind(m_nKind)) &&
           FitsDoubleField(m_dX, kCoordinateFormat) && FitsDoubleField(m_dY, kCoordinateFormat);
}

} // namespace merdok
