// The plot-output document's reading: the index file and one page file per index line.
// A line that names no page or a page that does not read is reported and left out; the
// other pages still open. A page name leading out of the index's folder, or an index that
// stops at damage (a NUL, a line of 64 KiB), refuses the whole index.

#include "CMainDoc.h"
#include "PlotCommandReader.h"
#include "PlotNumbers.h"
#include "PlotPageBatch.h"
#include "common/records/CTextFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/MessageSink.h"

#include <map>
#include <string>

namespace zapho {

namespace {

// Page files lie beside the index: a name that could lead elsewhere is refused.
bool IsPlainPageName(const CString& name) {
    const std::string& text = name.str();
    return !text.empty() && text.find('/') == std::string::npos && text.find("..") == std::string::npos;
}

bool IsBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

// The names a drawing run gives its files: the index ".p00", the pages ".p01" onwards.
bool HasPlotExtension(const std::string& name, bool index) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.size() != dot + 4 ||
        (name[dot + 1] != 'p' && name[dot + 1] != 'P')) {
        return false;
    }
    const char tens = name[dot + 2];
    const char ones = name[dot + 3];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') {
        return false;
    }
    const bool zero = tens == '0' && ones == '0';
    return index == zero;
}

void ShowPathMessage(const char8_t* format, const char* path) {
    CString text;
    text.Format(format, path);
    AfxMessageBox(text);
}

enum class PageResult { kRead, kLeftOut, kFailed };

// An index line holds a page name (at most a file name's length) and four numbers: a
// longer line is cut as it is read, so that its message stays short.
constexpr int kIndexLineSize = 512;

// A line at which the index stops is damage, told as a read error: the pages before it are
// not the whole drawing.
bool ReadIndexLine(CTextFile& index, CString& line) {
    char buffer[kIndexLineSize];
    int status = 0;
    if (!index.ReadLineStatus(buffer, sizeof buffer, status)) {
        return false;
    }
    index.ThrowIfDamaged();
    line = CString(buffer);
    return true;
}

// Takes a page out again with the fonts and user colours its reading added.
void DropLastPage(PlotDrawing& drawing, std::size_t fonts, const std::map<WORD, COLORREF>& colors) {
    drawing.m_pages.pop_back();
    drawing.m_fonts.resize(fonts);
    drawing.m_userColors = colors;
}

// Reads one page file into the drawing's next page. A page file that cannot be opened, or
// holds no plot commands, is reported and left out; a read error fails the whole reading.
// The file's bytes go through buffer, which the pages share. *asWritten tells whether the
// page reads as a drawing run writes one (nothing but plot commands).
PageResult ReadPageFile(const CString& path, const PlotIndexLine& entry, PlotDrawing& drawing,
                        std::string& buffer, bool* asWritten) {
    CTextFile file;
    if (!file.Open(path.GetString(), CFile::modeRead | CFile::typeText)) {
        return PageResult::kLeftOut; // reported by the file
    }
    bool fits = false;
    try {
        buffer.clear();
        fits = file.ReadRest(buffer, PlotPageBatch::kLargestPageFile);
        file.Close();
    } catch (const CFileException&) {
        return PageResult::kFailed; // reported by the file
    }
    if (!fits) {
        PlotPageBatch::ShowNotPlotCommands(path);
        return PageResult::kLeftOut;
    }
    const std::size_t fonts = drawing.m_fonts.size();
    const std::map<WORD, COLORREF> colors = drawing.m_userColors;
    const int page = drawing.PageCount();
    PlotPage& values = drawing.AddPage();
    values.m_values[PlotPage::kWidth] = entry.width;
    values.m_values[PlotPage::kHeight] = entry.height;
    PaperOfKind(entry.kind, values.m_values[PlotPage::kPaperSize], values.m_values[PlotPage::kOrientation]);
    const PlotPageSummary summary = PlotCommandReader(drawing, page).ReadPage(buffer);
    if (summary.foreignBytes || (summary.commands == 0 && summary.ignored > 0)) {
        DropLastPage(drawing, fonts, colors);
        PlotPageBatch::ShowNotPlotCommands(path);
        return PageResult::kLeftOut;
    }
    *asWritten = summary.ignored == 0;
    return PageResult::kRead;
}

