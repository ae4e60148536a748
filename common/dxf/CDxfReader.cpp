#include "common/dxf/CDxfReader.h"

#include "common/dxf/CDxfGroupReader.h"
#include "common/records/CTextFile.h"
#include "platform/core/CException.h"
#include "platform/core/MessageSink.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <new>

namespace {

const char8_t kLineLimit[] = u8"線ﾃﾞｰﾀ制限を越えたため読み込みを中止します";
const char8_t kPointLimit[] = u8"点ﾃﾞｰﾀ制限を越えたため読み込みを中止します";
const char8_t kPrematureEnd[] = u8"ファイルが途中で終了しているため、読み込みできません";
const char8_t kReadError[] = u8"ファイル読み込みエラーです";
const char8_t kMemoryError[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";
const char kBinarySignature[] = "AutoCAD Binary DXF";
constexpr double kMaxFitTolerance = 0.000999;
constexpr double kNoExtent = FLT_MAX;
// How far ahead of the path's point being added its document is told of the next: a search
// of the document's point index waits on memory, and is then over before the point comes.
constexpr std::size_t kVerticesAhead = 8;

bool IsUnbounded(double bound) {
    return platform::IsUnsetDouble(bound) || !std::isfinite(bound) || std::fabs(bound) == kNoExtent;
}

// All four bounds unbounded: the "no extent" rectangle, which clips nothing. Otherwise an
// unbounded side lies at infinity, so that no finite coordinate is ever moved onto it.
std::array<double, 4> ClipBounds(const double region[4]) {
    bool anyBound = false;
    for (int i = 0; i < 4; ++i) {
        anyBound = anyBound || !IsUnbounded(region[i]);
    }
    const double far = anyBound ? HUGE_VAL : kNoExtent;
    std::array<double, 4> bounds;
    for (int i = 0; i < 4; ++i) {
        bounds[i] = IsUnbounded(region[i]) ? (i % 2 == 0 ? -far : far) : region[i];
    }
    return bounds;
}

bool IsBinaryDxf(CTextFile& file) {
    char head[sizeof kBinarySignature - 1];
    UINT count = file.Read(head, sizeof head);
    file.SeekToBegin();
    return count == sizeof head && std::memcmp(head, kBinarySignature, sizeof head) == 0;
}

double SquaredDistance(double x1, double y1, double x2, double y2) {
    return (x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2);
}

// Puts the document's snapping distance back and closes the progress display, also
// when an exception leaves the import.
class ImportScope {
public:
    ImportScope(CDxfImportDocument& document, CDxfImportProgress* progress)
        : document_(document), progress_(progress) {
        document_.GetSnapDistance(savedDistance_, savedSquared_);
    }
    ~ImportScope() {
        if (progress_) {
            progress_->End();
        }
        document_.SetSnapDistance(savedDistance_, savedSquared_);
    }
    ImportScope(const ImportScope&) = delete;
    ImportScope& operator=(const ImportScope&) = delete;

private:
    CDxfImportDocument& document_;
    CDxfImportProgress* progress_;
    double savedDistance_ = 0.0;
    double savedSquared_ = 0.0;
};

} // namespace

CDxfReader::CDxfReader(CDxfImportDocument& document) : document_(document) {}

CDxfReader::~CDxfReader() = default;

int CDxfReader::ImportDxf(const char* path, CDxfImportProgress* progress) {
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return 0;
    }
    if (IsBinaryDxf(file)) {
        file.Abort();
        MessageBeep(0);
        AfxMessageBox(kReadError);
        return 0;
    }
    progress_ = progress;
    aborted_ = false;
    settings_ = document_.GetDxfImportSettings();
    layerFilter_ = std::make_unique<CDxfLayerFilter>(settings_);
    clip_ = std::make_unique<CClipRect>(ClipBounds(settings_.region).data());
    double distance = settings_.samePointDistance;
    samePointDistance_ =
        (platform::IsUnsetDouble(distance) || !std::isfinite(distance) || distance < 0.0) ? 0.0 : distance;
    squaredSamePointDistance_ = samePointDistance_ * samePointDistance_;

