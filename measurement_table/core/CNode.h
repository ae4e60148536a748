#pragma once
// One point of the section model as the table editor reads it: ground-surface nodes,
// measurement points (whose names give the table its columns) and boundary points.

#include "platform/core/CString.h"

namespace quilmo {

class CNode {
public:
    enum Kind { kNode = 0, kSite = 1, kBound = 2 };

    CNode() = default;
    explicit CNode(int nodeKind) : kind(nodeKind) {}

    // Number from columns 1-5, x from 11-20, y from 21-30 and, for points other than
    // nodes, the name from columns 36-50 without trailing blanks.
    void ReadRecord(const char* line);

    int number = 0;
    double x = 0;
    double y = 0;
    int mark = 0; // 1 while matching: the point already has a displacement series
    int kind = kNode;
    CString name;
};

} // namespace quilmo
