#include "section_editor/core/CDocumentSnapshot.h"

#include "section_editor/core/CBlockDoc.h"

#include <algorithm>
#include <memory>

namespace merdok {

namespace {

template <typename T> void CopyRecords(const RecordMap<T>& from, RecordMap<T>& to) {
    to.RemoveAll();
    for (const auto& [key, record] : from) {
        to.SetAt(key, std::make_unique<T>(*record));
    }
}

} // namespace

CDocumentSnapshot::CDocumentSnapshot(const CBlockDoc& doc)
    : nodeCount_(doc.m_nNodeCount), siteCount_(doc.m_nSiteCount), boundCount_(doc.m_nBoundCount),
      lineCount_(doc.m_nLineCount), nextSeqNo_(doc.m_nNextSeqNo), dir_(doc.m_strDir), path_(doc.m_strPath),
      docName_(doc.m_strDocName) {
    CopyRecords(doc.m_mapNode, nodes_);
    CopyRecords(doc.m_mapSite, sites_);
    CopyRecords(doc.m_mapBound, bounds_);
    CopyRecords(doc.m_LineList, lines_);
    std::copy(doc.m_dModelBox, doc.m_dModelBox + 4, modelBox_);
    std::copy(doc.m_dModelSize, doc.m_dModelSize + 4, modelSize_);
}

void CDocumentSnapshot::RestoreInto(CBlockDoc& doc) {
    doc.DeleteContents();
    CopyRecords(nodes_, doc.m_mapNode);
    CopyRecords(sites_, doc.m_mapSite);
    CopyRecords(bounds_, doc.m_mapBound);
    CopyRecords(lines_, doc.m_LineList);
    for (const RecordMap<CNode>* map : {&doc.m_mapNode, &doc.m_mapSite, &doc.m_mapBound}) {
        for (const auto& [key, point] : *map) {
            doc.m_mapAllPoints.Set(point->GetSeqNo(), point.get());
        }
    }
    doc.m_nNodeCount = nodeCount_;
    doc.m_nSiteCount = siteCount_;
    doc.m_nBoundCount = boundCount_;
    doc.m_nLineCount = lineCount_;
    doc.m_nNextSeqNo = nextSeqNo_;
    std::copy(modelBox_, modelBox_ + 4, doc.m_dModelBox);
    std::copy(modelSize_, modelSize_ + 4, doc.m_dModelSize);
    doc.m_strDir = dir_;
    doc.m_strPath = path_;
    doc.m_strDocName = docName_;
}

} // namespace merdok