    int result = 0;
    {
        ImportScope scope(document_, progress_);
        document_.SetSnapDistance(samePointDistance_, squaredSamePointDistance_);
        if (progress_) {
            progress_->Begin(path);
        }
        ShowCounts();
        try {
            CDxfGroupReader groups(file);
            result = ReadSections(groups);
        } catch (const CFileException& error) {
            MessageBeep(0);
            AfxMessageBox(error.m_cause == CFileException::endOfFile ? kPrematureEnd : kReadError);
        } catch (const CMemoryException&) {
            AfxMessageBox(kMemoryError);
        } catch (const std::bad_alloc&) {
            AfxMessageBox(kMemoryError);
        }
        vertices_.clear();
        file.Abort();
        document_.RefreshAfterImport();
    }
    progress_ = nullptr;
    return result;
}

int CDxfReader::ReadSections(CDxfGroupReader& groups) {
    bool inEntities = false;
    bool afterSection = false;
    for (;;) {
        groups.Next();
        if (groups.code == 0) {
            if (groups.ValueStartsWith("EOF")) {
                return 1;
            }
            bool sectionStart = groups.ValueStartsWith("SECTION");
            if (sectionStart) {
                inEntities = false;
            } else if (inEntities && ReadEntity(groups) == Outcome::kAdded) {
                ShowCounts();
            }
            afterSection = sectionStart;
            Pump();
        } else {
            if (groups.code == 2 && afterSection) {
                inEntities = groups.ValueStartsWith("ENTITIES");
            }
            afterSection = false;
        }
        if (MustStop()) {
            ShowCounts();
            return 1;
        }
    }
}

bool CDxfReader::MustStop() {
    if (aborted_ || IsCancelled()) {
        return true;
    }
    if (AtLineLimit()) {
        AfxMessageBox(kLineLimit);
        return true;
    }
    if (AtPointLimit()) {
        AfxMessageBox(kPointLimit);
        return true;
    }
    return false;
}

CDxfReader::Outcome CDxfReader::ReadEntity(CDxfGroupReader& groups) {
    if (groups.ValueStartsWith("LINE")) {
        return ReadDxfLine(groups);
    }
    if (groups.ValueStartsWith("POLYLINE")) {
        return ReadDxfPolyline(groups);
    }
    if (groups.ValueStartsWith("LWPOLYLINE")) {
        return ReadDxfLwPolyline(groups);
    }
    if (groups.ValueStartsWith("SPLINE")) {
        return ReadDxfSpline(groups);
    }
    return Outcome::kNothing;
}

bool CDxfReader::ScaledPoint(double x, double y, Vertex& out) const {
    out.x = x * settings_.xFactor;
    out.y = y * settings_.yFactor;
    return std::isfinite(out.x) && std::isfinite(out.y);
}

bool CDxfReader::SkipsLayer(CDxfGroupReader& groups, section::PointKind& kind) {
    kind = LayerPointKind(groups.Value());
    if (kind != CDxfLayerFilter::kSkip) {
        return false;
    }
    vertices_.clear();
    groups.SkipToNextEntity();
    return true;
}

