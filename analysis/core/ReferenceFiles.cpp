// Reading the section model file and the measurement displacement file into the
// analysis document, with the analysis program's limits and checks.

#include "CBlockDoc.h"

#include "analysis/core/BlockDivision.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "common/geometry/Geometry.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/SectionModelFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CException.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <memory>
#include <new>
#include <vector>

namespace torvan {

namespace {

const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";

// The section model as read, taken into the document only when the whole file was read.
class SectionContent : public SectionModelHandler {
public:
    SectionContent(CBlockDoc& doc) : doc_(doc) {}
    ~SectionContent() override {
        DeleteAllMapObjects(nodes);
        DeleteAllMapObjects(sites);
        DeleteAllMapObjects(bounds);
        DeleteAllMapObjects(lines);
    }

    void OnTitle(const CString& text) override { title = text; }
    void OnModelSize(const double values[4]) override { std::copy(values, values + 4, size); }

    bool OnPoint(SectionKeyword section, const char* line) override {
        CMapWordToOb& map =
            section == SectionKeyword::Node ? nodes : (section == SectionKeyword::Site ? sites : bounds);
        int limit = section == SectionKeyword::Node
                        ? CBlockDoc::kPointLimit
                        : (section == SectionKeyword::Site ? CBlockDoc::kSiteLimit : CBlockDoc::kBoundLimit);
        if (!doc_.CheckDataLimit(map.GetCount() + 1, doc_.Limits().m_nLimit[limit], limit)) {
            return false;
        }
        auto point = std::make_unique<CNode>();
        point->kind = section == SectionKeyword::Node ? CNode::kGround : CNode::kMeasurement;
        point->ParseRecord(line, 1);
        if (section == SectionKeyword::Bound) {
            point->slipMark = CNode::kSlipFree;
        } else {
            point->kind = section == SectionKeyword::Node ? CNode::kGround : CNode::kMeasurement;
        }
        if (point->number == platform::kUnsetInt || point->number < 1 || point->number > 0x10000) {
            return true; // a record without a usable number is dropped
        }
        point->state = 0;
        WORD key = static_cast<WORD>(point->number - 1);
        CObject* replaced = nullptr;
        if (map.Lookup(key, replaced)) {
            delete replaced;
        }
        int& largest = &map == &nodes ? maxNode : (&map == &sites ? maxSite : maxBound);
        largest = std::max(largest, point->number);
        map.SetAt(key, point.release());
        return true;
    }

    bool OnLineRun(const std::vector<int>& numbers) override {
        order.push_back(numbers.front() - 1);
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (!doc_.CheckDataLimit(lineCount + 1, doc_.Limits().m_nLimit[CBlockDoc::kLineLimit],
                                     CBlockDoc::kLineLimit)) {
                return false;
            }
            CLine* line = new CLine(numbers[i - 1] - 1, numbers[i] - 1);
            line->number = lineCount + 1;
            line->lineKey = lineCount;
            lines.SetAt(static_cast<WORD>(lineCount), line);
            ++lineCount;
            order.push_back(numbers[i] - 1);
        }
        return true;
    }

    CString title;
    double size[4] = {platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetDouble,
                      platform::kUnsetDouble};
    CMapWordToOb nodes, sites, bounds, lines;
    std::vector<int> order;
    int maxNode = 0, maxSite = 0, maxBound = 0, lineCount = 0;

private:
    CBlockDoc& doc_;
};

// Moves every entry of one map into another (emptied before).
void MoveMap(CMapWordToOb& from, CMapWordToOb& to) {
    DeleteAllMapObjects(to);
    for (auto [key, object] : platform::MapEntries<CObject>(from)) {
        to.SetAt(key, object);
    }
    from.RemoveAll();
}

} // namespace

