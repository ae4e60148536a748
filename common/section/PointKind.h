#pragma once
// The kinds of the points of a section model, as both section programs, their views and the
// section kit hold them. The values are the numbers the section model and analysis files
// store in a point's kind field; the stored number crosses into this type only through
// PointKindFromStored and back only through StoredPointKind (file readers and writers, the
// coordinate tables).

namespace section {

enum class PointKind : int {
    kGround = 0,        // ground-surface point
    kMeasurement = 1,   // measurement point
    kInnerBoundary = 2, // inner (underground) boundary point
    kLeftBoundary = 3,  // left ground-surface boundary point
    kRightBoundary = 4, // right ground-surface boundary point
};

// A file's kind field as a kind. A field that names no kind (left blank, or a number beyond
// these) is kept as read: it matches none of the named kinds, and the file is written back
// with the field it had.
constexpr PointKind PointKindFromStored(int stored) {
    return static_cast<PointKind>(stored);
}

// The number a file stores for the kind (the number read, for a kind kept as read).
constexpr int StoredPointKind(PointKind kind) {
    return static_cast<int>(kind);
}

// Settings kept per kind (display items, plot styles) list the kinds in their order.
inline constexpr int kPointKindCount = 5;
// The place of a kind in such a list; -1 for a kind kept as read that names none.
constexpr int PointKindIndex(PointKind kind) {
    const int value = static_cast<int>(kind);
    return value >= 0 && value < kPointKindCount ? value : -1;
}
// The kind at a place of such a list (0 to kPointKindCount - 1).
constexpr PointKind PointKindAt(int index) {
    return static_cast<PointKind>(index);
}

// Inner, left and right boundary points (and, as the programs have always counted them, a
// kept number above those).
constexpr bool IsBoundaryKind(PointKind kind) {
    return kind >= PointKind::kInnerBoundary;
}

} // namespace section
