// The view's DXF output: the file name dialog and the drawing of the section with its
// shown slip lines.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"

#include "analysis/core/AnalysisDxfOutput.h"
#include "analysis/core/CBlockDoc.h"
#include "common/ui/dialogs/COutputFileDlg.h"

namespace torvan {

namespace {

constexpr UINT kOutputFileTemplate = 125;

} // namespace

void CBlockView::OnFileDxfOut() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    const CString proposed =
        model->Directory().IsEmpty() ? CString() : model->Directory() + model->Title() + ".dxf";
    if (!COutputFileDlg::AskDxfPath(kOutputFileTemplate, this, m_strDxfOutPath, proposed,
                                    CString(u8"出力ﾌｧｲﾙ名"))) {
        return;
    }
    model->SetModifiedFlag(true);
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
        DrawRange().IsUnset() ? section::WorldRange{0.0, 200.0, 0.0, 100.0} : DrawRange();
    const DxfExtent extent{range.xmin, range.ymin, range.xmax, range.ymax};
    return WriteAnalysisDxf(*model, m_strDxfOutPath, extent, colours);
}

} // namespace torvan
