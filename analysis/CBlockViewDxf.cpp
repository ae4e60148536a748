// The view's DXF output: the file name dialog and the drawing of the section with its
// shown slip lines.

#include "analysis/CBlockView.h"
#include "analysis/CTorvanDoc.h"

#include "common/ui/dialogs/COutputFileDlg.h"
#include "model/AnalysisDxfOutput.h"
#include "model/CBlockDoc.h"

namespace torvan {

namespace {

constexpr UINT kOutputFileTemplate = 125;

} // namespace

void CBlockView::OnFileDxfOut() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    COutputFileDlg dialog(kOutputFileTemplate, this);
    dialog.m_strCaption = CString(u8"出力ﾌｧｲﾙ名");
    dialog.m_strLabel = CString(u8"DXFﾌｧｲﾙ名");
    dialog.m_strFilter = CString(u8"全てのﾌｧｲﾙ (*.*) |*.*||");
    dialog.m_strPath = m_strDxfOutPath;
    if (m_strDxfOutPath.IsEmpty() && !model->m_strDir.IsEmpty()) {
        dialog.m_strPath = model->m_strDir + model->m_strTitle + ".dxf";
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    model->SetModifiedFlag(true);
    m_strDxfOutPath = dialog.m_strPath;
    WriteDxfFile();
}

bool CBlockView::WriteDxfFile() {
    CBlockDoc* model = Model();
    if (!model) {
        return false;
    }
    AnalysisDxfColours colours;
    colours.groundLine = m_display.lines[kLineGround].color;
    colours.newSlipLine = m_display.lines[kLineNewSlip].color;
    // Before the first fit the view shows the empty model's default area.
    const section::WorldRange range =
        m_drawRange.IsUnset() ? section::WorldRange{0.0, 200.0, 0.0, 100.0} : m_drawRange;
    const DxfExtent extent{range.xmin, range.ymin, range.xmax, range.ymax};
    return WriteAnalysisDxf(*model, m_strDxfOutPath, extent, colours);
}

} // namespace torvan
