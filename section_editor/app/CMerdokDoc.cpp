#include "section_editor/app/CMerdokDoc.h"

#include "section_editor/app/CChildFrame.h"
#include "section_editor/app/CMerdokApp.h"
#include "section_editor/app/ViewSettings.h"

#include "common/records/CountLimits.h"

#include "platform/core/CFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWaitCursor.h"

#include <QTimer>
#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace merdok {

IMPLEMENT_DYNCREATE(CMerdokDoc, CDocument)

namespace {

const char8_t kSaveAsTitle[] = u8"名前を付けて保存";

bool Exists(const char* path) {
    struct stat status {};
    return ::stat(CFile::OsPath(path).c_str(), &status) == 0;
}

// The folder of a file still to be made exists and takes new files.
bool FolderTakesNewFile(const CString& path) {
    const int slash = path.ReverseFind('/');
    const CString folder = slash < 0 ? CString(".") : slash == 0 ? CString("/") : path.Left(slash);
    return platform::IsWritableDirectory(folder);
}

// A new document's file name: its title up to the first of " #%;/\\", at most 8 bytes
// (never half a character), and the extension.
CString ProposedFileName(const CString& title) {
    std::string name = title.str();
    name = name.substr(0, std::min(name.find_first_of(" #%;/\\"), name.size()));
    std::size_t length = 0;
    while (length < name.size()) {
        const std::size_t step = platform::IsCp932LeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1;
        if (length + step > 8) {
            break;
        }
        length += step;
    }
    return CString((name.substr(0, length) + ".sec").c_str());
}

} // namespace

CMerdokDoc::CMerdokDoc() {
    MapCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    MapCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    MapCommand(ID_FILE_CLOSE, [this] { OnFileClose(); });
    model_.m_promptSavePath = [this](CString& path) {
        auto* app = dynamic_cast<CMerdokApp*>(AfxGetApp());
        path = model_.m_strPath.IsEmpty() ? ProposedFileName(GetTitle()) : model_.m_strPath;
        if (!model_.m_strPath.IsEmpty() && !Exists(path) && !FolderTakesNewFile(path)) {
            path = path.Mid(path.ReverseFind('/') + 1); // the dialog starts where the last file was
        }
        return app && app->DoPromptFileName(path, CString(kSaveAsTitle), false);
    };
}

BOOL CMerdokDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    model_.DeleteContents();
    model_.SetModifiedFlag(false);
    // A new window's caption is its document's title until the document is saved under a name.
    if (auto* app = dynamic_cast<CMerdokApp*>(AfxGetApp())) {
        SetTitle(app->NextUntitledTitle());
    }
    model_.SetUntitledName(GetTitle());
    return TRUE;
}

BOOL CMerdokDoc::OnOpenDocument(LPCTSTR path) {
    CWaitCursor wait;
    // The file is read before a view hands the model the program's limits: a model saved
    // under them, or one that opened under the model's own, opens again.
    const ViewSettings& settings = ProgramViewSettings();
    for (int i = 0; i < 4; ++i) {
        model_.m_nLimit[i] = std::max(kAnalysisReadLimits[i], settings.countLimit[i]);
    }
    return model_.OnOpenDocument(path);
}

BOOL CMerdokDoc::OnSaveDocument(LPCTSTR path) {
    CWaitCursor wait;
    return model_.OnSaveDocument(path);
}

BOOL CMerdokDoc::SaveModified() {
    const bool wasModified = model_.IsModified();
    const BOOL keepGoing = model_.SaveModified();
    if (keepGoing && wasModified && !model_.IsModified()) {
        AfterSave(TRUE);
    }
    return keepGoing;
}

void CMerdokDoc::TakeNewFilePath(const CString& path) {
    model_.SetPathName(path);
    model_.SetModifiedFlag(true);
    SetPathName(path, FALSE);
    for (CView* view : Views()) {
        if (auto* frame = dynamic_cast<CChildFrame*>(view->GetParentFrame())) {
            frame->SetFrameTitle(path);
        }
    }
}

void CMerdokDoc::OnFileSave() {
    // The file named on the command line to be made is saved under that name at once; when
    // its folder cannot take it, the name is asked for, as for any new document.
    if (!model_.m_strPath.IsEmpty() && !Exists(model_.m_strPath)) {
        AfterSave(FolderTakesNewFile(model_.m_strPath) ? model_.DoSave(model_.m_strPath)
                                                       : model_.OnFileSaveAs());
        return;
    }
    AfterSave(model_.OnFileSave());
}

void CMerdokDoc::OnFileSaveAs() {
    AfterSave(model_.OnFileSaveAs());
}

void CMerdokDoc::AfterSave(BOOL saved) {
    if (!saved) {
        return;
    }
    const CString path = model_.m_strPath;
    if (GetPathName() != path) {
        SetPathName(path);
        for (CView* view : Views()) {
            if (auto* frame = dynamic_cast<CChildFrame*>(view->GetParentFrame())) {
                frame->SetFrameTitle(path);
            }
        }
    }
    if (auto* app = dynamic_cast<CMerdokApp*>(AfxGetApp())) {
        app->SetReportedFileName(path);
    }
}

void CMerdokDoc::OnFileClose() {
    if (!SaveModified()) {
        return;
    }
    // Closing deletes this document; leave the command handler that runs first.
    QTimer::singleShot(0, [document = this, docTemplate = m_pDocTemplate] {
        if (docTemplate && std::find(docTemplate->Documents().begin(), docTemplate->Documents().end(),
                                     document) != docTemplate->Documents().end()) {
            document->OnCloseDocument();
        }
    });
}

} // namespace merdok