int CBlockDoc::ReadSecFile(const char* path) {
    SectionContent content(*this);
    SectionReadResult result;
    try {
        result = ReadSectionModelFile(path, content);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kMemoryError);
        return 0;
    }
    if (result == SectionReadResult::NoModelSize || result == SectionReadResult::Stopped) {
        ReadErrorMessage(path);
    }
    if (result != SectionReadResult::Read) {
        return 0;
    }
    // The whole file was read: it replaces the section model of the document.
    m_mapAllPoints.RemoveAll();
    m_listGroundOrder.RemoveAll();
    sectionTitle_ = content.title;
    std::copy(content.size, content.size + 4, m_extents.m_dModelSize);
    MoveMap(content.nodes, m_mapNode);
    MoveMap(content.sites, m_mapSite);
    MoveMap(content.bounds, sectionBounds_);
    MoveMap(content.lines, m_LineList);
    m_nMaxNode = content.maxNode;
    m_nMaxSite = content.maxSite;
    maxSectionBound_ = content.maxBound;
    m_nLineCount = content.lineCount;
    for (int key : content.order) {
        CObject* point = nullptr;
        if (key >= 0 && key <= 0xFFFF && m_mapNode.Lookup(static_cast<WORD>(key), point)) {
            m_listGroundOrder.AddTail(point);
        }
    }
    m_nNextKey = 0;
    for (CMapWordToOb* map : {&m_mapNode, &m_mapSite, &m_mapBound}) {
        for (auto [key, point] : platform::MapEntries<CNode>(*map)) {
            point->seqNo = m_nNextKey;
            m_mapAllPoints.SetAt(static_cast<WORD>(m_nNextKey++), point);
        }
    }
    for (auto [key, line] : platform::MapEntries<CLine>(m_LineList)) {
        DPoint a = GetNodeXY(line->node1);
        DPoint b = GetNodeXY(line->node2);
        line->segKind = ClassifySegment(a.x, a.y, b.x, b.y);
    }
    double width, height;
    GetModelExtent(width, height);
    return 1;
}

CDispData* CBlockDoc::FindDispDataByName(const CString& name) const {
    for (auto [key, disp] : platform::MapEntries<CDispData>(m_mapDisp)) {
        if (disp->name == name) {
            return disp;
        }
    }
    return nullptr;
}

int CBlockDoc::ReadDisFile(const char* path) {
    MeasurementFileData data;
    MeasurementReadResult result = ReadMeasurementFile(path, data);
    if (result == MeasurementReadResult::NoDateLine) {
        ReadErrorMessage(path);
    }
    if (result == MeasurementReadResult::OutOfMemory) {
        AfxMessageBox(kMemoryError);
        return 0;
    }
    // A file that ends early keeps what was read when that is anything at all.
    bool usable = result == MeasurementReadResult::Read || (result == MeasurementReadResult::EndedEarly &&
                                                            !(data.dates.empty() && data.blocks.empty()));
    if (!usable) {
        return 0;
    }
    CMapWordToOb records;
    for (const MeasurementBlock& block : data.blocks) {
        CNode* site = FindPointByName(block.name, m_mapSite);
        if (!site || site->number < 1 || site->number > 0x10000) {
            continue;
        }
        auto disp = std::make_unique<CDispData>();
        disp->ParseRecord(block);
        disp->baseX = site->x;
        disp->baseY = site->y;
        WORD key = static_cast<WORD>(site->number - 1);
        CObject* replaced = nullptr;
        if (records.Lookup(key, replaced)) {
            delete replaced;
        }
        records.SetAt(key, disp.release());
    }
    dispTitle_ = data.title;
    fourColumns_ = data.hasAngleLine;
    m_listVectorPoints.RemoveAll();
    MoveMap(records, m_mapDisp);
    // The blocks held the replaced records: they take the new ones at their points.
    BlockDivision(*this).AttachBlockRecords();
    readingDates_ = data.dates;
    if (m_mapDisp.IsEmpty()) {
        AfxMessageBox(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙには地点名が一致するﾃﾞｰﾀがありません");
        readingDates_.clear();
    }
    return 1;
}

int CBlockDoc::ReloadReferenceFiles() {
    if (!ReadSecFile(ResolveReferencePath(m_strSectionFile)) ||
        !ReadDisFile(ResolveReferencePath(m_strDispFile))) {
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
