// The section model file of the document: the ground-line check that orders the
// ground line, the writer, the reader with the editor's own checks and limits, and
// the open and save flow.

#include "CBlockDoc.h"
#include "GroundLineJoints.h"

#include "common/geometry/Geometry.h"
#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "common/records/LineBatch.h"
#include "common/records/RecordFields.h"
#include "common/records/SectionModelFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CFile.h"
#include "platform/core/CStdioFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace merdok {

namespace {

const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";
const char8_t kBrokenLine[] = u8"地表線が不正のため、保存できません";
const char8_t kDiscontinuous[] = u8"地表線が不連続のため、保存できません";
constexpr const char* kSizeFormat = "%10.3lf";
constexpr UINT kSaveModifiedHelpId = 61699;

void ShowReadError() {
    MessageBeep(0);
    AfxMessageBox(u8"ファイル読み込みエラーです。");
}

constexpr std::size_t kTailBytes = 256;

// The file's last line starts with "END". A file cut short in a record lacks it: the record
// it ends in is half of one, which the reader refuses.
bool EndsWithEndRecord(const char* path) {
    const int fd = platform::OpenRegularFile(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    std::string tail(kTailBytes, '\0');
    ssize_t read = -1;
    if (::fstat(fd, &info) == 0) {
        const off_t from = info.st_size > static_cast<off_t>(kTailBytes) ? info.st_size - kTailBytes : 0;
        read = ::pread(fd, tail.data(), tail.size(), from);
    }
    ::close(fd);
    tail.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    const std::size_t last = tail.find_last_not_of("\r\n\x1a ");
    if (last == std::string::npos) {
        return false;
    }
    const std::size_t start = tail.rfind('\n', last);
    return tail.compare(start == std::string::npos ? 0 : start + 1, 3, "END") == 0;
}

// A section model's first line is a record of a few dozen columns: a first line at which a
// record file's reading stops (a NUL, or kLongestLine bytes without a line end) is no model,
// and a sparse or binary file of gigabytes is refused without being read through.
bool StartsAsTextRecord(const char* path) {
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return true; // the reader gives the open message
    }
    try {
        CString line;
        file.ReadString(line);
    } catch (const CFileException&) {
        return true; // the reader gives the read message
    }
    return !file.EndedAtNonTextLine();
}

// The section model as read, taken into the document only when the whole file is good.
class SectionContent : public SectionModelHandler {
public:
    explicit SectionContent(CBlockDoc& doc) : doc_(doc) {}

    void OnTitle(const CString& text) override { title = text; }
    void OnModelSize(const double values[4]) override { std::copy(values, values + 4, size); }

    bool OnPoint(SectionKeyword section, const char* line) override {
        RecordMap<CNode>& map = section == SectionKeyword::Node   ? nodes
                                : section == SectionKeyword::Site ? sites
                                                                  : bounds;
        int limit = section == SectionKeyword::Node   ? CBlockDoc::kNodeLimit
                    : section == SectionKeyword::Site ? CBlockDoc::kSiteLimit
                                                      : CBlockDoc::kBoundLimit;
        if (!doc_.CheckDataLimit(map.GetCount() + 1, doc_.m_nLimit[limit], limit)) {
            limitReached = true;
            return false;
        }
        auto point = std::make_unique<CNode>();
        point->Parse(line);
        int number = point->GetNumber();
        // A point without a usable number or coordinates, or a second record of one
        // number, makes the file unreadable rather than silently different.
        if (number == platform::kUnsetInt || number < 1 || map.Lookup(number - 1) ||
            platform::IsUnsetDouble(point->GetX()) || platform::IsUnsetDouble(point->GetY())) {
            return false;
        }
        map.SetAt(number - 1, std::move(point));
        return true;
    }

    bool OnLineRun(const std::vector<int>& numbers) override {
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (!doc_.CheckDataLimit(static_cast<int>(lines.size()) + 1, doc_.m_nLimit[CBlockDoc::kLineLimit],
                                     CBlockDoc::kLineLimit)) {
                limitReached = true;
                return false;
            }
            lines.emplace_back(numbers[i - 1], numbers[i]);
        }
        return true;
    }

