#include "ContainerHelpers.h"
#include "platform/core/MapEntries.h"

void DeleteAllObjects(CObList& list) {
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        delete list.GetNext(pos);
    }
    list.RemoveAll();
}

void DeleteAllMapObjects(CMapWordToOb& map) {
    for (auto [key, value] : platform::MapEntries<CObject>(map)) {
        delete value;
    }
    map.RemoveAll();
}

void ReplaceAllMapObjects(CMapWordToOb& from, CMapWordToOb& to) {
    DeleteAllMapObjects(to);
    for (auto [key, object] : platform::MapEntries<CObject>(from)) {
        to.SetAt(key, object);
    }
    from.RemoveAll();
}
