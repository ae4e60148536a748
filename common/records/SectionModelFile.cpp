#include "SectionModelFile.h"

#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "common/records/RecordFields.h"
#include "platform/core/MessageSink.h"

namespace {

constexpr int kLineSize = 82;
// The fixed columns of a point line, and the 0-based offset of its name (column 36).
constexpr int kPointColumns = 35;
constexpr int kNameColumn = 35;

class SectionReader {
public:
    SectionReader(CTextFile& file, SectionModelHandler& handler, const SectionReadOptions& options)
        : file_(file), handler_(handler), options_(options) {}

    SectionReadResult Run() {
        if (!Next()) {
            return SectionReadResult::EndedEarly;
        }
        if (CheckFormatTag(line_, kSectionModelTag) == FormatTagCheck::Mismatch) {
            AfxMessageBox(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式が変わりましたので新規作成して下さい");
            AfxMessageBox(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません");
            return SectionReadResult::WrongTag;
        }
        handler_.OnTitle(ParseTitleText(line_));
        if (!Next()) {
            return SectionReadResult::EndedEarly;
        }
        if (!StartsWith(line_, "MSIZE")) {
            return SectionReadResult::NoModelSize;
        }
        ReadModelSize();
        return ReadSections();
    }

private:
    bool Next() { return file_.ReadLine(line_, kLineSize) == 1; }

    void ReadModelSize() {
        CString padded(line_);
        padded += CString(' ', 50);
        const char* pos = padded.GetString() + 10;
        double size[4];
        for (double& value : size) {
            pos = ReadDoubleField(pos, value);
        }
        handler_.OnModelSize(size);
    }

    int Keyword() const {
        static const char* const keywords[] = {"TITLE", "NODE", "LINE", "SITE", "BOUND", nullptr};
        int found = FindKeyword(line_, keywords, 5);
        if (found == 0 && options_.extraPointKeyword && StartsWith(line_, options_.extraPointKeyword)) {
            return static_cast<int>(SectionKeyword::Extra);
        }
        return found;
    }

    SectionReadResult ReadSections() {
        bool haveLine = false; // a section reader stopped at a line still to be handled
        for (;;) {
            if (!haveLine && !Next()) {
                return SectionReadResult::EndedEarly;
            }
            haveLine = false;
            int keyword = Keyword();
            if (keyword == 0 && StartsWith(line_, "END")) {
                // An end line that holds a NUL or runs to 64 KiB ends a damaged file, not a whole one.
                file_.ThrowIfDamaged();
                return SectionReadResult::Read;
            }
            SectionReadResult result = SectionReadResult::Read;
            if (keyword == static_cast<int>(SectionKeyword::Line)) {
                result = ReadLineSection();
                haveLine = true;
            } else if (keyword >= static_cast<int>(SectionKeyword::Node)) {
                result = ReadPointSection(static_cast<SectionKeyword>(keyword));
                haveLine = true;
            }
            if (result != SectionReadResult::Read) {
                return result;
            }
        }
    }

    SectionReadResult ReadPointSection(SectionKeyword section) {
        for (;;) {
            if (!Next()) {
                return SectionReadResult::EndedEarly;
            }
            if (StartsSection(line_)) {
                return SectionReadResult::Read;
            }
            if (!handler_.OnPoint(section, line_)) {
                return SectionReadResult::Stopped;
            }
        }
    }

    SectionReadResult ReadLineSection() {
        std::vector<int> run;
        for (;;) {
            if (!Next()) {
                return SectionReadResult::EndedEarly;
            }
            if (StartsSection(line_)) {
                return FinishRun(run) ? SectionReadResult::Read : SectionReadResult::Stopped;
            }
            std::vector<int> keys;
            int continues = ReadPointNumberList(line_, keys);
            for (int key : keys) {
                run.push_back(key + 1);
            }
            if (!continues && !FinishRun(run)) {
                return SectionReadResult::Stopped;
            }
        }
    }

    // Hands a finished run to the handler and starts a new one.
    bool FinishRun(std::vector<int>& run) {
        bool accepted = run.empty() || handler_.OnLineRun(run);
        run.clear();
        return accepted;
    }

    CTextFile& file_;
    SectionModelHandler& handler_;
    const SectionReadOptions& options_;
    char line_[kLineSize] = {};
};

} // namespace

section::PointRecord ReadSectionPoint(const char* line) {
    CString padded(line);
    padded += CString(' ', kPointColumns);
    const char* pos = padded.GetString();
    section::PointRecord point;
    int kind = 0;
    pos = ReadIntField(pos, point.number);
    pos = ReadIntField(pos, kind);
    point.kind = section::PointKindFromStored(kind);
    pos = ReadDoubleField(pos, point.x);
    pos = ReadDoubleField(pos, point.y);
    ReadIntField(pos, point.mark);
    CString text(line);
    text.TrimRight();
    if (text.GetLength() > kNameColumn) {
        point.name = text.Mid(kNameColumn);
    }
    return point;
}

SectionReadResult ReadSectionModelFile(const char* path, SectionModelHandler& handler,
                                       const SectionReadOptions& options) {
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return SectionReadResult::OpenFailed;
    }
    try {
        SectionReader reader(file, handler, options);
        SectionReadResult result = reader.Run();
        file.Abort();
        return result;
    } catch (const CFileException&) {
        file.Abort();
        return SectionReadResult::ReadError;
    }
}
