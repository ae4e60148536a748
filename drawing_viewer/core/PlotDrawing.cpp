#include "PlotDrawing.h"

#include "platform/core/Unset.h"

namespace zapho {

PlotPage::PlotPage() : m_values{platform::kUnsetInt, platform::kUnsetInt, 0, 0} {}

PlotDrawing::PlotDrawing() : m_plotFace(kDefaultFace) {}

PlotPage& PlotDrawing::AddPage() {
    m_pages.emplace_back();
    return m_pages.back();
}

CPlotData* PlotDrawing::AddPlotItem(std::unique_ptr<CPlotData> item, int page, int color, int group) {
    item->m_nColor = color;
    item->m_nGroup = group;
    PlotPage& target = Page(page);
    PlotItemList& list = target.m_items.size() < kPrimaryListLimit ? target.m_items : target.m_overflow;
    list.push_back(std::move(item));
    return list.back().get();
}

int PlotDrawing::GetNewFontIndex(int height, int width, int escapement, int spacing) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const CPlotFont& font = *m_fonts[i];
        if (font.m_nHeight == height && font.m_nSpacing == spacing && font.m_nEscapement == escapement) {
            return static_cast<int>(i);
        }
    }
    auto font = std::make_unique<CPlotFont>();
    font->SetFaceName(m_plotFace);
    font->m_nHeight = height;
    font->m_nWidth = width;
    font->m_nEscapement = escapement;
    font->m_nOrientation = escapement;
    font->m_nSpacing = spacing;
    m_fonts.push_back(std::move(font));
    return static_cast<int>(m_fonts.size() - 1);
}

} // namespace zapho
