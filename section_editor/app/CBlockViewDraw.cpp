// The section view's drawing: ground lines, point marks of the five kinds, numbers or names,
// the selection, and the band of a tool in progress laid over it.

#include "section_editor/app/CBlockView.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CDC.h"
#include "section_editor/core/CBlockDoc.h"

#include <climits>
#include <vector>

namespace merdok {

namespace {

// Names longer than this are shown cut, on a character boundary.
constexpr std::size_t kLabelBytes = 15;

CRect GrownClipBox(CDC* dc) {
    CRect box;
    dc->GetClipBox(&box);
    box.left -= 1;
    box.top -= 1;
    box.right += 1;
    box.bottom += 1;
    return box;
}

bool Inside(const CRect& box, CPoint point) {
    return !section::Viewport::IsUnsetPoint(point) && point.x >= box.left && point.x < box.right &&
           point.y >= box.top && point.y < box.bottom;
}

// Either end inside the box or the segment's box over it.
bool Crosses(const CRect& box, CPoint a, CPoint b) {
    if (section::Viewport::IsUnsetPoint(a) || section::Viewport::IsUnsetPoint(b)) {
        return false;
    }
    return std::max(a.x, b.x) >= box.left && std::min(a.x, b.x) < box.right &&
           std::max(a.y, b.y) >= box.top && std::min(a.y, b.y) < box.bottom;
}

CString PointLabel(const CNode& point, int numberType) {
    CString text;
    if (numberType < 1) {
        text.Format("%d", point.GetNumber());
        return text;
    }
    const std::string& bytes = point.GetName().str();
    return CString(bytes.substr(0, platform::Cp932SafeCut(bytes, kLabelBytes)));
}

class PenScope {
public:
    PenScope(CDC* dc, int width, COLORREF color)
        : dc_(dc), pen_(PS_SOLID, width, color), old_(dc->SelectObject(&pen_)) {}
    ~PenScope() { dc_->SelectObject(old_); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC* dc_;
    CPen pen_;
    CPen* old_;
};

int MarkHalfSize(CDC* dc) {
    return static_cast<int>(dc->GetDeviceCaps(LOGPIXELSX) / 25.4 * 1.5);
}

// The logical positions of the ground points by key, each worked out once per drawing: the
// lines look their ends up by key, and most points end two lines. Keys without a point, and
// keys far beyond the number of points, go the model's way.
class GroundPositions {
public:
    GroundPositions(const CBlockDoc& model, const CBlockView& view) : model_(model), view_(view) {
        const int maxKey = model.m_mapNode.MaxKey();
        if (maxKey < 0 || maxKey > 4 * model.m_mapNode.GetCount() + 1024) {
            return;
        }
        positions_.assign(static_cast<std::size_t>(maxKey) + 1, None());
        for (const auto& [key, point] : model.m_mapNode) {
            positions_[static_cast<std::size_t>(key)] = view.WorldToLogical(point->GetX(), point->GetY());
        }
    }

    CPoint At(int key) const {
        if (key >= 0 && static_cast<std::size_t>(key) < positions_.size() &&
            positions_[static_cast<std::size_t>(key)] != None()) {
            return positions_[static_cast<std::size_t>(key)];
        }
        const DPoint p = model_.NodeXY(key);
        return view_.WorldToLogical(p.x, p.y);
    }

private:
    // Marks a key without a worked-out position (were a point ever there, it would only be
    // worked out again).
    static CPoint None() { return CPoint(INT_MAX, INT_MIN); }

