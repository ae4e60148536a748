#include "section_editor/core/DxfLayerTable.h"

#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cstring>

namespace merdok {

namespace {

const char8_t kPrematureEnd[] = u8"ファイルが途中で終了しているため、読み込みできません";
const char8_t kReadError[] = u8"ファイル読み込みエラーです";

// One group: a code line read with "%d" and its value line.
struct LayerGroup {
    int code = platform::kUnsetInt;
    CString value;

    bool Is(int wantedCode, const char* keyword) const {
        return code == wantedCode && std::strncmp(value.GetString(), keyword, std::strlen(keyword)) == 0;
    }
};

enum class Outcome { kRead, kEnd, kEndInsideGroup, kOtherShape };

Outcome ReadGroup(CTextFile& file, LayerGroup& group) {
    CString codeLine;
    if (!file.CStdioFile::ReadString(codeLine)) {
        return Outcome::kEnd;
    }
    if (!file.CStdioFile::ReadString(group.value)) {
        return Outcome::kEndInsideGroup;
    }
    if (!platform::ScanInt(codeLine, group.code)) {
        group.code = platform::kUnsetInt;
    }
    return Outcome::kRead;
}

// After a "SECTION" or "TABLE": the group 2 that must follow it.
Outcome ReadName(CTextFile& file, LayerGroup& group) {
    const Outcome outcome = ReadGroup(file, group);
    return outcome == Outcome::kRead && group.code != 2 ? Outcome::kOtherShape : outcome;
}

enum class Stage { kBeforeTables, kInTables, kInLayerTable, kInLayerEntries };

// kRead once the layer table's end is reached.
Outcome ReadLayerTable(CTextFile& file, std::vector<CString>& names) {
    Stage stage = Stage::kBeforeTables;
    LayerGroup group;
    Outcome outcome = ReadGroup(file, group);
    for (; outcome == Outcome::kRead; outcome = ReadGroup(file, group)) {
        if (stage == Stage::kBeforeTables && group.Is(0, "SECTION")) {
            if (Outcome name = ReadName(file, group); name != Outcome::kRead) {
                return name;
            }
            stage = group.Is(2, "TABLE") ? Stage::kInTables : stage;
        } else if (stage == Stage::kInTables && group.Is(0, "TABLE")) {
            if (Outcome name = ReadName(file, group); name != Outcome::kRead) {
                return name;
            }
            stage = group.Is(2, "LAYER") ? Stage::kInLayerTable : stage;
        } else if (stage >= Stage::kInLayerTable && group.Is(0, "ENDTAB")) {
            return Outcome::kRead;
        } else if (stage == Stage::kInLayerTable && group.Is(0, "LAYER")) {
            stage = Stage::kInLayerEntries;
        } else if (stage == Stage::kInLayerEntries && group.code == 2) {
            names.push_back(group.value);
        }
    }
    return outcome;
}

} // namespace

BOOL ReadDxfLayerNames(const char* path, std::vector<CString>& names) {
    names.clear();
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return FALSE;
    }
    Outcome outcome = Outcome::kEnd;
    try {
        outcome = ReadLayerTable(file, names);
    } catch (const CFileException&) {
        MessageBeep(0);
        AfxMessageBox(kReadError);
    }
    if (outcome == Outcome::kEndInsideGroup) {
        MessageBeep(0);
        AfxMessageBox(kPrematureEnd);
    }
    file.Abort();
    return outcome == Outcome::kRead ? TRUE : FALSE;
}

} // namespace merdok