CDxfReader::Outcome CDxfReader::ReadDxfLine(CDxfGroupReader& groups) {
    section::PointKind kind = LayerPointKind("0");
    double ends[4] = {};
    bool present[4] = {};
    for (;;) {
        groups.Next();
        if (groups.code == 0) {
            groups.PushBack();
            break;
        }
        if (groups.code == 8 && SkipsLayer(groups, kind)) {
            return Outcome::kNothing;
        }
        static const int kCodes[4] = {10, 20, 11, 21};
        for (int i = 0; i < 4; ++i) {
            if (groups.code == kCodes[i]) {
                present[i] = groups.ValueAsReal(ends[i]);
            }
        }
    }
    Vertex a;
    Vertex b;
    if (!(present[0] && present[1] && present[2] && present[3]) || !ScaledPoint(ends[0], ends[1], a) ||
        !ScaledPoint(ends[2], ends[3], b)) {
        return Outcome::kNothing;
    }
    if (SquaredDistance(a.x, a.y, b.x, b.y) <= squaredSamePointDistance_) {
        return Outcome::kNothing;
    }
    if (!clip_->ClipSegment(a.x, a.y, b.x, b.y) || !std::isfinite(a.x + a.y + b.x + b.y)) {
        return Outcome::kNothing;
    }
    int first = FindOrAddDxfPoint(a.x, a.y, kind);
    int second = first < 0 ? -1 : FindOrAddDxfPoint(b.x, b.y, kind);
    if (second < 0 || !AddDxfLine(first, second)) {
        return Outcome::kStopped;
    }
    return Outcome::kAdded;
}

CDxfReader::Outcome CDxfReader::ReadDxfPolyline(CDxfGroupReader& groups) {
    section::PointKind kind = LayerPointKind("0");
    vertices_.clear();
    for (groups.Next(); groups.code != 0; groups.Next()) {
        if (groups.code == 8) {
            kind = LayerPointKind(groups.Value());
        }
    }
    // The current group is the first code 0 after the header.
    while (groups.ValueStartsWith("VERTEX")) {
        if (kind == CDxfLayerFilter::kSkip) {
            groups.SkipToNextEntity();
        } else if (Vertex vertex; ReadDxfVertex(groups, vertex)) {
            vertices_.push_back(vertex);
        }
        groups.Next();
    }
    if (!groups.ValueStartsWith("SEQEND")) {
        groups.PushBack(); // a polyline cut short: the next entity is read as usual
    }
    if (kind == CDxfLayerFilter::kSkip) {
        vertices_.clear();
        return Outcome::kNothing;
    }
    return AddVertexPath(kind);
}

bool CDxfReader::ReadDxfVertex(CDxfGroupReader& groups, Vertex& vertex) const {
    double xy[2] = {};
    bool present[2] = {};
    for (groups.Next(); groups.code != 0; groups.Next()) {
        if (groups.code == 10 || groups.code == 20) {
            int i = groups.code == 10 ? 0 : 1;
            present[i] = groups.ValueAsReal(xy[i]);
        }
    }
    groups.PushBack();
    return present[0] && present[1] && ScaledPoint(xy[0], xy[1], vertex);
}

CDxfReader::Outcome CDxfReader::ReadDxfLwPolyline(CDxfGroupReader& groups) {
    section::PointKind kind = LayerPointKind("0");
    int count = 0;
    int pairs = 0;
    double x = 0.0;
    bool haveX = false;
    vertices_.clear();
    for (;;) {
        groups.Next();
        if (groups.code == 0) {
            groups.PushBack();
            break;
        }
        if (groups.code == 8) {
            if (SkipsLayer(groups, kind)) {
                return Outcome::kNothing;
            }
        } else if (groups.code == 90) {
            groups.ValueAsInt(count);
        } else if (groups.code == 10) {
            haveX = groups.ValueAsReal(x);
        } else if (groups.code == 20 && haveX) {
            double y;
            Vertex vertex;
            if (groups.ValueAsReal(y) && ScaledPoint(x, y, vertex)) {
                vertices_.push_back(vertex);
            }
            haveX = false;
            if (++pairs == count) {
                break;
            }
        }
    }
    return AddVertexPath(kind);
}

