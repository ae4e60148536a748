#include "PlotCommandReader.h"

#include "CPlotArrow.h"
#include "CPlotCenterMark.h"
#include "CPlotCircle.h"
#include "CPlotLine.h"
#include "CPlotPolyLine.h"
#include "CPlotPolygon.h"
#include "CPlotRectAngle.h"
#include "PlotDrawing.h"
#include "PlotLines.h"
#include "common/records/TextHelpers.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zapho {

namespace {

int Saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool IsCommandLetter(char letter) {
    constexpr std::uint32_t kLetters = [] {
        std::uint32_t letters = 0;
        for (char ch : std::string_view("ABCDGLMNOPQSTVWY")) {
            letters |= std::uint32_t{1} << (ch - 'A');
        }
        return letters;
    }();
    const unsigned offset = static_cast<unsigned char>(letter) - unsigned{'A'};
    return offset < 26 && (kLetters >> offset & 1) != 0;
}

// Control characters other than the line ends, the tab and the old end-of-file mark.
bool IsForeignByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n' && byte != 0x1A) || byte == 0x7F;
}

// A page is looked at whole before it is read, sixteen bytes at a time where the processor
// can: a test byte by byte cost a fifth of the read.
bool HoldsForeignBytes(std::string_view bytes) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
#if defined(__SSE2__)
    const __m128i lastControl = _mm_set1_epi8(0x1F);
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i endOfFile = _mm_set1_epi8(0x1A);
    const __m128i del = _mm_set1_epi8(0x7F);
    for (; end - at >= 16; at += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, lastControl), v);
        const __m128i allowed =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, lineFeed)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, carriageReturn), _mm_cmpeq_epi8(v, endOfFile)));
        const __m128i foreign = _mm_or_si128(_mm_andnot_si128(allowed, control), _mm_cmpeq_epi8(v, del));
        if (_mm_movemask_epi8(foreign) != 0) {
            return true;
        }
    }
#endif
    for (; at < end; ++at) {
        if (IsForeignByte(static_cast<unsigned char>(*at))) {
            return true;
        }
    }
    return false;
}

} // namespace

PlotCommandReader::PlotCommandReader(PlotDrawing& drawing, int page) : drawing_(drawing), page_(page) {}

PlotPageSummary PlotCommandReader::ReadPage(std::string_view bytes) {
    PlotPageSummary summary;
    summary.foreignBytes = HoldsForeignBytes(bytes);
    // Room for the page's items at once (most lines make one): a list grown by doubling
    // copies itself into fresh memory again and again, each page of it a fault.
    const auto lineCount = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    PlotItemList& items = drawing_.Page(page_).m_items;
    items.reserve(items.size() + std::min(lineCount, PlotDrawing::kPrimaryListLimit - items.size()));
    PlotLines lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        switch (Execute(line, &lines)) {
        case LineKind::kCommand:
            ++summary.commands;
            break;
        case LineKind::kIgnored:
            ++summary.ignored;
            break;
        case LineKind::kBlank:
            break;
        }
    }
    return summary;
}

void PlotCommandReader::AddItem(CPlotData* item) {
    drawing_.AddPlotItem(std::unique_ptr<CPlotData>(item), page_, color_, group_);
}

