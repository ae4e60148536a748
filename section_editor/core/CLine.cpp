#include "CLine.h"

#include "platform/core/Unset.h"

namespace merdok {

IMPLEMENT_DYNCREATE(CLine, CObject)

CLine::CLine() : CLine(platform::kUnsetInt, platform::kUnsetInt) {}

CLine::CLine(int firstKey, int secondKey)
    : m_nNumber(0), m_nNode1(firstKey), m_nNode2(secondKey), m_nSegKind(SegmentKind::kSloped),
      m_nState(kNormal), m_nKey(0), m_nSpare(0) {}

} // namespace merdok
