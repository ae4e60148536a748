#pragma once
// Ties a document class to its frame and view classes and to the file extension it opens
// (e.g. ".log"). The application picks the template whose extension matches a file name
// exactly (Linux names are case-sensitive).

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <vector>

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                 const CRuntimeClass* viewClass, const CString& extension);
    ~CDocTemplate() override;

    BOOL MatchDocType(const CString& path) const;
    // Opens path (CP932) in a new document and frame; null path makes a new document.
    // Null when the document refused the file.
    virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE);
    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* document);
    void RemoveDocument(CDocument* document);
    void CloseAllDocuments(BOOL endSession);
    BOOL SaveAllModified();
    const std::vector<CDocument*>& Documents() const { return documents_; }

    UINT GetResourceId() const { return resourceId_; }

private:
    UINT resourceId_;
    const CRuntimeClass* documentClass_;
    const CRuntimeClass* frameClass_;
    const CRuntimeClass* viewClass_;
    CString extension_;
    std::vector<CDocument*> documents_;
};