CDxfReader::Outcome CDxfReader::ReadDxfSpline(CDxfGroupReader& groups) {
    section::PointKind kind = LayerPointKind("0");
    int fitCount = 0;
    int fits = 0;
    double tolerance = 0.0;
    double xy[2] = {};
    bool present[2] = {};
    vertices_.clear();
    for (;;) {
        groups.Next();
        if (groups.code == 0) {
            groups.PushBack();
            break;
        }
        if (groups.code == 8) {
            if (SkipsLayer(groups, kind)) {
                return Outcome::kNothing;
            }
        } else if (groups.code == 74) {
            groups.ValueAsInt(fitCount);
        } else if (groups.code == 44) {
            groups.ValueAsReal(tolerance);
        } else if (groups.code == 11 || groups.code == 21) {
            int i = groups.code == 11 ? 0 : 1;
            present[i] = groups.ValueAsReal(xy[i]);
        } else if (groups.code == 31) {
            Vertex vertex;
            if (present[0] && present[1] && ScaledPoint(xy[0], xy[1], vertex)) {
                vertices_.push_back(vertex);
            }
            present[0] = present[1] = false;
            if (++fits == fitCount) {
                break;
            }
        }
    }
    if (tolerance > kMaxFitTolerance) {
        vertices_.clear();
        return Outcome::kNothing;
    }
    return AddVertexPath(kind);
}

// Thinned in place, and each clipped segment added as it comes: a polyline of a hundred
// thousand vertices is then held once, not in three copies.
std::size_t CDxfReader::ThinVertices() {
    std::size_t kept = 0;
    for (const Vertex vertex : vertices_) {
        if (kept == 0 || SquaredDistance(vertex.x, vertex.y, vertices_[kept - 1].x, vertices_[kept - 1].y) >
                             squaredSamePointDistance_) {
            vertices_[kept++] = vertex;
        }
    }
    vertices_.resize(kept);
    return kept;
}

CDxfReader::Outcome CDxfReader::AddVertexPath(section::PointKind kind) {
    if (vertices_.empty()) {
        return Outcome::kNothing;
    }
    const std::size_t kept = ThinVertices();
    if (kept > 1) {
        document_.ReservePoints(static_cast<int>(kept));
    }
    Outcome outcome = Outcome::kAdded;
    int previous = -1; // the point last added, -1 before the first
    Vertex last{};
    for (std::size_t i = 1; i < kept && outcome == Outcome::kAdded; ++i) {
        if (i + kVerticesAhead < kept) {
            document_.ExpectPoint(vertices_[i + kVerticesAhead].x, vertices_[i + kVerticesAhead].y);
        }
        Vertex a = vertices_[i - 1];
        Vertex b = vertices_[i];
        if (!clip_->ClipSegment(a.x, a.y, b.x, b.y) || !std::isfinite(a.x + a.y + b.x + b.y)) {
            continue;
        }
        // A segment that starts where the one before it ended continues the path.
        if (((previous < 0 || last.x != a.x || last.y != a.y) && !AddPathPoint(a, false, kind, previous)) ||
            !AddPathPoint(b, true, kind, previous)) {
            outcome = Outcome::kStopped;
        }
        last = b;
    }
    vertices_.clear();
    return outcome;
}

bool CDxfReader::AddPathPoint(const Vertex& point, bool drawTo, section::PointKind kind, int& previous) {
    const int index = FindOrAddDxfPoint(point.x, point.y, kind);
    if (index < 0 || (drawTo && previous >= 0 && !AddDxfLine(previous, index))) {
        return false;
    }
    previous = index;
    Pump();
    return !IsCancelled();
}

int CDxfReader::FindOrAddDxfPoint(double x, double y, section::PointKind kind) {
    const int found = document_.FindPoint(x, y);
    if (found > 0) {
        return found - 1;
    }
    if (AtPointLimit()) {
        return -1;
    }
    const int index = document_.CreatePoint(x, y, kind);
    if (index < 0) {
        aborted_ = true;
    }
    return index;
}

bool CDxfReader::AddDxfLine(int pointA, int pointB) {
    if (pointA == pointB) {
        return true;
    }
    if (AtLineLimit()) {
        return false;
    }
    document_.CreateLine(pointA, pointB);
    return true;
}

void CDxfReader::Pump() {
    if (progress_) {
        progress_->PumpMessage();
    }
}

void CDxfReader::ShowCounts() {
    if (progress_) {
        progress_->UpdateCounts(document_.GetPointCount(), document_.GetLineCount());
    }
}