    // The lines of the runs, each between two ground-surface points that the file
    // holds; false when a number names no point.
    bool MakeLines(RecordMap<CLine>& made) const {
        int key = 0;
        for (const auto& [first, second] : lines) {
            const CNode* a = first < 1 ? nullptr : nodes.Lookup(first - 1);
            const CNode* b = second < 1 ? nullptr : nodes.Lookup(second - 1);
            if (!a || !b) {
                return false;
            }
            auto line = std::make_unique<CLine>(first - 1, second - 1);
            line->SetSegKind(ClassifySegment(a->GetX(), a->GetY(), b->GetX(), b->GetY()));
            line->SetNumber(key + 1);
            line->SetKey(key);
            made.SetAt(key++, std::move(line));
        }
        return true;
    }

    CString title;
    double size[4] = {platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetDouble,
                      platform::kUnsetDouble};
    RecordMap<CNode> nodes, sites, bounds;
    std::vector<std::pair<int, int>> lines; // point numbers
    bool limitReached = false;              // a count limit stopped the reading (it said so)

private:
    CBlockDoc& doc_;
};

// Walks from the start along the unused line at each point into order; false when the
// walk meets a point twice or a line end that is no point.
bool WalkGroundLine(const GroundLineJoints& joints, const CNode* start, std::vector<const CNode*>& order) {
    std::vector<char> walkedLines(static_cast<std::size_t>(joints.LineCount()), 0);
    std::vector<char> walkedPoints(static_cast<std::size_t>(joints.SlotCount()), 0);
    int current = start->GetNumber() - 1;
    int slot = joints.SlotOf(current);
    order.reserve(static_cast<std::size_t>(joints.LineCount()) + 1); // a point more than the lines
    order.push_back(start);
    while (slot >= 0) {
        walkedPoints[static_cast<std::size_t>(slot)] = 1;
        int next = -1;
        for (int which = 0; which < std::min(joints.MeetingCount(slot), 2) && next < 0; ++which) {
            const int line = joints.MeetingLine(slot, which);
            if (!walkedLines[static_cast<std::size_t>(line)]) {
                next = line;
            }
        }
        if (next < 0) {
            break;
        }
        walkedLines[static_cast<std::size_t>(next)] = 1;
        current = joints.OtherEnd(next, current);
        slot = joints.SlotOf(current);
        const CNode* point = slot < 0 ? nullptr : joints.PointAt(slot);
        if (!point || walkedPoints[static_cast<std::size_t>(slot)]) {
            return false;
        }
        order.push_back(point);
        if (joints.MeetingCount(slot) <= 1) {
            break; // the other end
        }
    }
    return true;
}

} // namespace

BOOL CBlockDoc::CheckGroundLine(std::vector<const CNode*>& order, bool showMessages) const {
    order.clear();
    auto fail = [showMessages](const CString& message) {
        if (showMessages) {
            AfxMessageBox(message);
        }
        return FALSE;
    };
    // Every line not dropped counts, selected ones too.
    const GroundLineJoints joints(m_mapNode, m_LineList);
    const int lineCount = joints.LineCount();
    if (lineCount == 0) {
        return TRUE;
    }
    int ends = 0;
    const CNode* start = nullptr;
    for (int slot = 0; slot < joints.PointCount(); ++slot) {
        const CNode* point = joints.PointAt(slot);
        const int count = joints.MeetingCount(slot);
        if (count >= 3) {
            CString message;
            message.Format(u8"地表点番号 %d が不正です !!", point->GetNumber());
            return fail(message);
        }
        if (count <= 1) {
            ++ends;
            if (!start || point->GetX() < start->GetX() ||
                (point->GetX() == start->GetX() && point->GetY() <= start->GetY())) {
                start = point;
            }
        }
    }
    if (!start) {
        return fail(CString(u8"地表線のｽﾀｰﾄ点が見つかりません"));
    }
    if (ends > 2) {
        return fail(CString(kDiscontinuous));
    }
    if (!WalkGroundLine(joints, start, order)) {
        order.clear();
        return fail(CString(kBrokenLine));
    }
    // A closed ring beside the walked line has no end of its own: the walk must have
    // used every line, or the save would drop the ring.
    if (static_cast<int>(order.size()) - 1 != lineCount) {
        order.clear();
        return fail(CString(kDiscontinuous));
    }
    return TRUE;
}

