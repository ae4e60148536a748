#pragma once
// The analysis program's document: the framework document that owns one analysis model
// (CBlockDoc of model/, which holds the file, its section model and every record) and
// answers what the model asks of the window side. The framework document carries the
// path, the title and the views; the model keeps the modified flag and does the reading,
// the save logic and the questions.

#include "analysis/core/BlockDocWindowSide.h"
#include "analysis/core/CBlockDoc.h"

#include "platform/ui/CDocument.h"

namespace torvan {

class CTorvanDoc : public CDocument, public BlockDocWindowSide {
    DECLARE_DYNCREATE(CTorvanDoc)
public:
    CTorvanDoc();
    ~CTorvanDoc() override;

    CBlockDoc& Model() { return model_; }
    const CBlockDoc& Model() const { return model_; }

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR path) override;
    BOOL OnSaveDocument(LPCTSTR path) override;
    BOOL SaveModified() override;
    // Closes the document; after the last one the main window shows no document's texts.
    void OnCloseDocument() override;

    // BlockDocWindowSide
    void UpdateAllViews() override;
    bool EditNewBoundaryPoint(CNode& point) override;
    bool IsTreeDialogOpen() const override;
    void DeleteTreeItem(int key, int branch) override;
    void UpdateTreeItem(int key, CNode* point) override;
    void UpdateSlipLineItem(int key, CVerrant* line) override;
    void SetFrameCaptions(const CString& path) override;
    bool PromptSavePath(CString& path) override;
    void ReportSavedFile(const CString& path) override;
    int ChooseReferenceFile(const CString& caption, const CString& commandLineName,
                            const CString& fileName) override;

private:
    void RefillTrees();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();
    // The reference names of the command line, for the reader to compare with.
    void TakeCommandLineReferences();

    CBlockDoc model_;
};

} // namespace torvan