    const CBlockDoc& model_;
    const CBlockView& view_;
    std::vector<CPoint> positions_;
};

} // namespace

// Every drawn item prints; "Monochromatic Print" prints it all in black.
section::PrintedStyles CBlockView::PrintStyles() {
    section::PrintedStyles styles;
    styles.numbers = m_display.numbers;
    styles.lines = std::span<section::LineStyle>(&m_display.line, 1);
    styles.points = m_display.points;
    styles.monochrome = ProgramViewSettings().monochromePrint != 0;
    return styles;
}

void CBlockView::OnDraw(CDC* dc) {
    if (!Model()) {
        return;
    }
    const CRect clip = GrownClipBox(dc);
    dc->SetBkMode(TRANSPARENT);
    DrawLines(dc, clip);
    DrawPoints(dc, clip);
    DrawNumbers(dc, clip);
    DrawSelection(dc);
    DrawPendingEdit(dc);
    PaintToolSurface(dc);
}

void CBlockView::DrawLines(CDC* dc, const CRect& clip) {
    CBlockDoc& model = *Model();
    const section::LineStyle& style = m_display.line;
    CPen normal(PS_SOLID, style.width, style.color);
    CPen marked(PS_SOLID, 1, RedColour());
    CPen* old = dc->SelectObject(&normal);
    const GroundPositions positions(model, *this);
    for (const auto& [key, line] : model.m_LineList) {
        const int state = line->GetState();
        if ((state != CLine::kNormal || !style.draw) && state != 4) {
            continue;
        }
        const CPoint la = positions.At(line->GetNode1());
        const CPoint lb = positions.At(line->GetNode2());
        // A line whose ends share a pixel draws nothing (its end pixel is left out); a long
        // model seen whole has many.
        if (la == lb || !Crosses(clip, la, lb)) {
            continue;
        }
        dc->SelectObject(state == 4 ? &marked : &normal);
        dc->MoveTo(la);
        dc->LineTo(lb);
    }
    dc->SelectObject(old);
}

void CBlockView::DrawPoints(CDC* dc, const CRect& clip) {
    CBlockDoc& model = *Model();
    const int half = MarkHalfSize(dc);
    for (int kind = kPointNode; kind < kPointItems; ++kind) {
        const section::PointStyle& style = m_display.points[kind];
        if (!style.draw) {
            continue;
        }
        // The marks are opaque: one drawn again where the one before it was changes nothing,
        // and a long model seen whole puts many points on one pixel.
        CPoint previous(INT_MIN, INT_MIN);
        int previousState = 0;
        const section::PointKind pointKind = section::PointKindAt(kind);
        for (const auto& [key, point] : model.PointMap(pointKind)) {
            if (kind >= kPointUnder && point->GetKind() != pointKind) {
                continue;
            }
            const CPoint at = WorldToLogical(point->GetX(), point->GetY());
            if (!Inside(clip, at) || (at == previous && point->GetState() == previousState)) {
                continue;
            }
            previous = at;
            previousState = point->GetState();
            switch (point->GetState()) {
            case 0:
                if (kind == kPointNode) {
                    DrawPointBoxColor(dc, at, style.color, style.size / 2);
                } else if (kind == kPointSite) {
                    DrawCrossMark(dc, at, style.color, style.size);
                } else {
                    DrawTriangleMark(dc, at, style.color, style.size);
                }
                break;
            case -1:
                FramePointBox(dc, at, SelectColour(), half);
                break;
            case 4:
                DrawPointBoxColor(dc, at, RedColour(), half - 2);
                break;
            default:
                break;
            }
        }
    }
}

void CBlockView::DrawNumbers(CDC* dc, const CRect& clip) {
    CBlockDoc& model = *Model();
    for (int item = kNumberNode; item <= kNumberBound; ++item) {
        const section::NumberStyle& style = m_display.numbers[item];
        if (!style.draw) {
            continue;
        }
        CFont font;
        font.CreateFontIndirect(&style.font);
        CFont* old = dc->SelectObject(&font);
        dc->SetTextColor(style.color);
        CBrush frame(style.color);
        // A text's height is the font's, whatever the text.
        const int height = dc->GetTextExtent(CString("0")).cy;
        for (const auto& [key, point] : model.PointMap(section::PointKindAt(item))) {
            if (point->GetState() < 0 || point->GetState() == 1) {
                continue;
            }
            const CPoint at = WorldToLogical(point->GetX(), point->GetY());
            if (!Inside(clip, at)) {
                continue;
            }
            DrawLabel(dc, at.x + 1, at.y - height, PointLabel(*point, style.numberType),
                      style.outline ? &frame : nullptr);
        }
        dc->SelectObject(old);
    }
    // Line numbers take every setting from their own entry.
    const section::NumberStyle& style = m_display.numbers[kNumberLine];
    if (!style.draw) {
        return;
    }
    CFont font;
    font.CreateFontIndirect(&style.font);
    CFont* old = dc->SelectObject(&font);
    dc->SetTextColor(style.color);
    CBrush frame(style.color);
    for (const auto& [key, line] : model.m_LineList) {
        if (line->GetState() < 0) {
            continue;
        }
        const DPoint a = model.NodeXY(line->GetNode1());
        const DPoint b = model.NodeXY(line->GetNode2());
        const CPoint at = WorldToLogical((a.x + b.x) / 2, (a.y + b.y) / 2);
        if (!Inside(clip, at)) {
            continue;
        }
        CString label;
        label.Format("%d", line->GetNumber());
        const CSize extent = dc->GetTextExtent(label);
        DrawLabel(dc, at.x - extent.cx / 2, at.y - extent.cy / 2, label, style.outline ? &frame : nullptr);
    }
    dc->SelectObject(old);
}

void CBlockView::DrawSelection(CDC* dc) {
    CBlockDoc& model = *Model();
    const int half = MarkHalfSize(dc);
    PenScope pen(dc, 1, SelectColour());
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        CObject* object = Selection().GetNext(pos);
        if (const auto* point = dynamic_cast<const CNode*>(object)) {
            FramePointBox(dc, WorldToLogical(point->GetX(), point->GetY()), SelectColour(), half);
        } else if (const auto* line = dynamic_cast<const CLine*>(object)) {
            const DPoint a = model.NodeXY(line->GetNode1());
            const DPoint b = model.NodeXY(line->GetNode2());
            dc->MoveTo(WorldToLogical(a.x, a.y));
            dc->LineTo(WorldToLogical(b.x, b.y));
        }
    }
}

} // namespace merdok
