#pragma once
// Chooses the point kind of an imported entity by its layer name.
//
// Names match whole, compared after CP932 decoding with ASCII letters folded to one
// case (double-byte characters are never folded).

#include "common/dxf/CDxfImportDocument.h"

#include <string>
#include <string_view>

class CDxfLayerFilter {
public:
    // A kind that names none: the entity's layer is not chosen.
    static constexpr section::PointKind kSkip = section::PointKindFromStored(-1);

    explicit CDxfLayerFilter(const CDxfImportSettings& settings);

    // The kind of list 1, 2 or 3 (the first list that names the layer); kSkip when some
    // list is non-empty and none names it; the first list's kind when all are empty.
    section::PointKind LayerPointKind(std::string_view layerName);
    // The name as the lists compare it (UTF-8, ASCII letters in lower case): two layer names
    // with one folded name are one layer.
    static std::string FoldedName(const CString& name);

private:
    std::vector<std::string> lists_[3];
    section::PointKind kinds_[3];
    bool allEmpty_ = true;
    std::string lastName_; // the last layer asked for, as read (CP932), and its kind
    section::PointKind lastKind_ = kSkip;
    bool hasLast_ = false;
};
