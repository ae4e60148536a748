#include "section_editor/core/DxfLayerTable.h"

#include "common/dxf/CDxfGroupReader.h"
#include "common/dxf/CDxfLayerFilter.h"
#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>

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

// Only the values of codes 0 (entities, sections, tables), 2 (names) and 8 (layers) are
// looked at: any other is passed over unread, so a drawing of a million coordinates is
// listed in a moment (its code lines are read where the file's buffer holds them). A line at
// which the file stops (a NUL, a line of 64 KiB) is no part of a group: the file is told as
// cut short there, whichever line of the pair it is.
Outcome ReadGroup(CTextFile& file, LayerGroup& group) {
    std::string_view codeLine;
    if (!file.ReadStringView(codeLine)) {
        return Outcome::kEnd;
    }
    group.code = CDxfGroupReader::CodeOf(codeLine);
    const bool looked = group.code == 0 || group.code == 2 || group.code == 8;
    if (!(looked ? file.CStdioFile::ReadString(group.value) : file.SkipString()) ||
        file.EndedAtNonTextLine()) {
        return Outcome::kEndInsideGroup;
    }
    if (!looked) {
        group.value.Empty();
    }
    return Outcome::kRead;
}

// After a "SECTION" or "TABLE": the group 2 that must follow it.
Outcome ReadName(CTextFile& file, LayerGroup& group) {
    const Outcome outcome = ReadGroup(file, group);
    return outcome == Outcome::kRead && group.code != 2 ? Outcome::kOtherShape : outcome;
}

enum class Section { kOther, kTables, kEntities };
enum class Table { kNone, kLayers, kLayerEntries, kDone };

// The names of the layer table as they come, and the layers of the entities, each once.
class LayerNameCollector {
public:
    explicit LayerNameCollector(std::vector<CString>& tableNames) : tableNames_(tableNames) {}

    // kRead at the "EOF" group.
    Outcome Read(CTextFile& file);
    // The entities' layers that the table lacks go after the table's names.
    void AppendEntityLayers();

private:
    // A group other than a section's start; kOtherShape when a table has no name.
    Outcome TakeGroup(CTextFile& file, LayerGroup& group);
    void TakeEntityLayer(const CString& name);

    std::vector<CString>& tableNames_;
    std::vector<CString> entityLayers_;
    std::unordered_set<std::string> entityFolded_;
    std::string lastEntityLayer_; // as read: most entities repeat the layer of the one before
    Section section_ = Section::kOther;
    Table table_ = Table::kNone;
};

Outcome LayerNameCollector::Read(CTextFile& file) {
    LayerGroup group;
    Outcome outcome = ReadGroup(file, group);
    for (; outcome == Outcome::kRead; outcome = ReadGroup(file, group)) {
        if (group.Is(0, "EOF")) {
            return Outcome::kRead;
        }
        if (group.Is(0, "SECTION")) {
            if (Outcome name = ReadName(file, group); name != Outcome::kRead) {
                return name;
            }
            section_ = group.Is(2, "TABLE")      ? Section::kTables
                       : group.Is(2, "ENTITIES") ? Section::kEntities
                                                 : Section::kOther;
        } else if (Outcome taken = TakeGroup(file, group); taken != Outcome::kRead) {
            return taken;
        }
    }
    return outcome;
}

Outcome LayerNameCollector::TakeGroup(CTextFile& file, LayerGroup& group) {
    if (section_ == Section::kEntities) {
        if (group.code == 8) {
            TakeEntityLayer(group.value);
        }
    } else if (section_ == Section::kTables && table_ == Table::kNone && group.Is(0, "TABLE")) {
        if (Outcome name = ReadName(file, group); name != Outcome::kRead) {
            return name;
        }
        table_ = group.Is(2, "LAYER") ? Table::kLayers : Table::kNone;
    } else if (table_ == Table::kLayers || table_ == Table::kLayerEntries) {
        if (group.Is(0, "ENDTAB")) {
            table_ = Table::kDone;
        } else if (group.Is(0, "LAYER")) {
            table_ = Table::kLayerEntries;
        } else if (table_ == Table::kLayerEntries && group.code == 2) {
            tableNames_.push_back(group.value);
        }
    }
    return Outcome::kRead;
}

void LayerNameCollector::TakeEntityLayer(const CString& name) {
    if (name.str() == lastEntityLayer_) {
        return;
    }
    lastEntityLayer_ = name.str();
    if (entityFolded_.insert(CDxfLayerFilter::FoldedName(name)).second) {
        entityLayers_.push_back(name);
    }
}

void LayerNameCollector::AppendEntityLayers() {
    std::unordered_set<std::string> listed;
    for (const CString& name : tableNames_) {
        listed.insert(CDxfLayerFilter::FoldedName(name));
    }
    for (const CString& name : entityLayers_) {
        if (listed.count(CDxfLayerFilter::FoldedName(name)) == 0) {
            tableNames_.push_back(name);
        }
    }
}

} // namespace

BOOL ReadDxfLayerNames(const char* path, std::vector<CString>& names) {
    names.clear();
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return FALSE;
    }
    LayerNameCollector collector(names);
    Outcome outcome = Outcome::kEnd;
    try {
        outcome = collector.Read(file);
    } catch (const CFileException&) {
        MessageBeep(0);
        AfxMessageBox(kReadError);
    }
    collector.AppendEntityLayers();
    if (outcome == Outcome::kEndInsideGroup) {
        MessageBeep(0);
        AfxMessageBox(kPrematureEnd);
    }
    file.Abort();
    return outcome == Outcome::kRead ? TRUE : FALSE;
}

} // namespace merdok
