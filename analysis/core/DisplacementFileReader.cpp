#include "analysis/core/DisplacementFileReader.h"

#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/MeasurementFile.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace torvan {

int DisplacementFileReader::Read(const char* path) {
    MeasurementFileData data;
    const MeasurementReadResult result = ReadMeasurementFile(path, data);
    if (result == MeasurementReadResult::OutOfMemory) {
        AfxMessageBox(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
        return 0;
    }
    if (result == MeasurementReadResult::OpenFailed || result == MeasurementReadResult::WrongTag) {
        return 0; // after the reader's messages
    }
    if (result != MeasurementReadResult::Read) {
        // What came before the damage or the early end is only a part of the file: analysed, it
        // would give a result for the points that happened to be read. The reader's message
        // names no file, so the user is told which reference it was.
        doc_.ReadErrorMessage(path);
    }
    // The first point of each name in key order, as FindPointByName finds it, looked up at once
    // for each of a thousand blocks.
    std::unordered_map<std::string_view, CNode*> sitesByName;
    for (auto [key, point] : platform::MapEntries<CNode>(doc_.MeasurementPoints())) {
        sitesByName.emplace(point->name.str(), point);
    }
    CMapWordToOb records;
    for (const MeasurementBlock& block : data.blocks) {
        const auto found = sitesByName.find(block.name.str());
        CNode* site = found == sitesByName.end() ? nullptr : found->second;
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
    doc_.SetDispTitle(data.title);
    doc_.SetFourColumns(data.hasAngleLine);
    doc_.VectorPoints().RemoveAll();
    ReplaceAllMapObjects(records, doc_.Displacements());
    // The blocks held the replaced records: they take the new ones at their points.
    BlockDivision(doc_).AttachBlockRecords();
    doc_.ReadingDates() = data.dates;
    if (doc_.Displacements().IsEmpty()) {
        AfxMessageBox(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙには地点名が一致するﾃﾞｰﾀがありません");
        doc_.ReadingDates().clear();
    }
    return 1;
}

} // namespace torvan