namespace {

const char8_t* const kPointKindNames[3] = {u8"節点", u8"計測点", u8"境界点"};

// The first record that would not read back as written, named for the message; empty
// when every value fits its columns.
CString FindUnfittableValue(const double size[4], const RecordMap<CNode>* maps[3]) {
    for (int i = 0; i < 4; ++i) {
        if (!FitsDoubleField(size[i], kSizeFormat)) {
            return CString(u8"ﾓﾃﾞﾙｻｲｽﾞ");
        }
    }
    for (int kind = 0; kind < 3; ++kind) {
        for (const auto& [key, point] : *maps[kind]) {
            if (!point->FitsRecord()) {
                CString subject;
                subject.Format(u8"%s番号 %d の座標値", CString(kPointKindNames[kind]).GetString(), key + 1);
                return subject;
            }
        }
    }
    return CString();
}

void WritePoints(CTextFile& file, int keywordIndex, const RecordMap<CNode>& map, int nextNumber) {
    char buffer[8];
    WriteRecordKeyword(file, buffer, keywordIndex);
    LineBatch batch(file);
    char record[CNode::kColumnsSize];
    map.ForEach([&](int key, const CNode& point) {
        if (key < 0 || key >= nextNumber) {
            return;
        }
        if (point.HasNameColumns()) {
            batch.Add(point.Format().GetString());
        } else {
            point.FormatColumns(record);
            batch.Add(std::string_view(record, CNode::kColumnsSize - 1));
        }
    });
    batch.Flush();
}

void WriteGroundLine(CTextFile& file, const std::vector<const CNode*>& order) {
    char buffer[8];
    WriteRecordKeyword(file, buffer, 2);
    LineBatch batch(file);
    char record[kPointListWidth + 1];
    char* pos = record;
    int inRecord = 0;
    for (const CNode* point : order) {
        pos = WriteIntField(pos, point->GetNumber());
        if (++inRecord == kPointsPerListLine) {
            batch.Add(std::string_view(record, static_cast<std::size_t>(pos - record)));
            pos = record;
            inRecord = 0;
        }
    }
    if (inRecord > 0) {
        batch.Add(std::string_view(record, static_cast<std::size_t>(pos - record)));
    }
    batch.Flush();
}

} // namespace

BOOL CBlockDoc::WriteSecFile(const char* path, const std::vector<const CNode*>& order,
                             const char* backupPath) {
    const RecordMap<CNode>* maps[3] = {&m_mapNode, &m_mapSite, &m_mapBound};
    CString unfittable = FindUnfittableValue(m_dModelSize, maps);
    if (!unfittable.IsEmpty()) {
        CString message;
        message.Format(u8"%s が記録の桁数を越えているため、保存できません", unfittable.GetString());
        AfxMessageBox(message);
        return FALSE;
    }
    platform::SafeFileWriter writer(path);
    if (backupPath && *backupPath) {
        writer.KeepBackup(backupPath);
    }
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return FALSE;
    }
    try {
        file.WriteLine(FormatTitleRecord(m_strTitle, kSectionModelTag));
        char size[64] = "MSIZE     ";
        char* pos = size + 10;
        for (double value : m_dModelSize) {
            pos = WriteDoubleField(pos, value, kSizeFormat);
        }
        file.WriteLine(size);
        WritePoints(file, 1, m_mapNode, m_nNodeCount);
        WriteGroundLine(file, order);
        WritePoints(file, 3, m_mapSite, m_nSiteCount);
        WritePoints(file, 4, m_mapBound, m_nBoundCount);
        file.WriteLine("END");
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return FALSE; // the writer drops the new contents; the file is as it was
    }
    return CommitWithBackupQuestion(writer,
                                    u8"断面ﾌｧｲﾙ(.sec)のﾊﾞｯｸｱｯﾌﾟを作成できません。\n保存処理を続けますか？")
               ? TRUE
               : FALSE;
}

