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
#include <system_error>
#include <thread>

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
// The room taken at once for the rest of a long polyline is at most this many times the
// vertices read when it is taken.
constexpr double kMostRoomPerVertexRead = 32.0;
static_assert(CDxfReader::kVerticesPerRun == DxfChunkStream<int>::kChunkItems,
              "a run of vertices read fills a chunk of the stream");

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

// Hands each chunk of the stream to take; when that throws, the rest is taken and dropped, so
// that the making side goes on to its end, and the failure is returned.
template <typename Item, typename Take> std::exception_ptr TakeEach(DxfChunkStream<Item>& stream, Take take) {
    try {
        for (std::span<Item> chunk = stream.Take(); !chunk.empty(); chunk = stream.Take()) {
            take(chunk);
        }
        return nullptr;
    } catch (...) {
        std::exception_ptr failure = std::current_exception();
        while (!stream.Take().empty()) {
        }
        return failure;
    }
}

// False when no thread could be started: the system has none to give, or no memory.
template <typename Work> bool StartThread(std::jthread& thread, Work work) {
    try {
        thread = std::jthread(std::move(work));
        return true;
    } catch (...) {
        return false;
    }
}

void RethrowFirst(const std::exception_ptr& first, const std::exception_ptr& second) {
    if (first) {
        std::rethrow_exception(first);
    }
    if (second) {
        std::rethrow_exception(second);
    }
}

} // namespace

// One path's vertices added as they come, a run at a time: each thinned against the vertex
// kept before it, each segment clipped and joined to the path in the document. A path given
// in one run is added as in several. A path that looks up passes its points on to be added
// on another thread: it finds them in the document, or enters them for it to make.
class CDxfReader::VertexPath {
public:
    VertexPath(CDxfReader& reader, int kind, DxfChunkStream<FoundPoint>* lookedUp = nullptr)
        : reader_(reader), kind_(kind), lookedUp_(lookedUp) {}

    // Thins the run in place, then adds its segments; nothing once the adding stopped (for a
    // path that looks up, once the taking side left).
    template <typename Vertices> void Add(Vertices& vertices);
    bool Stopped() const { return stopped_; }
    Outcome Finish() const {
        return !any_ ? Outcome::kNothing : stopped_ ? Outcome::kStopped : Outcome::kAdded;
    }

private:
    // The run's vertices kept, at its start.
    template <typename Vertices> std::size_t Thin(Vertices& vertices);
    // False when the document takes no more.
    bool AddSegment(Vertex a, Vertex b);
    bool AddPoint(const Vertex& point, bool drawTo);

    CDxfReader& reader_;
    int kind_;
    DxfChunkStream<FoundPoint>* lookedUp_;
    bool any_ = false;
    bool stopped_ = false;
    std::size_t keptCount_ = 0;
    Vertex lastKept_{};
    int previous_ = -1; // the point last added, -1 before the first
    Vertex last_{};     // and where it lies
};

template <typename Vertices> void CDxfReader::VertexPath::Add(Vertices& vertices) {
    if (vertices.empty() || stopped_) {
        return;
    }
    any_ = true;
    const bool continued = keptCount_ > 0;
    const Vertex before = lastKept_;
    const std::size_t kept = Thin(vertices);
    CDxfImportDocument& document = reader_.document_;
    if (keptCount_ > 1 && !lookedUp_) { // a path that looks up has its room taken before
        document.ReservePoints(static_cast<int>(kept));
    }
    for (std::size_t i = continued ? 0 : 1; i < kept; ++i) {
        if (i + kVerticesAhead < kept) {
            document.ExpectPoint(vertices[i + kVerticesAhead].x, vertices[i + kVerticesAhead].y);
        }
        if (!AddSegment(i == 0 ? before : vertices[i - 1], vertices[i])) {
            stopped_ = true;
            return;
        }
    }
}

// Thinned in place, each clipped segment added as it comes: a polyline of a hundred
// thousand vertices is then held once, not in three copies.
template <typename Vertices> std::size_t CDxfReader::VertexPath::Thin(Vertices& vertices) {
    const double squaredDistance = reader_.squaredSamePointDistance_;
    std::size_t kept = 0;
    for (const Vertex vertex : vertices) {
        if (keptCount_ == 0 ||
            SquaredDistance(vertex.x, vertex.y, lastKept_.x, lastKept_.y) > squaredDistance) {
            vertices[kept++] = vertex;
            lastKept_ = vertex;
            ++keptCount_;
        }
    }
    return kept;
}

bool CDxfReader::VertexPath::AddSegment(Vertex a, Vertex b) {
    if (!reader_.clip_->ClipSegment(a.x, a.y, b.x, b.y) || !std::isfinite(a.x + a.y + b.x + b.y)) {
        return true;
    }
    // A segment that starts where the one before it ended continues the path.
    if ((previous_ < 0 || last_.x != a.x || last_.y != a.y) && !AddPoint(a, false)) {
        return false;
    }
    if (!AddPoint(b, true)) {
        return false;
    }
    last_ = b;
    return true;
}

