#pragma once
// The contents of a drawing: up to 50 pages, each with its drawing list, overflow list and
// text list and its four page values; one font list shared by every text; the user
// colours of polygon fills. Readers build a drawing of their own and hand it over whole
// once it is complete, so a failed read never leaves half a drawing in a document.

#include "CPlotData.h"
#include "CPlotFont.h"
#include "CPlotString.h"

#include "platform/core/Types.h"

#include <map>
#include <memory>
#include <vector>

namespace zapho {

using PlotItemList = std::vector<std::unique_ptr<CPlotData>>;

struct PlotPage {
    // Paper size code, orientation code (1 portrait, 2 landscape), drawing width, height.
    enum { kPaperSize = 0, kOrientation = 1, kWidth = 2, kHeight = 3 };

    PlotItemList m_items;
    PlotItemList m_overflow;
    std::vector<std::unique_ptr<CPlotString>> m_texts;
    int m_values[4];

    PlotPage();
};

class PlotDrawing {
public:
    static constexpr int kPageLimit = 50;
    static constexpr std::size_t kPrimaryListLimit = 32001;
    static constexpr char8_t kDefaultFace[] = u8"ＭＳ ゴシック";

    PlotDrawing();

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    PlotPage& Page(int page) { return m_pages.at(static_cast<std::size_t>(page)); }
    const PlotPage& Page(int page) const { return m_pages.at(static_cast<std::size_t>(page)); }
    PlotPage& AddPage();

    // Stamps the item and appends it to the page's drawing list, or to its overflow list
    // once the drawing list holds kPrimaryListLimit items. Returns the item.
    CPlotData* AddPlotItem(std::unique_ptr<CPlotData> item, int page, int color, int group);

    // Position of the font of this height, spacing and escapement, added when new (face
    // from m_plotFace, Shift-JIS, the given width).
    int GetNewFontIndex(int height, int width, int escapement, int spacing);

    std::vector<PlotPage> m_pages;
    std::vector<std::unique_ptr<CPlotFont>> m_fonts;
    // User colour number (low 16 bits) to colour; the first definition read wins in a
    // figure file, the last one given by a plot command.
    std::map<WORD, COLORREF> m_userColors;
    CString m_plotFace;
};

} // namespace zapho
