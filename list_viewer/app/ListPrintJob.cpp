#include "list_viewer/app/ListPrintJob.h"

#include "list_viewer/app/ListFontConvert.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"

namespace wenux {

bool ListPrintJob::Plan(bool portrait, int from, int to) {
    sheets_.clear();
    if (index_.PageCount() < 1) {
        return false;
    }
    if (RequiresPortrait(documentType_) && !portrait) {
        AfxMessageBox(u8"計算実行ﾛｸﾞとｴﾗｰ･ﾛｸﾞはA4縦用紙を選択して下さい");
        return false;
    }
    twoPerSheet_ = SharesSheets(documentType_, portrait);
    const std::vector<PrintStep> steps = PlanPrintRun(from, to, 1, index_.PageCount(), twoPerSheet_);
    if (twoPerSheet_ && HasPagesOverFiftyFiveLines(index_, steps) &&
        AfxMessageBox(u8"１頁55行を越える行は印刷されませんが、よろしいですか？\n"
                      u8"(A4縦用紙は１頁55行まで、A4横用紙で66行まで印刷できます)",
                      MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    for (const PrintStep& step : steps) {
        if (step.startsSheet || sheets_.empty()) {
            sheets_.emplace_back();
        }
        sheets_.back().push_back(step);
    }
    return !sheets_.empty();
}

std::vector<int> ListPrintJob::PagesOfSheet(int sheet) const {
    std::vector<int> pages;
    for (const PrintStep& step : sheets_.at(static_cast<std::size_t>(sheet))) {
        pages.push_back(step.page);
    }
    return pages;
}

void ListPrintJob::PrintSheet(CDC* dc, int sheet, const CRect& drawRect, ListFont& printFont) {
    if (sheet < 0 || sheet >= SheetCount()) {
        return;
    }
    for (const PrintStep& step : sheets_[static_cast<std::size_t>(sheet)]) {
        PrintPage(dc, step, drawRect, printFont);
    }
}

void ListPrintJob::PrintPage(CDC* dc, const PrintStep& step, const CRect& drawRect, ListFont& printFont) {
    const int lineWidth = drawer_.LineWidth();
    const PrintLayout layout =
        ComputePrintLayout(dc->GetDeviceCaps(LOGPIXELSX), dc->GetDeviceCaps(LOGPIXELSY), drawRect.Width(),
                           drawRect.Height(), documentType_, twoPerSheet_, lineWidth);
    printFont.height = layout.cellHeight;
    CFont font;
    const LOGFONT logFont = ToLogFont(printFont);
    font.CreateFontIndirect(&logFont);
    CFont* oldFont = dc->SelectObject(&font);
    TEXTMETRIC metrics;
    dc->GetTextMetrics(&metrics);
    const int screenTextHeight = drawer_.TextHeight();
    const int textHeight = std::max<int>(1, metrics.tmHeight);
    drawer_.SetTextHeight(textHeight);
    drawer_.SetColumnAdvances(layout.cellWidth);

    const int x = drawRect.left + layout.leftEdge;
    int y = drawRect.top + layout.marginY;
    if (step.lowerHalf) {
        y = drawRect.top + textHeight * 57 + layout.marginY;
        drawer_.DrawRow(dc, x, y, std::string(static_cast<std::size_t>(lineWidth), '-'));
        y += textHeight;
    }
    drawer_.DrawRow(dc, x, y, PageHeaderRow(step.page, lineWidth));
    y += textHeight;
    drawer_.DrawPage(dc, step.page - 1, 0, kAllRows, x, y, 0, false);

    dc->SelectObject(oldFont);
    drawer_.SetTextHeight(screenTextHeight);
}

} // namespace wenux
