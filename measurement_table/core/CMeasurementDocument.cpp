#include "measurement_table/core/CMeasurementDocument.h"

#include "common/records/RecordFields.h"
#include "common/records/SectionModelFile.h"
#include "platform/core/MessageSink.h"

#include <algorithm>

namespace quilmo {

namespace {

const char8_t kFormatError[] = u8"ファイル読み込みエラーです。";
const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";

// Builds the document's points and lines from the section model's records.
class SectionReader : public SectionModelHandler {
public:
    explicit SectionReader(CMeasurementDocument& doc) : doc_(doc) {}

    void OnTitle(const CString& title) override { doc_.m_sectionTitle = title; }
    void OnModelSize(const double size[4]) override { std::copy(size, size + 4, doc_.m_modelSize); }
    bool OnPoint(SectionKeyword section, const char* line) override {
        std::map<int, CNode>* map = nullptr;
        CNode point;
        switch (section) {
        case SectionKeyword::Node:
            map = &doc_.m_nodes;
            point.kind = CNode::kNode;
            break;
        case SectionKeyword::Site:
            map = &doc_.m_sites;
            point.kind = CNode::kSite;
            break;
        case SectionKeyword::Bound:
        case SectionKeyword::Extra:
            map = &doc_.m_bounds;
            point.kind = CNode::kBound;
            break;
        default:
            return true;
        }
        point.ReadRecord(line);
        if (!platform::IsUnsetInt(point.number)) {
            (*map)[point.number - 1] = point;
        }
        return true;
    }
    // Every two neighbours of a run make one link; a run may be of any length.
    bool OnLineRun(const std::vector<int>& numbers) override {
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            CLine line;
            line.index = static_cast<int>(doc_.m_lines.size());
            line.number = line.index + 1;
            line.first = numbers[i - 1] - 1;
            line.second = numbers[i] - 1;
            doc_.m_lines.push_back(line);
        }
        return true;
    }

private:
    CMeasurementDocument& doc_;
};

} // namespace

ReadingDate UnsetDate() {
    ReadingDate date;
    date.fill(platform::kUnsetInt);
    return date;
}

bool IsUnsetDate(const ReadingDate& date) {
    return std::all_of(date.begin(), date.end(), [](int part) { return platform::IsUnsetInt(part); });
}

void CMeasurementDocument::Clear() {
    m_nodes.clear();
    m_sites.clear();
    m_bounds.clear();
    m_lines.clear();
    m_points.clear();
    m_dates.clear();
    m_sectionTitle.Empty();
    m_dataTitle.Empty();
    std::fill(std::begin(m_modelSize), std::end(m_modelSize), 0.0);
    m_angle = platform::kUnsetDouble;
}

bool CMeasurementDocument::ReadSecFile(const char* path) {
    SectionReader reader(*this);
    SectionReadOptions options;
    options.extraPointKeyword = "BSURF";
    try {
        const SectionReadResult result = ReadSectionModelFile(path, reader, options);
        if (result == SectionReadResult::NoModelSize) {
            MessageBeep(0);
            AfxMessageBox(kFormatError);
        }
        return result == SectionReadResult::Read;
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kMemoryError);
        return false;
    }
}

bool CMeasurementDocument::ReadDisFile(const char* path) {
    MeasurementFileData data;
    const MeasurementReadResult result = ReadMeasurementFile(path, data);
    if (result == MeasurementReadResult::NoDateLine) {
        MessageBeep(0);
        AfxMessageBox(kFormatError);
        return false;
    }
    if (result == MeasurementReadResult::OutOfMemory) {
        AfxMessageBox(kMemoryError);
        return false;
    }
    // Only a file read whole opens: the table writes back what it holds, so whatever was
    // not read would be lost over the user's file.
    if (result != MeasurementReadResult::Read && result != MeasurementReadResult::StoppedAtUnreadLine) {
        return false; // its message was shown
    }
    if (data.unreadLine > 0) {
        MessageBeep(0);
        CString message;
        message.Format(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの%d行目が読み込めないため、開けません\n%s", data.unreadLine, path);
        AfxMessageBox(message);
        return false;
    }
    m_dataTitle = data.title;
    m_angle = data.angle;
    m_dates = data.dates;
    m_points.clear();
    for (const MeasurementBlock& block : data.blocks) {
        m_points.push_back(std::make_unique<CDispData>(CDispData::FromBlock(block, Dimension())));
    }
    return true;
}

bool CMeasurementDocument::WriteDisFile(const char* path) const {
    MeasurementFileData data;
    data.title = m_dataTitle;
    data.hasAngleLine = true;
    data.angle = m_angle;
    data.dates = m_dates;
    for (const auto& point : m_points) {
        data.blocks.push_back(point->ToBlock());
    }
    return WriteMeasurementFile(path, data);
}

void CMeasurementDocument::MatchPoints(int flag) {
    if (!m_points.empty()) {
        for (auto& [key, site] : m_sites) {
            site.mark = 0;
        }
        for (const auto& point : m_points) {
            for (auto& [key, site] : m_sites) {
                if (site.name == point->Name()) {
                    site.mark = 1;
                    break;
                }
            }
        }
        const int rows = static_cast<int>(m_dates.size());
        for (const auto& [key, site] : m_sites) {
            if (site.mark == 0) {
                m_points.push_back(std::make_unique<CDispData>(flag, site.name, rows));
            }
        }
        return;
    }
    for (const auto& [key, site] : m_sites) {
        m_points.push_back(std::make_unique<CDispData>(flag, site.name, 0));
    }
}

} // namespace quilmo