BOOL CBlockDoc::ReadSecFile(const char* path) {
    if (!StartsAsTextRecord(path)) {
        ShowReadError();
        return FALSE;
    }
    SectionContent content(*this);
    SectionReadResult result;
    RecordMap<CLine> lines;
    try {
        result = ReadSectionModelFile(path, content);
        if (result == SectionReadResult::Read && !content.MakeLines(lines)) {
            result = SectionReadResult::Stopped;
        }
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kMemoryError);
        return FALSE;
    }
    if (result == SectionReadResult::Stopped && !content.limitReached && !EndsWithEndRecord(path)) {
        MessageBeep(0);
        AfxMessageBox(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません");
    }
    if (result == SectionReadResult::NoModelSize || result == SectionReadResult::Stopped ||
        result == SectionReadResult::EndedEarly) {
        ShowReadError();
    }
    if (result != SectionReadResult::Read) {
        return FALSE;
    }
    m_strTitle = content.title;
    std::copy(content.size, content.size + 4, m_dModelSize);
    // The file replaces the whole model; its maps are taken as they are.
    m_mapAllPoints.clear();
    m_nNextSeqNo = 0;
    m_mapNode = std::move(content.nodes);
    m_mapSite = std::move(content.sites);
    m_mapBound = std::move(content.bounds);
    m_nNodeCount = m_mapNode.MaxKey() + 1;
    m_nSiteCount = m_mapSite.MaxKey() + 1;
    m_nBoundCount = m_mapBound.MaxKey() + 1;
    m_nLineCount = lines.GetCount();
    m_LineList = std::move(lines);
    for (RecordMap<CNode>* map : {&m_mapNode, &m_mapSite, &m_mapBound}) {
        for (const auto& [key, point] : *map) {
            EnterIntoIndex(point.get());
        }
    }
    double width, height;
    GetModelExtent(width, height);
    return TRUE;
}

void CBlockDoc::SetPathName(const char* path) {
    CString name;
    SplitPath(path, &m_strDir, &name, nullptr);
    m_strDocName = name;
    m_strPath = path;
}

BOOL CBlockDoc::OnOpenDocument(const char* path) {
    DeleteContents();
    // The name is taken as given: "A.SEC" opens that file, not "A.sec".
    if (platform::IsMissingDocument(path)) {
        CString message;
        message.Format(u8"%s\nﾌｧｲﾙが見つかりません", path);
        AfxMessageBox(message);
        return FALSE;
    }
    if (!ReadSecFile(path)) {
        DeleteContents();
        return FALSE;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CBlockDoc::OnSaveDocument(const char* path) {
    std::vector<const CNode*> order;
    if (!CheckGroundLine(order, true)) {
        return FALSE;
    }
    CString backup = CString(path) + ".BAK";
    if (!WriteSecFile(path, order, backup)) {
        return FALSE;
    }
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CBlockDoc::DoSave(const char* path, bool replace) {
    CString target = path ? path : "";
    if (target.IsEmpty() && !(m_promptSavePath && m_promptSavePath(target))) {
        return FALSE;
    }
    if (!OnSaveDocument(target)) {
        return FALSE;
    }
    if (replace) {
        SetPathName(target);
    }
    return TRUE;
}

BOOL CBlockDoc::OnFileSave() {
    if (m_strPath.IsEmpty() || !platform::IsWritableFile(m_strPath)) {
        return OnFileSaveAs();
    }
    CString question;
    question.Format(u8"%s\n更新してもよろしいですか？", m_strPath.GetString());
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return FALSE;
    }
    return DoSave(m_strPath);
}

BOOL CBlockDoc::OnFileSaveAs() {
    return DoSave(nullptr);
}

BOOL CBlockDoc::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    CString question;
    const CString& name = !m_strPath.IsEmpty()       ? m_strPath
                          : !untitledName_.IsEmpty() ? untitledName_
                                                     : m_strTitle;
    question.Format(u8"%s に行った変更を保存しますか?", name.GetString());
    int answer = AfxMessageBox(question, MB_YESNOCANCEL, kSaveModifiedHelpId);
    if (answer == IDCANCEL) {
        return FALSE;
    }
    return answer == IDNO || DoSave(m_strPath.IsEmpty() ? nullptr : m_strPath.GetString());
}

} // namespace merdok
