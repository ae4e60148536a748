// The view's DXF reading and writing: the import dialog and the import with its progress
// window, and the output of the section as the view shows it.

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CDxfFileDlg.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/dialogs/COutputFileDlg.h"
#include "common/ui/dxf/CDxfReadProgressDlg.h"
#include "common/ui/section/GuideIds.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDxfImport.h"
#include "section_editor/core/SectionDxfOutput.h"

#include <algorithm>
#include <cmath>

namespace merdok {

namespace {

constexpr UINT kOutputFileTemplate = 124;
constexpr int kFitMargin = 20;

void CopySettingsToDialog(const CBlockDoc& model, CDxfFileDlg& dialog) {
    dialog.m_strFile = model.m_strDxfFile;
    for (int i = 0; i < 3; ++i) {
        dialog.m_layerLists[i] = model.m_listDxfLayers[i];
    }
    dialog.m_dFactorX = model.m_dDxfFactorX;
    dialog.m_dFactorY = model.m_dDxfFactorY;
    dialog.m_dDistance = model.m_dDxfSnap;
    std::copy(model.m_dDxfRegion, model.m_dDxfRegion + 4, dialog.m_dRegion);
    dialog.m_nClearData = model.m_nDxfNewRead;
}

void CopySettingsToModel(const CDxfFileDlg& dialog, CBlockDoc& model) {
    model.m_strDxfFile = dialog.m_strFile;
    for (int i = 0; i < 3; ++i) {
        model.m_listDxfLayers[i] = dialog.m_layerLists[i];
    }
    model.m_dDxfFactorX = dialog.m_dFactorX;
    model.m_dDxfFactorY = dialog.m_dFactorY;
    model.m_dDxfSnap = dialog.m_dDistance;
    std::copy(dialog.m_dRegion, dialog.m_dRegion + 4, model.m_dDxfRegion);
    model.m_nDxfNewRead = dialog.m_nClearData;
}

} // namespace

void CBlockView::MapDxfCommands() {
    MapCommand(ID_FILE_INPUT_DXF, [this] { OnInputDxfFile(); });
    MapCommand(ID_FILE_DXF_OUT, [this] { OnFileDxfOut(); });
}

void CBlockView::OnInputDxfFile() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    CDxfFileDlg dialog(this);
    CopySettingsToDialog(*model, dialog);
    const int answer = dialog.DoModal();
    // The import settings are the session's, not the file's: only an import changes the model.
    CopySettingsToModel(dialog, *model);
    CDxfImport import(*model);
    if (answer != IDOK || !import.Confirm()) {
        return;
    }
    model->SetModifiedFlag(true);
    // The import may put copies in place of the model's records (a failed one puts the
    // model back as it was), and the reader sets every state to normal: nothing stays selected.
    ClearSelection();
    DropDrawFigure();
    CDxfReadProgressDlg progress(this);
    if (import.Run(&progress) == CDxfImport::Result::kImported) {
        double extent[2] = {200.0, 100.0};
        model->GetModelExtent(extent[0], extent[1]);
        Zoom(extent, nullptr, kFitMargin, FALSE);
    }
    ChangeToolPrompt(section::guide::kMenuPrompt);
    Invalidate(TRUE);
}

void CBlockView::OnFileDxfOut() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const CString proposed =
        model->m_strDir.IsEmpty() ? CString() : model->m_strDir + model->m_strDocName + ".dxf";
    // The template has no caption of its own; without one the window manager would show the
    // executable's lower-case name, where every other window of the program says MERDOK.
    if (!COutputFileDlg::AskDxfPath(kOutputFileTemplate, this, m_strDxfOutPath, proposed,
                                    CString("MERDOK"))) {
        return;
    }
    WriteDxfFile();
}

bool CBlockView::WriteDxfFile() {
    CBlockDoc* model = Model();
    if (!model) {
        return false;
    }
    // The drawing's extent is the model's box; an empty model has none, and the view's area stands in.
    double width = 0.0;
    double height = 0.0;
    model->GetModelExtent(width, height);
    section::WorldRange box = DocCurrentExtent();
    if (box.IsUnset()) {
        box = DrawRange().IsUnset() ? section::WorldRange{0.0, 200.0, 0.0, 100.0} : DrawRange();
    }
    SectionDxfLook look;
    look.lines = m_display.line.draw != 0;
    look.lineColour = m_display.line.color;
    look.pointNumbers = m_display.points[kPointNode].draw != 0;
    look.numberColour = m_display.numbers[kNumberNode].color;
    const double scale = Plane().ScaleX() > 0.0 ? Plane().ScaleX() : 1.0;
    look.numberHeight = std::abs(m_display.numbers[kNumberNode].font.lfHeight) / scale;
    return WriteSectionDxf(*model, m_strDxfOutPath, DxfExtent{box.xmin, box.ymin, box.xmax, box.ymax}, look);
}

} // namespace merdok
