#include "analysis/core/SectionFileReader.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "common/geometry/Geometry.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/SectionModelFile.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

using section::PointKind;

namespace torvan {

namespace {

// The section model as read, taken into the document only when the whole file was read.
class SectionContent : public SectionModelHandler {
public:
    explicit SectionContent(CBlockDoc& doc) : doc_(doc) {}
    ~SectionContent() override {
        DeleteAllMapObjects(nodes);
        DeleteAllMapObjects(sites);
        DeleteAllMapObjects(bounds);
        DeleteAllMapObjects(lines);
    }

    void OnTitle(const CString&) override {}
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
        point->kind = section == SectionKeyword::Node ? PointKind::kGround : PointKind::kMeasurement;
        point->ParseRecord(line, 1);
        if (section == SectionKeyword::Bound) {
            point->slipMark = CNode::kSlipFree;
        } else {
            point->kind = section == SectionKeyword::Node ? PointKind::kGround : PointKind::kMeasurement;
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

    double size[4] = {platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetDouble,
                      platform::kUnsetDouble};
    CMapWordToOb nodes, sites, bounds, lines;
    std::vector<int> order;
    int maxNode = 0, maxSite = 0, maxBound = 0, lineCount = 0;

private:
    CBlockDoc& doc_;
};

} // namespace

int SectionFileReader::Read(const char* path) {
    SectionContent content(doc_);
    SectionReadResult result;
    try {
        result = ReadSectionModelFile(path, content);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
        return 0;
    }
    // A file that ends before "END" (also at a line of a NUL byte or of 64 KiB, which ends the
    // reading) or that a read error stops holds only a part of the model; the reader's message
    // names no file, so the user is told which reference it was.
    if (result == SectionReadResult::NoModelSize || result == SectionReadResult::Stopped ||
        result == SectionReadResult::EndedEarly || result == SectionReadResult::ReadError) {
        doc_.ReadErrorMessage(path);
    }
    if (result != SectionReadResult::Read) {
        return 0;
    }
    // The whole file was read: it replaces the section model of the document.
    doc_.AllPoints().RemoveAll();
    doc_.GroundOrder().RemoveAll();
    std::copy(content.size, content.size + 4, doc_.Extents().m_dModelSize);
    ReplaceAllMapObjects(content.nodes, doc_.GroundPoints());
    ReplaceAllMapObjects(content.sites, doc_.MeasurementPoints());
    ReplaceAllMapObjects(content.bounds, doc_.SectionBoundaryPoints());
    ReplaceAllMapObjects(content.lines, doc_.GroundLines());
    doc_.SetMaxNode(content.maxNode);
    doc_.SetMaxSite(content.maxSite);
    doc_.SetMaxSectionBound(content.maxBound);
    doc_.SetLineCount(content.lineCount);
    for (int key : content.order) {
        CObject* point = nullptr;
        if (key >= 0 && key <= 0xFFFF && doc_.GroundPoints().Lookup(static_cast<WORD>(key), point)) {
            doc_.GroundOrder().AddTail(point);
        }
    }
    int next = 0;
    for (CMapWordToOb* map : {&doc_.GroundPoints(), &doc_.MeasurementPoints(), &doc_.BoundaryPoints()}) {
        for (auto [key, point] : platform::MapEntries<CNode>(*map)) {
            point->seqNo = next;
            doc_.AllPoints().SetAt(static_cast<WORD>(next++), point);
        }
    }
    doc_.SetNextKey(next);
    for (auto [key, line] : platform::MapEntries<CLine>(doc_.GroundLines())) {
        DPoint a = doc_.GetNodeXY(line->node1);
        DPoint b = doc_.GetNodeXY(line->node2);
        line->segKind = ClassifySegment(a.x, a.y, b.x, b.y);
    }
    double width, height;
    doc_.GetModelExtent(width, height);
    return 1;
}

} // namespace torvan
