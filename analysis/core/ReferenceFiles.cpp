// The section model and measurement files as the analysis document takes them
// (SectionFileReader and DisplacementFileReader read them), reloaded, and the displacement
// records' look-ups.

#include "CBlockDoc.h"

#include "analysis/core/BlockDivision.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "analysis/core/DisplacementFileReader.h"
#include "analysis/core/SectionFileReader.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CException.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace torvan {

int CBlockDoc::ReadSecFile(const char* path) {
    if (!SectionFileReader(*this).Read(path)) {
        return 0;
    }
    // The records read before stay with the points of their names, wherever the file puts them.
    PlaceDisplacementRecords();
    return 1;
}

int CBlockDoc::ReadDisFile(const char* path) {
    return DisplacementFileReader(*this).Read(path);
}

CDispData* CBlockDoc::FindDispDataByName(const CString& name) const {
    for (auto [key, disp] : platform::MapEntries<CDispData>(m_mapDisp)) {
        if (disp->name == name) {
            return disp;
        }
    }
    return nullptr;
}

void CBlockDoc::PlaceDisplacementRecords() {
    if (m_mapDisp.IsEmpty()) {
        return;
    }
    CMapWordToOb placed;
    std::set<CDispData*> gone;
    for (auto [key, disp] : platform::MapEntries<CDispData>(m_mapDisp)) {
        const CNode* site = FindPointByName(disp->name, m_mapSite);
        if (!site || site->number < 1 || site->number > 0x10000) {
            gone.insert(disp);
            continue;
        }
        disp->baseX = site->x;
        disp->baseY = site->y;
        const WORD siteKey = static_cast<WORD>(site->number - 1);
        CObject* replaced = nullptr;
        if (placed.Lookup(siteKey, replaced)) {
            gone.insert(static_cast<CDispData*>(replaced));
        }
        placed.SetAt(siteKey, disp);
    }
    m_mapDisp.RemoveAll();
    for (auto [key, disp] : platform::MapEntries<CObject>(placed)) {
        m_mapDisp.SetAt(key, disp);
    }
    // The vector order refers to the records: a deleted one leaves it before it goes.
    for (POSITION pos = m_listVectorPoints.GetHeadPosition(); pos;) {
        const POSITION current = pos;
        if (gone.count(static_cast<CDispData*>(m_listVectorPoints.GetNext(pos))) != 0) {
            m_listVectorPoints.RemoveAt(current);
        }
    }
    BlockDivision(*this).AttachBlockRecords();
    for (CDispData* disp : gone) {
        delete disp;
    }
    for (auto [key, disp] : platform::MapEntries<CDispData>(m_mapDisp)) {
        disp->EvaluateVector(m_settings.m_nVectorMode);
    }
}

int CBlockDoc::ReloadReferenceFiles() {
    // A damaged file has been named by its read error: the reload ends there, and the
    // exception ends here, since the window commands that reload have no one to catch it.
    try {
        if (!ReadSecFile(ResolveReferencePath(m_strSectionFile)) ||
            !ReadDisFile(ResolveReferencePath(m_strDispFile))) {
            return 0;
        }
    } catch (const CUserException&) {
        return 0;
    }
    for (auto [key, point] : platform::MapEntries<const CNode>(m_mapBound)) {
        m_mapAllPoints.RemoveKey(static_cast<WORD>(point->seqNo));
    }
    // Slip lines keep their boundary points: each slot moves to the point that takes
    // the old one's key, or is cleared when the section model has none there.
    std::vector<std::pair<CNode**, WORD>> heldSlots;
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        for (CNode*& held : static_cast<CVerrant*>(m_listSlipLines.GetNext(pos))->boundary) {
            if (held) {
                heldSlots.emplace_back(&held, static_cast<WORD>(held->number - 1));
            }
        }
    }
    DeleteAllMapObjects(m_mapBound);
    for (auto [key, source] : platform::MapEntries<const CNode>(sectionBounds_)) {
        CNode* point = new CNode(source->number, source->x, source->y, source->state);
        point->name = source->name;
        point->kind = source->kind;
        point->slipMark = CNode::kSlipFixed;
        point->seqNo = m_nNextKey;
        m_mapBound.SetAt(key, point);
        m_mapAllPoints.SetAt(static_cast<WORD>(m_nNextKey++), point);
    }
    for (auto& [slot, key] : heldSlots) {
        CObject* successor = nullptr;
        *slot = m_mapBound.Lookup(key, successor) ? static_cast<CNode*>(successor) : nullptr;
    }
    m_nMaxBound = maxSectionBound_;
    double width, height;
    GetModelExtent(width, height);
    return 1;
}

void CBlockDoc::CalcMaxDisplacement() {
    m_extents.m_dMaxDisp = platform::kUnsetDouble;
    for (auto [key, disp] : platform::MapEntries<CDispData>(m_mapDisp)) {
        disp->EvaluateVector(m_settings.m_nVectorMode);
        if (!disp->inUse) {
            continue;
        }
        for (int i = 0; i < disp->count; ++i) {
            if (!disp->IsUsable(i)) {
                continue;
            }
            double length =
                std::hypot(disp->col1[static_cast<std::size_t>(i)], disp->col2[static_cast<std::size_t>(i)]);
            if (platform::IsUnsetDouble(m_extents.m_dMaxDisp) || length > m_extents.m_dMaxDisp) {
                m_extents.m_dMaxDisp = length;
            }
        }
    }
}

CString CBlockDoc::ResolveReferencePath(const CString& name) const {
    return ResolveBeside(m_strDir, name);
}

} // namespace torvan
