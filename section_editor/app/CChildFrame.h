#pragma once
// The child frame of one section model document: its caption is the document's path in small
// letters (a new document saved under a name takes that name).

#include "common/ui/shell/CSectionChildFrame.h"

namespace merdok {

class CChildFrame : public shell::CSectionChildFrame {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() : CSectionChildFrame(true) {}
};

} // namespace merdok
