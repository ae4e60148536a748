// The section view's display-properties command.

#include "section_editor/app/CBlockView.h"

#include "common/ui/section/CNumberPropDlg.h"

namespace merdok {

namespace {

section::DisplayPropertiesLayout EditorLayout() {
    section::DisplayPropertiesLayout layout;
    layout.templateId = 131;
    layout.showCheck = 112;
    layout.fontButton = 149;
    layout.widthCombo = 136;
    layout.defaultButton = 150;
    const std::pair<int, const char8_t*> labels[] = {
        {0, u8"地表点番号 "},    {1, u8"計測点"},        {2, u8"境界点"},   {3, u8"地表線番号"},
        {10, u8"地表線"},        {100, u8"地表点"},      {101, u8"計測点"}, {102, u8"地中境界点"},
        {103, u8"左地表境界点"}, {104, u8"右地表境界点"}};
    for (const auto& [code, label] : labels) {
        layout.labels[code] = CString(label);
    }
    layout.numberChoiceLabel = CString(u8"点ID：");
    layout.typeInRowName = true;
    return layout;
}

section::DisplayBlock ToBlock(const DisplaySettings& display) {
    return {{std::begin(display.numbers), std::end(display.numbers)},
            {display.line},
            {std::begin(display.points), std::end(display.points)}};
}

void FromBlock(const section::DisplayBlock& block, DisplaySettings& display) {
    std::copy(block.numbers.begin(), block.numbers.end(), std::begin(display.numbers));
    display.line = block.lines.front();
    std::copy(block.points.begin(), block.points.end(), std::begin(display.points));
}

} // namespace

void CBlockView::OnViewProperties() {
    CNumberPropDlg dialog(EditorLayout(), this);
    dialog.m_display = ToBlock(m_display);
    dialog.m_defaults = ToBlock(DefaultViewSettings(CString()).display);
    dialog.m_itemCodes = {0, 1, 2, 3, 10, 100, 101, 102, 103, 104};
    if (dialog.DoModal() != IDOK) {
        return;
    }
    FromBlock(dialog.m_display, m_display);
    // The settings file takes the display chosen last, whichever window closes last.
    ProgramViewSettings().display = m_display;
    Invalidate();
    MeasureLabelSize();
    RecolorBoundaryButtons();
}

} // namespace merdok
