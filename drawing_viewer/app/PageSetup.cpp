#include "drawing_viewer/app/PageSetup.h"

#include "platform/core/Unset.h"

#include <algorithm>

namespace zapho {

namespace {

constexpr int kUnsetPaperSide = 200;
constexpr double kSmallestScale = 1e-6;

struct PaperEntry {
    int code;
    const char8_t* portrait;
    const char8_t* landscape;
};

constexpr PaperEntry kPapers[] = {
    {8, u8"A3縦(297×420mm)", u8"A3横(420×297mm)"},  {9, u8"A4縦(210×297mm)", u8"A4横(297×210mm)"},
    {11, u8"A5縦(148×210mm)", u8"A5横(210×148mm)"}, {12, u8"B4縦(250×354mm)", u8"B4横(354×250mm)"},
    {13, u8"B5縦(182×257mm)", u8"B5横(257×182mm)"},
};

} // namespace

PagePaper PaperOfPage(const PlotDrawing& drawing, int page) {
    PagePaper paper;
    if (page < 0 || page >= drawing.PageCount()) {
        return paper;
    }
    const PlotPage& values = drawing.Page(page);
    paper.paperCode = values.m_values[PlotPage::kPaperSize];
    paper.orientation = values.m_values[PlotPage::kOrientation];
    const int width = values.m_values[PlotPage::kWidth];
    const int height = values.m_values[PlotPage::kHeight];
    // A side of zero or less (or not set) leaves the page without paper: nothing divides by it.
    if (width > 0 && height > 0 && !platform::IsUnsetInt(width) && !platform::IsUnsetInt(height)) {
        paper.width = width;
        paper.height = height;
    } else {
        paper.width = paper.height = kUnsetPaperSide;
    }
    return paper;
}

double FitScale(int width, int height, int clientWidth, int clientHeight, int marginX, int marginY) {
    const double usableWidth = std::max(1, clientWidth - marginX);
    const double usableHeight = std::max(1, std::abs(clientHeight) - marginY);
    const double scale = std::min(usableWidth / std::max(1, width), usableHeight / std::max(1, height));
    return std::max(scale, kSmallestScale);
}

CString PaperName(int paperCode, int orientation) {
    for (const PaperEntry& entry : kPapers) {
        if (entry.code == paperCode) {
            return CString(orientation == 2 ? entry.landscape : entry.portrait);
        }
    }
    return CString();
}

CString PromptText(const CString& modeText, int page, int pageCount, const CString& paperName) {
    CString text;
    text.Format(u8"%s     ﾍﾟｰｼﾞ %d(%d)  %s", modeText.GetString(), page + 1, pageCount,
                paperName.GetString());
    return text;
}

} // namespace zapho