// What an index's pages gave: the drawing, the page files read and whether all the files
// read as a drawing run writes them.
struct IndexPages {
    PlotDrawing drawing;
    std::vector<CString> pageFiles;
    bool asWritten = false;
};

// The pages of one index as its lines are taken.
class IndexReading {
public:
    IndexReading(const char* indexPath, const CString& plotFace) : indexPath_(indexPath) {
        CString name;
        CString extension;
        SplitPath(indexPath, &directory_, &name, &extension);
        pages_.asWritten = HasPlotExtension((name + extension).str(), true);
        pages_.drawing.m_plotFace = plotFace;
    }

    // One line of the index; false when the whole reading fails (reported).
    bool Take(const CString& line, PlotFileHold& hold) {
        const PlotIndexLine entry = ParseIndexLine(line.str());
        if (IsPlainPageName(entry.name) && entry.complete && batch_.Add(entry, directory_ + entry.name)) {
            pages_.asWritten = pages_.asWritten && HasPlotExtension(entry.name.str(), false);
            return true;
        }
        FinishBatch(hold);
        if (!IsPlainPageName(entry.name)) {
            CString text;
            text.Format(u8"作図出力ﾌｧｲﾙのﾍﾟｰｼﾞ名が正しくありません\n%s", line.GetString());
            AfxMessageBox(text);
            return false;
        }
        pages_.asWritten = pages_.asWritten && entry.complete && HasPlotExtension(entry.name.str(), false);
        if (!entry.complete) {
            CString text;
            text.Format(u8"%s\n作図出力ﾌｧｲﾙの行が正しくありません\n%s", indexPath_, line.GetString());
            AfxMessageBox(text);
            return true;
        }
        const CString path = directory_ + entry.name;
        bool pageAsWritten = false;
        const PageResult result = ReadPageFile(path, entry, pages_.drawing, buffer_, &pageAsWritten);
        pages_.asWritten = pages_.asWritten && pageAsWritten;
        if (result == PageResult::kRead) {
            hold.NoteRead(entry.name);
            pages_.pageFiles.push_back(path);
        }
        return result != PageResult::kFailed;
    }

    // Adds the pages read ahead, before anything else is shown.
    void FinishBatch(PlotFileHold& hold) {
        batch_.Finish(pages_.drawing, [&](const PlotPageBatch::Page& page, bool added, bool asWritten) {
            pages_.asWritten = pages_.asWritten && asWritten;
            if (added) {
                hold.NoteRead(page.entry.name);
                pages_.pageFiles.push_back(page.path);
            }
        });
    }

    IndexPages& Pages() { return pages_; }

private:
    const char* indexPath_;
    CString directory_;
    IndexPages pages_;
    std::string buffer_; // the pages' bytes, one page at a time
    PlotPageBatch batch_;
};

} // namespace

BOOL CMainDoc::PlotFileRead(const char* indexPath) {
    ReleasePlotFiles();
    auto index = std::make_unique<CTextFile>();
    if (!index->Open(indexPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText)) {
        return FALSE;
    }
    PlotFileHold hold;
    if (!hold.Hold(indexPath)) {
        ShowPathMessage(u8"%s\n作図出力ﾌｧｲﾙは他のﾌﾟﾛｸﾞﾗﾑが使用中です", indexPath);
        return FALSE;
    }
    IndexReading reading(indexPath, m_drawing.m_plotFace);
    int lines = 0;
    try {
        CString line;
        while (lines < PlotDrawing::kPageLimit && ReadIndexLine(*index, line)) {
            if (IsBlankLine(line.str())) {
                continue;
            }
            ++lines;
            if (!reading.Take(line, hold)) {
                return FALSE;
            }
        }
        reading.FinishBatch(hold);
    } catch (const CFileException&) {
        reading.FinishBatch(hold);
        return FALSE; // reported by the file
    }
    if (lines == 0) {
        ShowPathMessage(u8"%s\n作図出力ﾌｧｲﾙにﾍﾟｰｼﾞがありません", indexPath);
        return FALSE;
    }
    IndexPages& pages = reading.Pages();
    if (pages.drawing.PageCount() == 0) {
        return FALSE;
    }
    m_drawing = std::move(pages.drawing);
    m_indexFile = std::move(index);
    m_hold = std::move(hold);
    m_pageFiles = std::move(pages.pageFiles);
    plotRunFiles_ = pages.asWritten;
    return TRUE;
}

} // namespace zapho
