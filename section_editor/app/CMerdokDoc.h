#pragma once
// The section model editor's framework document: it owns one section model (the headless
// CBlockDoc, which keeps the records, the modified flag and does the reading and saving) and
// gives it the window side's file prompt.

#include "section_editor/core/CBlockDoc.h"

#include "platform/ui/CDocument.h"

namespace merdok {

class CMerdokDoc : public CDocument {
    DECLARE_DYNCREATE(CMerdokDoc)
public:
    CMerdokDoc();

    CBlockDoc& Model() { return model_; }
    const CBlockDoc& Model() const { return model_; }

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR path) override;
    BOOL OnSaveDocument(LPCTSTR path) override;
    BOOL SaveModified() override;

    // A new document that is to be saved under path (the file does not exist yet).
    void TakeNewFilePath(const CString& path);

    void OnFileSave();
    void OnFileSaveAs();

private:
    void OnFileClose();
    // After a save: the framework name, the window captions and the base menu's name follow.
    void AfterSave(BOOL saved);

    CBlockDoc model_;
};

} // namespace merdok
