#include "list_viewer/core/DrawPlan.h"

#include <algorithm>

namespace wenux {

namespace {

bool IsLeadByte(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

int PageHolding(const CLineIndex& index, int fromPage, int line) {
    for (int p = std::max(fromPage, 0); p < index.PageCount(); ++p) {
        if (index.Page(p).firstLine <= line && line <= index.Page(p).lastLine) {
            return p;
        }
    }
    return -1;
}

CString CutAtCharacter(const CString& text, int limit) {
    int length = 0;
    while (length < text.GetLength()) {
        const int step = IsLeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    return text.Left(length);
}

} // namespace

DrawPlan PlanDrawPage(const CLineIndex& index, int page, int firstRow, int rowCount, int topLine,
                      bool screen) {
    DrawPlan plan;
    const PageRecord& record = index.Page(page);
    const bool lastPage = page == index.PageCount() - 1;
    const int first = record.firstLine + firstRow;
    int end = record.lastLine + 1;
    if (rowCount != kAllRows) {
        end = record.firstLine + rowCount + 1;
        if (lastPage) {
            end = std::min(end, record.lastLine + 1);
        }
    }
    if (!screen) {
        end = std::min(end, record.lastLine + 1);
        for (int line = first; line < end; ++line) {
            plan.rows.push_back({line, -1});
        }
        return plan;
    }
    if (first == end && lastPage) {
        plan.markOnlyPage = page;
        return plan;
    }
    int current = PageHolding(index, first < topLine ? page - 2 : page, first);
    if (current < 0) {
        return plan;
    }
    for (int line = first; line < end; ++line) {
        PlannedRow row{line, -1};
        if (line == index.Page(current).lastLine) {
            if (current + 1 >= index.PageCount()) {
                plan.rows.push_back(row);
                break;
            }
            ++current;
        }
        if (line == index.Page(current).firstLine) {
            row.pageMark = current;
        }
        plan.rows.push_back(row);
    }
    return plan;
}

DrawRange ComputeDrawRange(int clipTop, int clipBottom, int scrollY, int topLine, int pageFirstLine,
                           int textHeight) {
    DrawRange range;
    range.y0 = scrollY - (topLine - pageFirstLine) * textHeight;
    range.firstRow = clipTop > range.y0 ? std::max(0, (clipTop - range.y0) / textHeight - 1) : 0;
    range.rowCount = (clipBottom - std::min(clipTop, range.y0)) / textHeight + 1;
    return range;
}

CString FormatPageText(int currentPage, int pageCount, const CString& listPath) {
    CString text;
    text.Format(u8" ﾍﾟｰｼﾞ %d(%d)  ﾌｧｲﾙ %s", currentPage + 1, pageCount, listPath.GetString());
    return CutAtCharacter(text, 78);
}

CString FormatPageStatus(long page) {
    CString text;
    text.Format("PAGE=%6ld", page);
    return text;
}

CString FormatLineStatus(long line) {
    CString text;
    text.Format("LINE=%6ld", line);
    return text;
}

CString FormatFrameTitle(const CString& prefix, const CString& path) {
    return prefix + path;
}

} // namespace wenux
