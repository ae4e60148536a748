#pragma once
// The drawing viewer's document, its data side: the drawing, where it came from, and the
// plot files it holds. A plot-output document (".p00") keeps its index file open while it
// lives and, when the analysis program's drawing run handed it over, removes the index and
// the page files it read when it closes. The window side (views, printing, embedding)
// builds on this.

#include "PlotDrawing.h"
#include "PlotFileHold.h"

#include "platform/core/CString.h"
#include "platform/core/Unset.h"

#include <memory>
#include <vector>

class CTextFile;

namespace zapho {

class CMainDoc {
public:
    static constexpr char kFigureExtension[] = ".pfg";
    static constexpr char kPlotExtension[] = ".p00";

    CMainDoc();
    ~CMainDoc();
    CMainDoc(const CMainDoc&) = delete;
    CMainDoc& operator=(const CMainDoc&) = delete;

    // Opens a file as a document of the template extension (".pfg" or ".p00"): the file
    // must exist and be readable and writable ("%s\nﾌｧｲﾙが見つかりません" otherwise). On
    // failure the document is left empty.
    BOOL OnOpenDocument(const char* path, const char* templateExtension);
    // Writes the figure file (either kind of document is saved as one).
    BOOL SaveFigureFile(const char* path);

    // Reads a plot index file and its page files. Any failure has shown its message. A page
    // that is missing or not a plot command file, and an index line cut short, are reported
    // and left out; the other pages are read. No pages at all is a failure.
    BOOL PlotFileRead(const char* indexPath);
    BOOL ReadFigureFile(const char* path);
    BOOL WriteFigureFile(const char* path) const;

    // Frees the drawing and resets the document's values (not the held index file).
    void DeleteContents();
    void Reset();

    // Set for the plot files a drawing run handed over: closing the document removes its
    // index file and page files, when they read as a drawing run writes them (an index
    // named ".p00" of whole lines, pages ".p01" onwards of nothing but plot commands).
    void SetPlotFileCleanup(bool remove) { m_bRemovePlotFiles = remove; }
    bool PlotFileCleanup() const { return m_bRemovePlotFiles; }
    // Closes the held index file, removing the plot files when asked to (only those read and
    // unchanged since, see PlotFileHold).
    void ReleasePlotFiles();

    bool IsPlotOutput() const { return m_strTemplateExt == kPlotExtension; }
    const std::vector<CString>& PageFiles() const { return m_pageFiles; }

    PlotDrawing m_drawing;
    CString m_strDirectory; // with its trailing '/'
    CString m_strFilePath;
    CString m_strFileName;
    CString m_strTemplateExt;
    int m_nCurrentPage = 0;
    double m_dOriginX = 0.0;
    double m_dOriginY = 0.0;
    double m_dScale = platform::kUnsetDouble;
    double m_dOffsetX = 0.0;
    double m_dOffsetY = 0.0;
    // TRUE while the drawing is drawn as an embedded picture (drawn as for a printer).
    BOOL m_bItemDrawing = FALSE;

private:
    void SplitDocumentPath(const char* path);

    std::unique_ptr<CTextFile> m_indexFile;
    std::vector<CString> m_pageFiles;
    PlotFileHold m_hold;
    bool m_bRemovePlotFiles = false;
    bool plotRunFiles_ = false; // the files read as a drawing run writes them
};

} // namespace zapho
