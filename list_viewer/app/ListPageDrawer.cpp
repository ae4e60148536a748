#include "list_viewer/app/ListPageDrawer.h"

#include "list_viewer/core/PageRows.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPen.h"

#include <algorithm>
#include <vector>

namespace wenux {

void ListPageDrawer::SetColumnAdvances(int advance) {
    advances_.fill(advance);
}

void ListPageDrawer::DrawPage(CDC* dc, int page, int firstRow, int rowCount, int x, int y, int topLine,
                              bool screen) {
    if (page < 0 || page >= index_.PageCount()) {
        return;
    }
    const DrawPlan plan = PlanDrawPage(index_, page, firstRow, rowCount, topLine, screen);
    if (plan.markOnlyPage >= 0) {
        DrawPageMark(dc, plan.markOnlyPage, x, y + firstRow * textHeight_);
        return;
    }
    if (plan.rows.empty()) {
        return;
    }
    y += firstRow * textHeight_;
    std::vector<std::string> rows;
    const int count = static_cast<int>(plan.rows.size());
    if (!ReadRows(index_, ScannerLine(plan.rows.front().line, documentType_), count, rows)) {
        return;
    }
    for (int r = 0; r < count; ++r) {
        DrawRow(dc, x, y, rows[static_cast<std::size_t>(r)]);
        if (plan.rows[static_cast<std::size_t>(r)].pageMark >= 0) {
            DrawPageMark(dc, plan.rows[static_cast<std::size_t>(r)].pageMark, x, y);
        }
        y += textHeight_;
    }
}

void ListPageDrawer::DrawRow(CDC* dc, int x, int y, const std::string& text) {
    // A row has advances for 132 cells; a longer row (up to 139 bytes) is cut there, never
    // inside a double-byte character.
    const std::size_t length = platform::Cp932SafeCut(text, kColumnCount);
    int width = 0;
    for (std::size_t i = 0; i < length; ++i) {
        width += advances_[i];
    }
    const CRect cells(x, y, x + width + 1, y + textHeight_ + 1);
    dc->ExtTextOut(x, y, ETO_OPAQUE, &cells, CString(text.substr(0, length)), advances_.data());
}

void ListPageDrawer::DrawPageMark(CDC* dc, int page, int x, int y) {
    const int right = x + lineWidth_ * advances_[0] + 1;
    CPen rule(PS_SOLID, 1, RGB(192, 192, 192));
    CPen* oldPen = dc->SelectObject(&rule);
    dc->MoveTo(x, y - 1);
    dc->LineTo(right, y - 1);
    dc->SelectObject(oldPen);
    if (page < index_.PageCount()) {
        CString label;
        label.Format("P.%d", page + 1);
        dc->TextOut(right, y, label);
    }
}

} // namespace wenux
