#include "ContainerHelpers.h"

void DeleteAllObjects(CObList& list) {
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        delete list.GetNext(pos);
    }
    list.RemoveAll();
}

void DeleteAllMapObjects(CMapWordToOb& map) {
    POSITION pos = map.GetStartPosition();
    while (pos) {
        WORD key;
        CObject* value;
        map.GetNextAssoc(pos, key, value);
        delete value;
    }
    map.RemoveAll();
}