PlotCommandReader::LineKind PlotCommandReader::Execute(std::string_view line, PlotLines* lines) {
    std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return LineKind::kBlank;
    }
    const char letter = line[start];
    if (!IsCommandLetter(letter)) {
        return LineKind::kIgnored;
    }
    const std::string_view arguments = line.substr(start + 1);
    if (letter == 'P' || letter == 'W') {
        Text(arguments, letter == 'W');
        return LineKind::kCommand;
    }
    if (letter == 'Q') {
        Escapement(arguments);
        return HoldsOnlyNumbers(arguments) ? LineKind::kCommand : LineKind::kIgnored;
    }
    int numbers = 0;
    bool onlyNumbers = false;
    const int pairs = ParsePlotNumbers(arguments, x_, y_, &numbers, &onlyNumbers);
    const LineKind kind = onlyNumbers ? LineKind::kCommand : LineKind::kIgnored;
    switch (letter) {
    case 'A':
        Arrow(pairs);
        break;
    case 'B':
        Rectangle(pairs);
        break;
    case 'C':
        Circle(pairs);
        break;
    case 'D':
        Draw(pairs, true);
        break;
    case 'G':
        Group(pairs, numbers);
        break;
    case 'L':
        Line(pairs);
        break;
    case 'M':
        polylineState_ = polylineState_ == 1 ? 2 : polylineState_ == 2 ? 0 : polylineState_;
        Draw(pairs, false);
        break;
    case 'N':
        CenterMark(pairs);
        break;
    case 'O':
        OpenPolyline(pairs, numbers);
        break;
    case 'S':
        TextStyle(pairs, numbers);
        break;
    case 'T':
        Pen(numbers);
        break;
    case 'V':
        Color(pairs, numbers);
        break;
    case 'Y':
        Polygon(pairs, lines);
        break;
    default:
        break;
    }
    if (polylineState_ == 2 &&
        (letter == 'A' || letter == 'B' || letter == 'C' || letter == 'L' || letter == 'N')) {
        polylineState_ = 0;
    }
    return kind;
}

void PlotCommandReader::Arrow(int pairs) {
    if (pairs < 3) {
        return;
    }
    AddItem(
        new CPlotArrow(CPoint(x_[0], y_[0]), CPoint(x_[1], y_[1]), width_, lineType_, x_[2], y_[2], x_[3]));
}

void PlotCommandReader::Rectangle(int pairs) {
    if (pairs < 2) {
        return;
    }
    AddItem(new CPlotRectAngle(CPoint(x_[0], y_[1]), CPoint(x_[1], y_[0]), lineType_, width_, x_[2]));
}

void PlotCommandReader::Circle(int pairs) {
    auto* circle = new CPlotCircle(CPoint(x_[0], y_[0]), x_[1], lineType_, width_);
    if (pairs >= 2) {
        const long long cx = x_[0];
        const long long cy = y_[0];
        CPoint first(Saturate(cx + y_[2]), Saturate(cy - x_[3]));
        CPoint second(Saturate(cx + y_[3]), Saturate(cy - x_[4]));
        const bool forward = x_[2] >= y_[1];
        circle->m_arcStart = forward ? first : second;
        circle->m_arcEnd = forward ? second : first;
    }
    AddItem(circle);
}

void PlotCommandReader::Draw(int pairs, bool drawLines) {
    for (int i = 0; i < pairs; ++i) {
        CPoint point(x_[i], y_[i]);
        if (polylineState_ != 0 && polyline_) {
            polyline_->m_points.push_back(point);
        } else if (drawLines) {
            AddItem(new CPlotLine(CPoint(currentX_, currentY_), point, lineType_, width_));
        }
        currentX_ = point.x;
        currentY_ = point.y;
    }
}

void PlotCommandReader::Group(int pairs, int numbers) {
    if (pairs == 0 && numbers == 1) {
        group_ = x_[0];
    }
}

void PlotCommandReader::Line(int pairs) {
    if (pairs >= 2) {
        AddItem(new CPlotLine(CPoint(x_[0], y_[0]), CPoint(x_[1], y_[1]), lineType_, width_));
    }
}

void PlotCommandReader::CenterMark(int pairs) {
    if (pairs < 2) {
        return;
    }
    if (x_[2] != 0 && x_[2] != 1) {
        x_[2] = 1;
    }
    AddItem(new CPlotCenterMark(CPoint(x_[0], y_[0]), x_[1], y_[1], x_[2], width_));
}

void PlotCommandReader::OpenPolyline(int pairs, int numbers) {
    if (pairs != 0 || numbers != 1) {
        return;
    }
    if (x_[0] < 2) {
        auto polyline = std::make_unique<CPlotPolyLine>(lineType_, width_);
        polyline_ =
            static_cast<CPlotPolyLine*>(drawing_.AddPlotItem(std::move(polyline), page_, color_, group_));
        polylineState_ = 1;
    } else {
        polylineState_ = 0;
    }
}

