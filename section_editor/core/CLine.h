#pragma once
// A ground line of the section model editor between two ground-surface points, given by
// their keys (number - 1) in the document's ground-surface point map.

#include "common/geometry/Geometry.h"
#include "platform/core/CObject.h"

#include <cstddef>

namespace merdok {

class CLine : public CObject {
    DECLARE_DYNCREATE(CLine)

public:
    enum State { kDropped = -1, kNormal = 0, kNew = 1, kSelected = 2 };

    // From the record pool (RecordPool.h), as the points are.
    static void* operator new(std::size_t size);
    static void operator delete(void* place, std::size_t size) noexcept;

    CLine();
    // State 0; number, segment kind and own key are set by the document.
    CLine(int firstKey, int secondKey);

    int GetNumber() const { return m_nNumber; }
    void SetNumber(int number) { m_nNumber = number; }
    int GetNode1() const { return m_nNode1; }
    int GetNode2() const { return m_nNode2; }
    void SetNodes(int firstKey, int secondKey) {
        m_nNode1 = firstKey;
        m_nNode2 = secondKey;
    }
    // 1 horizontal, 2 vertical, 0 other.
    SegmentKind GetSegKind() const { return m_nSegKind; }
    void SetSegKind(SegmentKind kind) { m_nSegKind = kind; }
    int GetState() const { return m_nState; }
    void SetState(int state) { m_nState = state; }
    int GetKey() const { return m_nKey; }
    void SetKey(int key) { m_nKey = key; }

    bool HasEnd(int key) const { return m_nNode1 == key || m_nNode2 == key; }
    // The end across the line from the given one.
    int OtherEnd(int key) const { return m_nNode1 == key ? m_nNode2 : m_nNode1; }

private:
    int m_nNumber;
    int m_nNode1;
    int m_nNode2;
    SegmentKind m_nSegKind;
    int m_nState;
    int m_nKey;
};

} // namespace merdok
