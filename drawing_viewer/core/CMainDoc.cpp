#include "CMainDoc.h"

#include "FigureFile.h"
#include "common/records/CTextFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"

#include <strings.h>
#include <unistd.h>

namespace zapho {

CMainDoc::CMainDoc() {
    Reset();
}

CMainDoc::~CMainDoc() {
    ReleasePlotFiles();
}

void CMainDoc::Reset() {
    m_strDirectory.Empty();
    m_strFilePath.Empty();
    m_strFileName.Empty();
    m_strTemplateExt.Empty();
    m_nCurrentPage = 0;
    m_dOriginX = m_dOriginY = 0.0;
    m_dScale = platform::kUnsetDouble;
    m_dOffsetX = m_dOffsetY = 0.0;
    m_bItemDrawing = FALSE;
}

void CMainDoc::DeleteContents() {
    CString face = m_drawing.m_plotFace;
    m_drawing = PlotDrawing();
    m_drawing.m_plotFace = face;
}

void CMainDoc::SplitDocumentPath(const char* path) {
    SplitPath(path, &m_strDirectory, &m_strFileName, nullptr);
    m_strFilePath = path;
}

BOOL CMainDoc::OnOpenDocument(const char* path, const char* templateExtension) {
    DeleteContents();
    m_strTemplateExt = templateExtension;
    const bool figure = m_strTemplateExt == kFigureExtension;
    if (!figure && !IsPlotOutput()) {
        return FALSE;
    }
    SplitDocumentPath(path);
    if (platform::IsMissingDocument(path)) {
        CString text;
        text.Format(u8"%s\nﾌｧｲﾙが見つかりません", path);
        AfxMessageBox(text);
        return FALSE;
    }
    return figure ? ReadFigureFile(path) : PlotFileRead(path);
}

BOOL CMainDoc::SaveFigureFile(const char* path) {
    if (!WriteFigureFile(path)) {
        return FALSE;
    }
    SplitDocumentPath(path);
    return TRUE;
}

BOOL CMainDoc::ReadFigureFile(const char* path) {
    return zapho::ReadFigureFile(path, m_drawing);
}

BOOL CMainDoc::WriteFigureFile(const char* path) const {
    return zapho::WriteFigureFile(path, m_drawing);
}

void CMainDoc::ReleasePlotFiles() {
    if (!m_indexFile) {
        return;
    }
    try {
        m_indexFile->Close();
    } catch (const CFileException&) {
        // the close message has been shown; the files are released all the same
    }
    m_indexFile.reset();
    m_hold.Release(m_bRemovePlotFiles && plotRunFiles_);
    m_pageFiles.clear();
    plotRunFiles_ = false;
}

} // namespace zapho
