#include "drawing_viewer/app/CViewerDoc.h"

#include "drawing_viewer/app/CChildFrame.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWaitCursor.h"

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace zapho {

IMPLEMENT_DYNCREATE(CViewerDoc, CDocument)

namespace {

constexpr char kFigureFilter[] = "\x90\x7d\x96\xca\xcc\xa7\xb2\xd9(*.pfg)|*.pfg||"; // 図面ﾌｧｲﾙ(*.pfg)

bool SameFile(const CString& a, const CString& b) {
    std::error_code error;
    return std::filesystem::equivalent(platform::DiskName(a.str()), platform::DiskName(b.str()), error);
}

CString TitleOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}

} // namespace

CViewerDoc::CViewerDoc() : data_(std::make_unique<CMainDoc>()) {
    MapCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    MapCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    MapCommand(ID_FILE_CLOSE, [this] { OnFileClose(); });
}

const char* CViewerDoc::TemplateExtension() const {
    return m_pDocTemplate && m_pDocTemplate->GetResourceId() == IDR_PLOT_OUTPUT ? CMainDoc::kPlotExtension
                                                                                : CMainDoc::kFigureExtension;
}

bool CViewerDoc::IsPlotOutput() const {
    return data_->IsPlotOutput();
}

BOOL CViewerDoc::OnOpenDocument(LPCTSTR path) {
    CWaitCursor wait;
    // Texts the drawing makes take the plot font face of the settings.
    const LOGFONT& plotFont = ZaphoApp().State().settings.plotFont;
    if (plotFont.lfFaceName[0] != '\0') {
        data_->m_drawing.m_plotFace = CString(plotFont.lfFaceName);
    }
    const CString& drawingRunIndex = ZaphoApp().State().drawingRunIndex;
    data_->SetPlotFileCleanup(!drawingRunIndex.IsEmpty() && SameFile(CString(path), drawingRunIndex));
    if (!data_->OnOpenDocument(path, TemplateExtension())) {
        return FALSE;
    }
    SetPathName(path, !IsPlotOutput());
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CViewerDoc::SetPathName(LPCTSTR path, BOOL addToMru) {
    CDocument::SetPathName(path, addToMru && !IsPlotOutput());
    SetTitle(TitleOf(CString(path)));
}

bool CViewerDoc::ReopenPlotFiles() {
    if (!IsPlotOutput() || m_strPathName.IsEmpty() || !SaveModified()) {
        return false;
    }
    CWaitCursor wait;
    auto fresh = std::make_unique<CMainDoc>();
    fresh->SetPlotFileCleanup(data_->PlotFileCleanup());
    fresh->m_drawing.m_plotFace = data_->m_drawing.m_plotFace;
    // Both hold the index under a shared lock meanwhile; a failed reading keeps the shown drawing.
    if (!fresh->OnOpenDocument(m_strPathName, CMainDoc::kPlotExtension)) {
        return false;
    }
    data_->SetPlotFileCleanup(false); // the files are the fresh document's now
    fresh->m_nCurrentPage =
        std::clamp(data_->m_nCurrentPage, 0, std::max(0, fresh->m_drawing.PageCount() - 1));
    data_ = std::move(fresh);
    SetModifiedFlag(FALSE);
    return true;
}

BOOL CViewerDoc::OnSaveDocument(LPCTSTR path) {
    CWaitCursor wait;
    if (IsPlotOutput() && SameFile(CString(path), m_strPathName)) {
        CString text;
        text.Format(u8"%s\nは作図出力ﾌｧｲﾙです。図面ﾌｧｲﾙとして別の名前で保存して下さい", path);
        AfxMessageBox(text);
        return FALSE;
    }
    if (!data_->SaveFigureFile(path)) {
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

bool CViewerDoc::DoSave(bool replacePath) {
    const CString proposed = data_->m_strDirectory + data_->m_strFileName + CMainDoc::kFigureExtension;
    CFileDialog dialog(FALSE, "pfg", proposed, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                       kFigureFilter, AfxGetMainWnd());
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    const CString path = dialog.GetPathName();
    const bool existed = platform::PathExists(path);
    if (!OnSaveDocument(path)) {
        if (!existed) {
            std::remove(platform::DiskName(path.str()).c_str());
        }
        return false;
    }
    if (replacePath && !IsPlotOutput()) {
        SetPathName(path);
    }
    return true;
}

void CViewerDoc::OnFileSave() {
    // A drawing of plot files is saved as a figure file under a new name, never over its index.
    if (IsPlotOutput() || m_strPathName.IsEmpty() || !platform::IsWritableFile(m_strPathName)) {
        DoSave(true);
        return;
    }
    OnSaveDocument(m_strPathName);
}

void CViewerDoc::OnFileSaveAs() {
    DoSave(true);
}

BOOL CViewerDoc::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    CString text;
    text.Format(u8"%s に行った変更を保存しますか?",
                (m_strPathName.IsEmpty() ? m_strTitle : m_strPathName).GetString());
    switch (AfxMessageBox(text, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return IsPlotOutput() ? DoSave(false) : OnSaveDocument(m_strPathName);
    default:
        return TRUE;
    }
}

void CViewerDoc::OnCloseDocument() {
    data_->ReleasePlotFiles();
    CDocument::OnCloseDocument();
}

void CViewerDoc::OnFileClose() {
    // Closing deletes this document; leave the command handler that runs first.
    QTimer::singleShot(0, [document = this, template_ = m_pDocTemplate] {
        if (template_ &&
            std::find(template_->Documents().begin(), template_->Documents().end(), document) !=
                template_->Documents().end() &&
            document->SaveModified()) {
            document->OnCloseDocument();
        }
    });
}

} // namespace zapho
