#include "analysis/core/PlotSheetWriter.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"

#include "common/records/CTextFile.h"
#include "common/records/StandardColors.h"
#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

using section::PointKind;

namespace torvan {

namespace {

// The bytes of a file, or nothing when it cannot be read (or is not there).
std::optional<std::string> ReadWholeFile(const char* path) {
    return platform::ReadRegularFile(path);
}

// A file replaced too early gets its old bytes back (or goes, when there was none).
void PutBack(const char* path, const std::optional<std::string>& bytes) {
    if (bytes) {
        platform::WriteFileSafely(path, *bytes);
    } else {
        ::unlink(CFile::OsPath(path).c_str());
    }
}

constexpr int kPaperSizes[10][2] = {{2500, 3540}, {3540, 2500}, {1820, 2570}, {2570, 1820}, {2970, 4200},
                                    {4200, 2970}, {2100, 2970}, {2970, 2100}, {1480, 2100}, {2100, 1480}};

double OrDefault(double value, double fallback) {
    return platform::IsUnsetDouble(value) ? fallback : value;
}

// The drawing viewer's number of a colour; a colour outside its table is drawn in the
// nearest standard one.
int PlotColorIndex(COLORREF color) {
    const int exact = FindStandardColor(color, StandardColorOrder::Plot);
    if (exact >= 0) {
        return exact;
    }
    int best = 0;
    long long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const COLORREF candidate = GetStandardColor(i, nullptr, StandardColorOrder::Plot);
        const long long dr = GetRValue(candidate) - GetRValue(color);
        const long long dg = GetGValue(candidate) - GetGValue(color);
        const long long db = GetBValue(candidate) - GetBValue(color);
        const long long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void WriteFormatted(CTextFile& file, const char* format, int a, int b = 0, int c = 0, int d = 0) {
    CString line;
    line.Format(format, a, b, c, d);
    file.WriteLine(line);
}

void SelectColor(CTextFile& file, COLORREF color) {
    WriteFormatted(file, "V%d", PlotColorIndex(color));
}

void SelectPen(CTextFile& file, int widthCode) {
    WriteFormatted(file, "T0,%d", widthCode);
}

DPoint Along(const DPoint& from, double length, double c, double s) {
    return DPoint{from.x + length * c, from.y + length * s};
}

// An advisory lock on an existing plot index, held while the files are written: the drawing
// viewer holds it while it reads the index and its page file.
class IndexLock {
public:
    explicit IndexLock(const char* path) : fd_(platform::OpenRegularFile(path, O_RDONLY)) {}
    ~IndexLock() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    IndexLock(const IndexLock&) = delete;
    IndexLock& operator=(const IndexLock&) = delete;
    // False when another process holds the index.
    bool Take() { return fd_ < 0 || flock(fd_, LOCK_EX | LOCK_NB) == 0; }

private:
    int fd_;
};

bool DrawsMarksOf(const PlotStyle& style, PointKind kind) {
    const PlotStyle::Point* marks = style.PointsOf(kind);
    return marks && marks->draw;
}

} // namespace

int PlotSheetWriter::PlotUnits(double millimetres) {
    return static_cast<int>(std::trunc(millimetres * 10.0 + 0.5)); // the files' rounding, toward zero
}

void PlotSheetWriter::PlotMove(CTextFile& file, double x, double y) {
    WriteFormatted(file, "M%d,%d", PlotUnits(x), PlotUnits(y));
}

void PlotSheetWriter::PlotDraw(CTextFile& file, double x, double y) {
    WriteFormatted(file, "D%d,%d", PlotUnits(x), PlotUnits(y));
}

void PlotSheetWriter::PlotTextAngle(CTextFile& file, double angle) {
    while (angle < 0) {
        angle += 360.0;
    }
    WriteFormatted(file, "Q%d", static_cast<int>(std::trunc(angle / 90.0 + 0.5)) % 4);
}

void PlotSheetWriter::PlotText(CTextFile& file, double x, double y, double height, double angle, int kind,
                               const CString& text) {
    WriteFormatted(file, "S%d,0,0,%d", PlotUnits(height), kind);
    PlotTextAngle(file, angle);
    PlotMove(file, x, y);
    file.WriteLine(CString("P") + text);
}

void PlotSheetWriter::PlotMarker(CTextFile& file, double x, double y, double size, int kind) {
    WriteFormatted(file, "N%d,%d,%d,%d,0", PlotUnits(x), PlotUnits(y), PlotUnits(size), kind);
}

DPoint PlotSheetWriter::PlotArrow(CTextFile& file, const DPoint& origin, double textHeight, int direction) {
    const DPoint along = direction == 0 ? DPoint{1, 0} : DPoint{0, 1};
    const DPoint across = direction == 0 ? DPoint{0, 1} : DPoint{-1, 0};
    const DPoint a{origin.x + textHeight / 2 * across.x, origin.y + textHeight / 2 * across.y};
    const DPoint b = Along(a, 10.0, along.x, along.y);
    PlotMove(file, a.x - across.x, a.y - across.y);
    PlotDraw(file, a.x + across.x, a.y + across.y);
    CString arrow;
    arrow.Format("A%d,%d,%d,%d,25,10,24", PlotUnits(a.x), PlotUnits(a.y), PlotUnits(b.x), PlotUnits(b.y));
    file.WriteLine(arrow);
    PlotMove(file, b.x - across.x, b.y - across.y);
    PlotDraw(file, b.x + across.x, b.y + across.y);
    return Along(origin, textHeight / 2 + 10.0, along.x, along.y);
}

void PlotSheetWriter::ChooseTickStep(double paperLength, double modelLength, double& paperStep, double& step,
                                     int& labelInterval) {
    const double q = modelLength / (paperLength / 5.0);
    double factor = 1.0;
    double scaled = q;
    for (int n = 1; n <= 10 && !(scaled > 1.0 && scaled <= 10.0); ++n) {
        factor = std::pow(10.0, q < 5.0 ? n : -n);
        scaled = q * factor;
    }
    const double candidates[] = {1.0, 2.0, 2.5, 5.0, 10.0};
    double nearest = candidates[0];
    for (double candidate : candidates) {
        if (std::fabs(candidate - scaled) < std::fabs(nearest - scaled)) {
            nearest = candidate;
        }
    }
    step = nearest / factor;
    paperStep = paperLength / (modelLength / step);
    const int ticks = static_cast<int>(modelLength / step);
    labelInterval = 10;
    if (ticks / 10 < 3) {
        labelInterval = 5;
        if (ticks / 5 < 3) {
            labelInterval = 2;
        }
    }
}

DPoint PlotSheetWriter::PlotAxis(CTextFile& file, const DPoint& origin, double paperLength,
                                 double modelLength, double start, double angle, int side, int& exponent) {
    const double c = std::cos(angle / 57.2958);
    const double s = std::sin(angle / 57.2958);
    double paperStep, step;
    int interval;
    ChooseTickStep(paperLength, modelLength, paperStep, step, interval);
    exponent = 0;
    double v = interval * std::fabs(step);
    if (v != 0) {
        while (v >= 99) {
            v /= 10;
            ++exponent;
        }
        while (v < 0.1) {
            v *= 10;
            --exponent;
        }
    }
    const double unit = step * std::pow(10.0, -exponent);
    const bool decimals = interval * unit != std::trunc(interval * unit);
    PlotMove(file, origin.x, origin.y);
    int first = static_cast<int>(start / step);
    const double rest = std::fabs(start - first * step);
    double offset = 0;
    if (rest >= 0.000005) {
        if (start > 0) {
            ++first;
            offset = (step - rest) / step * paperStep;
        } else {
            offset = rest / step * paperStep;
        }
    }
    const int count = static_cast<int>((paperLength - offset) / paperStep + 1.5);
    const DPoint across{-s * side, c * side};
    DPoint tick = Along(origin, offset, c, s);
    DPoint note = origin;
    for (int i = 0; i < count; ++i) {
        const int j = first + i;
        PlotDraw(file, tick.x, tick.y);
        if (j % interval == 0) {
            PlotDraw(file, tick.x + 1.7 * across.x, tick.y + 1.7 * across.y);
            CString label;
            if (decimals) {
                label.Format("%.1f", j * unit);
            } else {
                label.Format("%d", static_cast<int>(j * unit));
            }
            PlotText(file, tick.x + 2 * across.x, tick.y + 2 * across.y, 2.6, angle, side > 0 ? 14 : 6,
                     label);
            const double away = 6.9 - 1.2 * side;
            note = DPoint{tick.x - 2.6 * c + away * across.x, tick.y - 2.6 * s + away * across.y};
        } else {
            PlotDraw(file, tick.x + 1.2 * across.x, tick.y + 1.2 * across.y);
        }
        PlotMove(file, tick.x, tick.y);
        tick = Along(tick, paperStep, c, s);
    }
    return note;
}

void PlotSheetWriter::PlotAxisNote(CTextFile& file, DPoint at, double angle, int exponent) {
    const double c = std::cos(angle / 57.2958);
    const double s = std::sin(angle / 57.2958);
    if (exponent != 0) {
        PlotText(file, at.x, at.y, 2.6, angle, 8, "*10");
        at = Along(at, 2.6 * 1.6, c, s);
        CString power;
        power.Format("%d", exponent);
        PlotText(file, at.x - s * 1.04, at.y + c * 1.04, 2.6 * 0.74, angle, 8, power);
        at = Along(at, power.GetLength() * 2.6 * 0.74 * 0.5, c, s);
    }
    PlotText(file, at.x, at.y, 2.6, angle, 8, " (m)");
}

void PlotSheetWriter::PlotAxes(CTextFile& file, const DPoint& yOrigin, const DPoint& xOrigin,
                               double scale) const {
    const ModelExtents& e = model_.Extents();
    int exponent = 0;
    DPoint note = PlotAxis(file, yOrigin, (e.m_dMaxY - e.m_dMinY) / scale, e.m_dMaxY - e.m_dMinY, e.m_dMinY,
                           90.0, 1, exponent);
    PlotAxisNote(file, note, 90.0, exponent);
    note = PlotAxis(file, xOrigin, (e.m_dMaxX - e.m_dMinX) / scale, e.m_dMaxX - e.m_dMinX, e.m_dMinX, 0.0, -1,
                    exponent);
    PlotAxisNote(file, note, 0.0, exponent);
}

// Ground-surface points joined by a line of the model belong to one run.
void PlotSheetWriter::PlotGroundLine(CTextFile& file, const PlotSheet& sheet) const {
    std::set<std::pair<int, int>> joined;
    for (auto [key, line] : platform::MapEntries<const CLine>(model_.GroundLines())) {
        joined.emplace(line->node1, line->node2);
        joined.emplace(line->node2, line->node1);
    }
    file.WriteLine("O1");
    const CNode* previous = nullptr;
    for (POSITION pos = model_.GroundOrder().GetHeadPosition(); pos;) {
        const auto* point = static_cast<const CNode*>(model_.GroundOrder().GetNext(pos));
        const DPoint at = sheet.Map(point->x, point->y);
        if (!previous) {
            PlotMove(file, at.x, at.y);
        } else if (joined.count({previous->number - 1, point->number - 1})) {
            PlotDraw(file, at.x, at.y);
        } else {
            file.WriteLine("O2");
            file.WriteLine("O1");
            PlotMove(file, at.x, at.y);
        }
        previous = point;
    }
    file.WriteLine("O2");
}

void PlotSheetWriter::PlotSlipLines(CTextFile& file, const PlotSheet& sheet, int item) const {
    SelectPen(file, style_.lines[item].width + 1);
    for (POSITION pos = model_.SlipLines().GetHeadPosition(); pos;) {
        const auto* line = static_cast<const CVerrant*>(model_.SlipLines().GetNext(pos));
        const bool wanted = item == 1 ? line->visible1 && !line->visible2
                                      : line->state != 2 && line->visible1 && line->visible2;
        if (!wanted) {
            continue;
        }
        SelectColor(file, style_.lines[item].color);
        const DPoint label = line->Plot(file, sheet.scale, sheet.margin, sheet.origin);
        if (style_.numberDraw[4] && !platform::IsUnsetDouble(label.x)) {
            CString number;
            number.Format("%d", line->number);
            PlotText(file, label.x / 2, label.y / 2 - 2.5, 2.5, 0, 8, number);
        }
        for (const CNode* point : line->boundary) {
            if (!point || !point->inUse || !DrawsMarksOf(style_, point->kind)) {
                continue;
            }
            PlotPointMark(file, sheet, *point, 9);
        }
    }
}

void PlotSheetWriter::PlotLegends(CTextFile& file, const PlotSheet& sheet) const {
    const SheetParameters& plot = model_.Sheet();
    const double legendX = sheet.width - OrDefault(plot.m_dLegendPosX, 15.0);
    DPoint at{legendX, OrDefault(plot.m_dLegendPosY, sheet.margin.y)};
    CString text;
    if (!platform::IsUnsetDouble(plot.m_dModelScale)) {
        text.Format(u8"縮尺：1/%.1f", plot.m_dModelScale);
        PlotText(file, at.x, at.y, 2.5, 90, 8, text);
    } else {
        PlotText(file, at.x, at.y, 2.5, 90, 8, CString(u8"縮尺："));
        at.y += 7.5;
        at = PlotArrow(file, at, 2.5, 90);
        text.Format("%.3f (m)", sheet.scale);
        PlotText(file, at.x, at.y, 2.5, 90, 8, text);
    }
    if (!style_.PointsOf(PointKind::kMeasurement)->draw) {
        return;
    }
    at = DPoint{legendX - 5.0, sheet.margin.y};
    PlotText(file, at.x, at.y, 2.5, 90, 8, CString(u8"変位スケール："));
    at.y += 17.5;
    at = PlotArrow(file, at, 2.5, 90);
    text.Format("%.1f (mm)", OrDefault(plot.m_dDispScale, model_.Extents().m_dMaxDisp * 1000.0));
    PlotText(file, at.x, at.y, 2.5, 90, 8, text);
}

void PlotSheetWriter::PlotPointMark(CTextFile& file, const PlotSheet& sheet, const CNode& point,
                                    int shape) const {
    const PlotStyle::Point& marks = *style_.PointsOf(point.kind);
    SelectColor(file, marks.color);
    const DPoint at = sheet.Map(point.x, point.y);
    const double size = marks.size / 2.0;
    PlotMarker(file, at.x, at.y, size == 0 ? 1.0 : size, shape);
}

void PlotSheetWriter::PlotPoints(CTextFile& file, const PlotSheet& sheet) const {
    const PlotStyle::Point& ground = *style_.PointsOf(PointKind::kGround);
    const double groundSize = (ground.size - 3) / 2.0;
    if (ground.draw && groundSize > 0) {
        SelectColor(file, ground.color);
        for (POSITION pos = model_.GroundOrder().GetHeadPosition(); pos;) {
            const auto* point = static_cast<const CNode*>(model_.GroundOrder().GetNext(pos));
            const DPoint at = sheet.Map(point->x, point->y);
            PlotMarker(file, at.x, at.y, groundSize, 3);
        }
    }
    for (auto [key, point] : platform::MapEntries<const CNode>(model_.BoundaryPoints())) {
        if (point->state != 0 || point->inUse != 0 || point->slipMark < 3 ||
            !DrawsMarksOf(style_, point->kind)) {
            continue;
        }
        PlotPointMark(file, sheet, *point, 8);
    }
}

void PlotSheetWriter::PlotVectors(CTextFile& file, const PlotSheet& sheet) const {
    const PlotStyle::Point& measurement = *style_.PointsOf(PointKind::kMeasurement);
    if (!measurement.draw) {
        return;
    }
    SelectColor(file, measurement.color);
    SelectPen(file, style_.lines[3].width + 1);
    const double vectorScale = platform::IsUnsetDouble(model_.Sheet().m_dDispScale)
                                   ? model_.Extents().m_dMaxDisp
                                   : model_.Sheet().m_dDispScale / 1000.0;
    for (auto [key, record] : platform::MapEntries<const CDispData>(model_.Displacements())) {
        if (record->inUse) {
            record->PlotVector(file, sheet.scale, sheet.margin, sheet.origin, vectorScale, style_.vectorMode);
        }
        if (style_.numberDraw[1]) {
            const DPoint at = sheet.Map(record->baseX, record->baseY);
            PlotText(file, at.x, at.y, 2.5, 0, 10, record->name);
        }
    }
}

PlotSheetWriter::PlotSheet PlotSheetWriter::ComputePlotSheet() const {
    const SheetParameters& plot = model_.Sheet();
    PlotSheet sheet;
    const int paper = Paper();
    sheet.width = kPaperSizes[paper][0] / 10.0;
    sheet.height = kPaperSizes[paper][1] / 10.0;
    const ModelExtents& e = model_.Extents();
    const double dx = e.m_dMaxX - e.m_dMinX;
    const double dy = e.m_dMaxY - e.m_dMinY;
    double mx = OrDefault(plot.m_dModelPosX, 30.0);
    double my = OrDefault(plot.m_dModelPosY, 30.0);
    if (!platform::IsUnsetDouble(plot.m_dModelScale)) {
        sheet.scale = plot.m_dModelScale / 1000.0;
    } else {
        sheet.scale = std::max(dx / (sheet.width - 2 * mx), dy / (sheet.height - 2 * my - 40));
    }
    if (plot.m_nCenterX) {
        mx = (sheet.width - dx / sheet.scale) / 2;
    }
    if (plot.m_nCenterY) {
        my = (sheet.height - dy / sheet.scale) / 2;
    }
    sheet.margin = DPoint{mx, my};
    sheet.origin = DPoint{e.m_dMinX, e.m_dMinY};
    return sheet;
}

int PlotSheetWriter::Paper() const {
    const int paper = model_.Sheet().m_nPaper;
    return paper >= 0 && paper < 10 ? paper : 6;
}

void PlotSheetWriter::WritePlotPage(CTextFile& file) const {
    const SheetParameters& plot = model_.Sheet();
    const PlotSheet sheet = ComputePlotSheet();
    const int paper = Paper();
    SelectColor(file, style_.lines[0].color);
    SelectPen(file, 2);
    WriteFormatted(file, "B0,0,%d,%d", kPaperSizes[paper][0], kPaperSizes[paper][1]);
    file.WriteLine("S45,0,0,8");
    if (!plot.m_strTitle1.IsEmpty()) {
        PlotText(file, 40, sheet.height - 20, 4.5, 0, 8, plot.m_strTitle1);
    }
    if (!plot.m_strTitle2.IsEmpty()) {
        PlotText(file, 40, sheet.height - 30, 4.5, 0, 8, plot.m_strTitle2);
    }
    PlotLegends(file, sheet);
    SelectPen(file, 1);
    PlotAxes(file, DPoint{sheet.margin.x - OrDefault(plot.m_dAxisDistance2, 10.0), sheet.margin.y},
             DPoint{sheet.margin.x, sheet.margin.y - OrDefault(plot.m_dAxisDistance1, 10.0)}, sheet.scale);
    SelectPen(file, style_.lines[0].width + 1);
    PlotGroundLine(file, sheet);
    PlotPoints(file, sheet);
    PlotVectors(file, sheet);
    for (int item : {1, 2}) {
        if (style_.lines[item].draw && !model_.SlipLines().IsEmpty()) {
            PlotSlipLines(file, sheet, item);
        }
    }
}

int PlotSheetWriter::Write(CString& outputPath, bool* declined) const {
    if (declined) {
        *declined = false;
    }
    const CString base = model_.Directory() + model_.Title();
    const CString indexPath = base + ".p00";
    if (!SheetHoldsSection()) {
        CString question;
        question.Format(u8"断面が選択した用紙に収まりません(縮尺 "
                        u8"1/%.0lf)。\n用紙の外に出る部分は作図されません。このまま作図しますか？",
                        ComputePlotSheet().scale * 1000.0);
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            if (declined) {
                *declined = true;
            }
            return 0;
        }
    }
    IndexLock lock(indexPath);
    if (!lock.Take()) {
        CFileException held;
        held.m_cause = CFileException::sharingViolation;
        ReportOpenError(held, indexPath);
        return 0;
    }
    if (!WriteFiles(indexPath, base + ".p01")) {
        return 0;
    }
    outputPath = indexPath;
    return 1;
}

// Both files are written to temporaries and replace the old ones only when both are whole.
int PlotSheetWriter::WriteFiles(const CString& indexPath, const CString& pagePath) const {
    try {
        platform::SafeFileWriter indexWriter(indexPath);
        platform::SafeFileWriter pageWriter(pagePath);
        CTextFile index;
        if (!index.Open(indexWriter, CFile::modeCreate | CFile::modeWrite)) {
            return 0;
        }
        const int paper = Paper();
        CString line;
        line.Format("%s %d %d 0.1 %d", (model_.Title() + ".p01").GetString(), kPaperSizes[paper][0],
                    kPaperSizes[paper][1], paper + 1);
        index.WriteLine(line);
        index.Close();
        CTextFile page;
        if (!page.Open(pageWriter, CFile::modeCreate | CFile::modeWrite)) {
            return 0;
        }
        WritePlotPage(page);
        page.Close();
        // The page goes first; when the index cannot follow, the page the old index names
        // is put back, so the two files always belong together.
        const std::optional<std::string> oldPage = ReadWholeFile(pagePath);
        if (!CommitWithMessage(pageWriter)) {
            return 0;
        }
        if (!CommitWithMessage(indexWriter)) {
            PutBack(pagePath, oldPage);
            return 0;
        }
        return 1;
    } catch (const CFileException&) {
        return 0; // the writing told what stopped it; the temporaries go, the old files stay
    }
}

bool PlotSheetWriter::SheetHoldsSection() const {
    const PlotSheet sheet = ComputePlotSheet();
    const ModelExtents& e = model_.Extents();
    if (platform::IsUnsetDouble(e.m_dMinX) || platform::IsUnsetDouble(e.m_dMaxX)) {
        return true;
    }
    const DPoint low = sheet.Map(e.m_dMinX, e.m_dMinY);
    const DPoint high = sheet.Map(e.m_dMaxX, e.m_dMaxY);
    const double elevationAxis = low.x - OrDefault(model_.Sheet().m_dAxisDistance2, 10.0);
    const double distanceAxis = low.y - OrDefault(model_.Sheet().m_dAxisDistance1, 10.0);
    return elevationAxis >= 0 && distanceAxis >= 0 && high.x <= sheet.width && high.y <= sheet.height;
}

} // namespace torvan
