// The analysis view's display-properties command.

#include "analysis/app/CBlockView.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/CBlockDoc.h"
#include "common/ui/section/CNumberPropDlg.h"

namespace torvan {

namespace {

section::DisplayPropertiesLayout AnalysisLayout() {
    section::DisplayPropertiesLayout layout;
    layout.templateId = 132;
    layout.showCheck = 193;
    layout.fontButton = 150;
    layout.widthCombo = 138;
    layout.defaultButton = 151;
    const std::pair<int, const char8_t*> labels[] = {
        {0, u8"節点番号 "},     {1, u8"計測点"},          {2, u8"境界点"},       {3, u8"地表線番号"},
        {4, u8"すべり線番号"},  {5, u8"編集ﾌﾞﾛｯｸ線番号"}, {10, u8"地表線"},      {11, u8"既存すべり線"},
        {12, u8"最新すべり線"}, {13, u8"変位ﾍﾞｸﾄﾙ"},      {14, u8"ﾌﾞﾛｯｸ線"},     {15, u8"編集ﾌﾞﾛｯｸ線"},
        {100, u8"節点"},        {101, u8"計測点"},        {102, u8"地中境界点"}, {103, u8"左地表境界点"},
        {104, u8"右地表境界点"}};
    for (const auto& [code, label] : labels) {
        layout.labels[code] = CString(label);
    }
    layout.numberChoiceLabel = CString(u8"表示内容：");
    layout.selectableLine = kLineVector;
    layout.lineChoiceLabel = CString(u8"表示選択：");
    layout.lineChoices = {CString(u8"始点終点"), CString(u8"ﾍﾞｸﾄﾙ連結"), CString(u8"最小二乗法")};
    return layout;
}

section::DisplayBlock ToBlock(const DisplaySettings& display) {
    return {{std::begin(display.numbers), std::end(display.numbers)},
            {std::begin(display.lines), std::end(display.lines)},
            {std::begin(display.points), std::end(display.points)}};
}

void FromBlock(const section::DisplayBlock& block, DisplaySettings& display) {
    std::copy(block.numbers.begin(), block.numbers.end(), std::begin(display.numbers));
    std::copy(block.lines.begin(), block.lines.end(), std::begin(display.lines));
    std::copy(block.points.begin(), block.points.end(), std::begin(display.points));
}

} // namespace

void CBlockView::OnViewProperties() {
    CNumberPropDlg dialog(AnalysisLayout(), this);
    dialog.m_display = ToBlock(m_display);
    dialog.m_defaults = ToBlock(DefaultViewSettings(CString()).display);
    dialog.m_itemCodes = {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 100, 101, 102, 103, 104};
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const DisplaySettings before = m_display;
    FromBlock(dialog.m_display, m_display);
    ProgramViewSettings().display = m_display; // kept whichever window closes last
    const bool recolor = before.lines[kLineBlock].color != m_display.lines[kLineBlock].color ||
                         before.points[kPointInner].color != m_display.points[kPointInner].color ||
                         before.points[kPointLeft].color != m_display.points[kPointLeft].color ||
                         before.points[kPointRight].color != m_display.points[kPointRight].color;
    if (recolor) {
        RecolorBoundaryButtons();
        if (m_pTreeDlg) {
            m_pTreeDlg->RecolorImages();
        }
    }
    if (CBlockDoc* model = Model()) {
        const int mode = m_display.lines[kLineVector].type;
        if (mode >= 0 && mode <= 2) {
            model->Settings().m_nVectorMode = mode;
        }
        model->CalcMaxDisplacement(); // every vector again in the mode
    }
    Invalidate();
    MeasureLabelSize();
}

} // namespace torvan
