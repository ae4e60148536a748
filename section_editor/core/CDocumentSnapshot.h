#pragma once
// A copy of the section model's contents (points, lines, counters, box, size and file
// name) that can be put back, so that an operation which fails part way leaves the model as
// it was. Putting it back replaces every record by a copy: pointers to the document's
// records taken before are no longer valid.

#include "section_editor/core/CLine.h"
#include "section_editor/core/CNode.h"
#include "section_editor/core/RecordMap.h"

#include "platform/core/CString.h"

namespace merdok {

class CBlockDoc;

class CDocumentSnapshot {
public:
    explicit CDocumentSnapshot(const CBlockDoc& doc);

    void RestoreInto(CBlockDoc& doc);

private:
    RecordMap<CNode> nodes_;
    RecordMap<CNode> sites_;
    RecordMap<CNode> bounds_;
    RecordMap<CLine> lines_;
    int nodeCount_;
    int siteCount_;
    int boundCount_;
    int lineCount_;
    int nextSeqNo_;
    double modelBox_[4];
    double modelSize_[4];
    CString dir_;
    CString path_;
    CString docName_;
};

} // namespace merdok
