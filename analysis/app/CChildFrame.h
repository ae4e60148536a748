#pragma once
// The child frame of one analysis document: a new document keeps its title "新規..." as
// caption. (When the last document window goes, the main frame clears its guide texts.)

#include "common/ui/shell/CSectionChildFrame.h"

namespace torvan {

class CChildFrame : public shell::CSectionChildFrame {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() : CSectionChildFrame(false) {}
};

} // namespace torvan
