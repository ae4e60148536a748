#pragma once
// Typed iteration over the framework's word maps, in place of hand-written position loops:
//
//   for (auto [key, point] : platform::MapEntries<CNode>(doc.GroundPoints())) { ... }
//
// Runs in ascending key order and yields each key with its value cast to T* (the map's
// values must be T objects). As with FetchNext, the entry just yielded (or any other)
// may be removed from the map inside the loop.

#include "platform/core/MapEntryRange.h"

namespace platform {

template <typename T> MapEntryRange<T, CObject*> MapEntries(const CMapWordToOb& map) {
    return MapEntryRange<T, CObject*>(map);
}

template <typename T> MapEntryRange<T, void*> MapEntries(const CMapWordToPtr& map) {
    return MapEntryRange<T, void*>(map);
}

} // namespace platform
