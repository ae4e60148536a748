// The plot-output document's reading: the index file and one page file per index line.

#include "MainDoc.h"
#include "PlotCommandReader.h"
#include "PlotNumbers.h"
#include "common/records/TextFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/MessageSink.h"

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

// Reads one page file into the drawing's next page; FALSE after a message. The file's bytes
// go through buffer, which the pages share.
BOOL ReadPageFile(const CString& path, const PlotIndexLine& entry, PlotDrawing& drawing,
                  std::string& buffer) {
    CTextFile file;
    if (!file.Open(path.GetString(), CFile::modeRead | CFile::typeText)) {
        return FALSE;
    }
    const int page = drawing.PageCount();
    PlotPage& values = drawing.AddPage();
    values.m_values[PlotPage::kWidth] = entry.width;
    values.m_values[PlotPage::kHeight] = entry.height;
    PaperOfKind(entry.kind, values.m_values[PlotPage::kPaperSize], values.m_values[PlotPage::kOrientation]);
    try {
        buffer.clear();
        file.ReadRest(buffer);
        file.Close();
    } catch (const CFileException&) {
        return FALSE; // reported by the file
    }
    PlotCommandReader reader(drawing, page);
    reader.ReadPage(buffer);
    return TRUE;
}

} // namespace

BOOL CMainDoc::PlotFileRead(const char* indexPath) {
    ReleasePlotFiles();
    auto index = std::make_unique<CTextFile>();
    if (!index->Open(indexPath, CFile::modeRead | CFile::shareExclusive | CFile::typeText)) {
        return FALSE;
    }
    PlotFileHold hold;
    if (!hold.Hold(indexPath)) {
        CString text;
        text.Format(u8"%s\n作図出力ﾌｧｲﾙは他のﾌﾟﾛｸﾞﾗﾑが使用中です", indexPath);
        AfxMessageBox(text);
        return FALSE;
    }
    CString directory;
    SplitPath(indexPath, &directory, nullptr, nullptr);
    PlotDrawing read;
    read.m_plotFace = m_drawing.m_plotFace;
    std::vector<CString> pageFiles;
    std::string buffer;
    try {
        CString line;
        while (read.PageCount() < PlotDrawing::kPageLimit && index->ReadLine(line)) {
            if (IsBlankLine(line.str())) {
                continue;
            }
            PlotIndexLine entry = ParseIndexLine(line.str());
            if (!IsPlainPageName(entry.name)) {
                CString text;
                text.Format(u8"作図出力ﾌｧｲﾙのﾍﾟｰｼﾞ名が正しくありません\n%s", line.GetString());
                AfxMessageBox(text);
                return FALSE;
            }
            CString path = directory + entry.name;
            if (!ReadPageFile(path, entry, read, buffer)) {
                return FALSE;
            }
            hold.NoteRead(entry.name);
            pageFiles.push_back(path);
        }
    } catch (const CFileException&) {
        return FALSE; // reported by the file
    }
    if (read.PageCount() == 0) {
        return FALSE;
    }
    m_drawing = std::move(read);
    m_indexFile = std::move(index);
    m_indexPath = indexPath;
    m_hold = std::move(hold);
    m_pageFiles = std::move(pageFiles);
    return TRUE;
}

} // namespace zapho
