#include "common/dxf/CDxfLayerFilter.h"

#include "platform/core/CodePage.h"

#include <algorithm>

CDxfLayerFilter::CDxfLayerFilter(const CDxfImportSettings& settings) {
    for (int list = 0; list < 3; ++list) {
        kinds_[list] = settings.listPointKinds[list];
        for (const CString& name : settings.layerLists[list]) {
            lists_[list].push_back(FoldedName(name));
        }
        allEmpty_ = allEmpty_ && lists_[list].empty();
    }
}

std::string CDxfLayerFilter::FoldedName(const CString& name) {
    std::string text = platform::Cp932ToUtf8(name.str());
    for (char& ch : text) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return text;
}

section::PointKind CDxfLayerFilter::LayerPointKind(std::string_view layerName) {
    if (allEmpty_) {
        return kinds_[0];
    }
    if (hasLast_ && lastName_ == layerName) {
        return lastKind_;
    }
    std::string folded = FoldedName(CString(layerName));
    section::PointKind kind = kSkip;
    for (int list = 0; list < 3 && kind == kSkip; ++list) {
        if (std::find(lists_[list].begin(), lists_[list].end(), folded) != lists_[list].end()) {
            kind = kinds_[list];
        }
    }
    lastName_ = layerName;
    lastKind_ = kind;
    hasLast_ = true;
    return kind;
}