void PlotCommandReader::Text(std::string_view text, bool opaque) {
    const int font = drawing_.GetNewFontIndex(textHeight_, 0, escapement_, spacing_);
    CString value{std::string(text)};
    if (textKind_ == 2) {
        CString wide;
        ToFullWidth(value, wide);
        value = wide;
    }
    value = CutToWidth(value, CPlotString::kMaxTextBytes);
    auto item = std::make_unique<CPlotString>(currentX_, currentY_, value, font, opaque ? 1 : 0);
    item->m_nAlign = align_;
    item->m_nEscapement = escapement_;
    item->m_nColor = color_;
    item->m_nGroup = group_;
    drawing_.Page(page_).m_texts.push_back(std::move(item));
}

void PlotCommandReader::Escapement(std::string_view text) {
    static const int kEscapements[] = {0, 2700, 1800, 900};
    std::size_t start = text.find_first_not_of(" \t");
    const int turn = start == std::string_view::npos ? 0 : SaturatedInt(text.substr(start));
    escapement_ = turn >= 0 && turn <= 3 ? kEscapements[turn] : 0;
}

void PlotCommandReader::TextStyle(int pairs, int numbers) {
    if (numbers == 0) {
        return;
    }
    textHeight_ = x_[0];
    if (pairs >= 1) {
        textKind_ = y_[0];
        spacing_ = x_[1];
        align_ = y_[1];
        if (spacing_ < 0) {
            spacing_ = Saturate(static_cast<long long>(textHeight_) / -static_cast<long long>(spacing_));
        }
    }
}

void PlotCommandReader::Pen(int numbers) {
    if (numbers == 0) {
        return;
    }
    const long long type = x_[0] < 0 ? -static_cast<long long>(x_[0]) : x_[0];
    if (type <= 4) {
        lineType_ = static_cast<int>(type);
    }
    // The widest pen of the analysis program is written as 5.
    static const int kWidths[] = {0, 1, 3, 5, 7};
    const int width = y_[0];
    if (width >= 0) {
        width_ = kWidths[std::min(width, 4)];
    } else if (width == -1) {
        width_ = platform::kUnsetInt;
    }
}

void PlotCommandReader::Color(int pairs, int numbers) {
    if (numbers == 0) {
        return;
    }
    const int number = x_[0];
    if (pairs == 0) {
        if (number >= 0 && number <= 15) {
            color_ = number;
        } else {
            fillColor_ = Saturate(static_cast<long long>(number) - 16);
        }
        return;
    }
    if (number > 15) {
        const WORD key = static_cast<WORD>(number - 16);
        drawing_.m_userColors[key] = RGB(y_[0] & 0xFF, x_[1] & 0xFF, y_[1] & 0xFF);
    }
}

void PlotCommandReader::Polygon(int pairs, PlotLines* lines) {
    std::vector<CPoint> points;
    int fill = 0;
    if (pairs == 3 || pairs == 4) {
        for (int i = 0; i < pairs; ++i) {
            points.emplace_back(x_[i], y_[i]);
        }
        fill = x_[pairs];
    } else if (pairs == 1) {
        const int count = x_[0];
        fill = y_[0];
        std::string_view line;
        for (int i = 0; i < count && lines && lines->Next(line); ++i) {
            int px[kPlotArgumentPairs] = {};
            int py[kPlotArgumentPairs] = {};
            if (ParsePlotNumbers(line, px, py) >= 1) {
                points.emplace_back(px[0], py[0]);
            }
        }
    } else {
        return;
    }
    if (points.size() < 3) {
        return;
    }
    AddItem(new CPlotPolygon(points.data(), static_cast<int>(points.size()), lineType_, width_,
                             fill != 0 ? fillColor_ : kNoFill));
}

} // namespace zapho
