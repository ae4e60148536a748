#pragma once
// A document: the data of one file, shown by one or more views. Commands reach it after
// its active view.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <vector>

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    virtual BOOL OnNewDocument();
    // path: CP932 bytes. Return FALSE (after telling the user) to abandon the open.
    virtual BOOL OnOpenDocument(LPCTSTR path);
    virtual BOOL OnSaveDocument(LPCTSTR path);
    // Closes every view's frame and deletes the document.
    virtual void OnCloseDocument();
    // Called before a document is closed; FALSE keeps it open.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame();

    const CString& GetPathName() const { return m_strPathName; }
    // The path is kept by its full name (platform::FullPathName); the title is its last step.
    virtual void SetPathName(LPCTSTR path, BOOL addToMru = TRUE);
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR title);
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& position) const;
    const std::vector<CView*>& Views() const { return views_; }
    // Calls OnUpdate of every view except sender.
    void UpdateAllViews(CView* sender, long hint = 0, CObject* hintObject = nullptr);

    CDocTemplate* m_pDocTemplate = nullptr;
    CString m_strPathName;
    CString m_strTitle;
    BOOL m_bModified = FALSE;
    BOOL m_bAutoDelete = TRUE;

private:
    std::vector<CView*> views_;
};
