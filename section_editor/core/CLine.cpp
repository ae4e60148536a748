#include "CLine.h"

#include "section_editor/core/RecordPool.h"

#include "platform/core/Unset.h"

namespace merdok {

IMPLEMENT_DYNCREATE(CLine, CObject)

void* CLine::operator new(std::size_t size) {
    return RecordPool<CLine>::Allocate(size);
}

void CLine::operator delete(void* place, std::size_t size) noexcept {
    RecordPool<CLine>::Free(place, size);
}

CLine::CLine() : CLine(platform::kUnsetInt, platform::kUnsetInt) {}

CLine::CLine(int firstKey, int secondKey)
    : m_nNumber(0), m_nNode1(firstKey), m_nNode2(secondKey), m_nSegKind(SegmentKind::kSloped),
      m_nState(kNormal), m_nKey(0) {}

} // namespace merdok
