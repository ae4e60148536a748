#pragma once
// The viewer's document as the window side sees it: one drawing (the data side, CMainDoc)
// read from a plot index (".p00") or a figure file (".pfg"), the template deciding which.
// Either kind saves as a figure file, never over the index file. Reopen reads the plot
// files into a fresh drawing and swaps it in only when the reading succeeded.

#include "drawing_viewer/core/CMainDoc.h"

#include "platform/ui/CDocument.h"

#include <memory>

namespace zapho {

class CViewerDoc : public CDocument {
    DECLARE_DYNCREATE(CViewerDoc)
public:
    CViewerDoc();

    BOOL OnOpenDocument(LPCTSTR path) override;
    BOOL OnSaveDocument(LPCTSTR path) override;
    BOOL SaveModified() override;
    void OnCloseDocument() override;
    void SetPathName(LPCTSTR path, BOOL addToMru = TRUE) override;

    CMainDoc& Data() { return *data_; }
    const CMainDoc& Data() const { return *data_; }
    bool IsPlotOutput() const;
    // Reads the plot files again; false (the drawing kept) when they cannot be read.
    bool ReopenPlotFiles();

    // The save dialog for a figure file; true when saved.
    bool DoSave(bool replacePath);

private:
    const char* TemplateExtension() const;
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    std::unique_ptr<CMainDoc> data_;
};

} // namespace zapho