bool CDxfReader::VertexPath::AddPoint(const Vertex& point, bool drawTo) {
    if (!lookedUp_) {
        return reader_.AddPathPoint(point, drawTo, kind_, previous_);
    }
    CDxfImportDocument& document = reader_.document_;
    const int found = document.FindPoint(point.x, point.y);
    const bool entered = found <= 0;
    previous_ = entered ? document.EnterPoint(point.x, point.y) : found - 1;
    return lookedUp_->Push({point, previous_, entered, drawTo});
}

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
    try {
        fileLength_ = file.GetLength();
    } catch (const CFileException&) {
        fileLength_ = -1;
    }
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

bool CDxfReader::SkipsLayer(CDxfGroupReader& groups, int& kind) {
    kind = LayerPointKind(groups.Value());
    if (kind != CDxfLayerFilter::kSkip) {
        return false;
    }
    vertices_.clear();
    groups.SkipToNextEntity();
    return true;
}

CDxfReader::Outcome CDxfReader::ReadDxfLine(CDxfGroupReader& groups) {
    int kind = LayerPointKind("0");
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
    int kind = LayerPointKind("0");
    vertices_.clear();
    for (groups.Next(); groups.code != 0; groups.Next()) {
        if (groups.code == 8) {
            kind = LayerPointKind(groups.Value());
        }
    }
    std::optional<Outcome> alongside;
    const std::int64_t start = document_.IsRestoredAfterFailedImport() ? PositionIfKnown(groups) : -1;
    std::size_t read = 0;
    // The current group is the first code 0 after the header.
    while (groups.ValueStartsWith("VERTEX")) {
        if (kind == CDxfLayerFilter::kSkip) {
            groups.SkipToNextEntity();
        } else if (read == kVerticesReadFirst && document_.IsRestoredAfterFailedImport() &&
                   (alongside =
                        ReadVerticesAlongside(groups, kind, VerticesThatMayFollow(groups, start, read)))) {
            break;
        } else if (Vertex vertex; ReadDxfVertex(groups, vertex)) {
            vertices_.push_back(vertex);
        }
        ++read;
        groups.Next();
    }
    if (!groups.ValueStartsWith("SEQEND")) {
        groups.PushBack(); // a polyline cut short: the next entity is read as usual
    }
    if (kind == CDxfLayerFilter::kSkip) {
        vertices_.clear();
        return Outcome::kNothing;
    }
    return alongside ? *alongside : AddVertexPath(kind);
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

// Where the file is read, for an estimate: -1 when unknown, as in a stream without one.
std::int64_t CDxfReader::PositionIfKnown(const CDxfGroupReader& groups) {
    try {
        return groups.Position();
    } catch (const CFileException&) {
        return -1;
    }
}

// The vertices a polyline may still have, were the rest of the file vertices as long as the
// read ones: its count is not known before its end, and room for them all at once spares
// the document's tables growing step by step. At most as many as the document takes, and
// never more than a few times those read, should much else follow the polyline.
int CDxfReader::VerticesThatMayFollow(const CDxfGroupReader& groups, std::int64_t polylineStart,
                                      std::size_t read) const {
    const int room = document_.GetPointLimit() - document_.GetPointCount();
    const std::int64_t position = PositionIfKnown(groups);
    const std::int64_t readBytes = position - polylineStart;
    if (read == 0 || polylineStart < 0 || readBytes <= 0 || fileLength_ <= position || room <= 0) {
        return 0;
    }
    const double perVertex = static_cast<double>(readBytes) / static_cast<double>(read);
    return static_cast<int>(
        std::min({static_cast<double>(fileLength_ - position) / perVertex, static_cast<double>(room),
                  kMostRoomPerVertexRead * static_cast<double>(read)}));
}

// The vertices from the current group on are read on a thread of their own, up to the group
// after the last; the path's points are looked up on another, those read before first; and
// this thread adds each chunk of points as it comes. The adding stops where the whole
// polyline's would, and the reading still goes to its end, so that a file ending inside the
// polyline fails the import as when it is read first. Room is taken for mayFollow vertices
// more. Without the second thread, this one looks the points up as it adds them.
std::optional<CDxfReader::Outcome> CDxfReader::ReadVerticesAlongside(CDxfGroupReader& groups, int kind,
                                                                     int mayFollow) {
    // Before the threads start, on this thread: from then on only the looking up searches the
    // document's points. Without the room, the polyline is read and added as a short one is.
    try {
        document_.ReservePoints(static_cast<int>(vertices_.size()) + mayFollow);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    DxfChunkStream<Vertex> read;
    DxfChunkStream<FoundPoint> found;
    // The looking up writes its path's state for every vertex: on cache lines of their own.
    struct alignas(128) Isolated {
        VertexPath path;
    } isolated{VertexPath(*this, kind, &found)};
    VertexPath& lookingUp = isolated.path;
    std::jthread reading;
    std::jthread lookUp;
    // Whatever leaves early lets the threads go before they are joined.
    struct LetGo {
        DxfChunkStream<Vertex>& read;
        DxfChunkStream<FoundPoint>& found;
        ~LetGo() {
            found.Abandon();
            read.Abandon();
        }
    } letGo{read, found};
    if (!StartThread(reading, [this, &groups, &read] { ReadRest(groups, read); })) {
        return std::nullopt;
    }
    if (!StartThread(lookUp, [this, &read, &lookingUp, &found] { LookUp(read, lookingUp, found); })) {
        VertexPath path(*this, kind);
        const std::exception_ptr addingFailure = AddReadVertices(path, read);
        reading.join();
        RethrowFirst(read.Failure(), addingFailure);
        return path.Finish();
    }
    bool stopped = false;
    const std::exception_ptr addingFailure = AddFoundPoints(found, kind, stopped);
    lookUp.join();
    reading.join();
    RethrowFirst(read.Failure(), addingFailure);
    if (const std::exception_ptr lookUpFailure = found.Failure(); lookUpFailure && !stopped) {
        // The point it failed at is a new one: adding it, the polyline would have stopped at
        // the point limit before it made the point.
        if (!AtPointLimit()) {
            std::rethrow_exception(lookUpFailure);
        }
        stopped = true;
    }
    const Outcome outcome = lookingUp.Finish();
    return stopped && outcome == Outcome::kAdded ? Outcome::kStopped : outcome;
}

std::exception_ptr CDxfReader::AddFoundPoints(DxfChunkStream<FoundPoint>& found, int kind, bool& stopped) {
    int previous = -1;
    return TakeEach(found, [&](std::span<FoundPoint> chunk) {
        for (std::size_t i = 0; i < chunk.size() && !stopped; ++i) {
            if (!AddFoundPoint(chunk[i], kind, previous)) {
                stopped = true;
                found.Abandon(); // the looking up need go no further
            }
        }
    });
}

void CDxfReader::ReadRest(CDxfGroupReader& groups, DxfChunkStream<Vertex>& read) const {
    try {
        while (groups.ValueStartsWith("VERTEX")) {
            if (Vertex vertex; ReadDxfVertex(groups, vertex) && !read.Push(vertex)) {
                break; // the import has left this thread
            }
            groups.Next();
        }
        read.Close();
    } catch (...) {
        read.Close(std::current_exception());
    }
}

// The looking up's own failure closes the stream of points found; the reading's stays with
// its stream.
void CDxfReader::LookUp(DxfChunkStream<Vertex>& read, VertexPath& path, DxfChunkStream<FoundPoint>& found) {
    found.Close(AddReadVertices(path, read));
}

std::exception_ptr CDxfReader::AddReadVertices(VertexPath& path, DxfChunkStream<Vertex>& read) {
    std::exception_ptr failure;
    try {
        path.Add(vertices_);
        vertices_.clear();
    } catch (...) {
        failure = std::current_exception();
    }
    const std::exception_ptr later = TakeEach(read, [&](std::span<Vertex> run) {
        if (!failure) {
            path.Add(run);
        }
    });
    return failure ? failure : later;
}

CDxfReader::Outcome CDxfReader::ReadDxfLwPolyline(CDxfGroupReader& groups) {
    int kind = LayerPointKind("0");
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
    int kind = LayerPointKind("0");
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

CDxfReader::Outcome CDxfReader::AddVertexPath(int kind) {
    VertexPath path(*this, kind);
    path.Add(vertices_);
    vertices_.clear();
    return path.Finish();
}

bool CDxfReader::AddPathPoint(const Vertex& point, bool drawTo, int kind, int& previous) {
    return JoinPathPoint(FindOrAddDxfPoint(point.x, point.y, kind), drawTo, previous);
}

bool CDxfReader::AddFoundPoint(const FoundPoint& point, int kind, int& previous) {
    return JoinPathPoint(point.entered ? NewPoint(point.at, kind, true) : point.index, point.drawTo,
                         previous);
}

bool CDxfReader::JoinPathPoint(int index, bool drawTo, int& previous) {
    if (index < 0 || (drawTo && previous >= 0 && !AddDxfLine(previous, index))) {
        return false;
    }
    previous = index;
    Pump();
    return !IsCancelled();
}

int CDxfReader::FindOrAddDxfPoint(double x, double y, int kind) {
    int found = document_.FindPoint(x, y);
    return found > 0 ? found - 1 : NewPoint(Vertex{x, y}, kind, false);
}

int CDxfReader::NewPoint(const Vertex& at, int kind, bool entered) {
    if (AtPointLimit()) {
        return -1;
    }
    const int index =
        entered ? document_.CreateEnteredPoint(at.x, at.y, kind) : document_.CreatePoint(at.x, at.y, kind);
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
