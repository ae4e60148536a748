#pragma once
// A list document: only the two paths its view works with. Nothing of the list is read
// or written here; the view builds its own index.

#include "list_viewer/core/CListDocumentFiles.h"

#include "platform/ui/CDocument.h"

namespace wenux {

class CMainDoc : public CDocument {
    DECLARE_DYNCREATE(CMainDoc)
public:
    CMainDoc();

    BOOL OnOpenDocument(LPCTSTR path) override;
    // The recent-file list takes the path once the view has shown the list (the application).
    void SetPathName(LPCTSTR path, BOOL addToMru = TRUE) override;
    // Lets every view release its index before the work file goes.
    void OnCloseDocument() override;

    const CString& ListPath() const { return files_.ListPath(); }

private:
    void OnFileClose();

    CListDocumentFiles files_;
};

} // namespace wenux
