#pragma once
// Deleting the objects that the framework's containers point to.

#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"

// Deletes every object (through its virtual destructor) and empties the list.
void DeleteAllObjects(CObList& list);
// Deletes every block (allocated with operator new as T) and empties the list.
template <typename T> void DeleteAllPtrs(CPtrList& list) {
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        delete static_cast<T*>(list.GetNext(pos));
    }
    list.RemoveAll();
}
void DeleteAllMapObjects(CMapWordToOb& map);
// Deletes the objects of to, then moves every entry of from into it (from is left empty).
void ReplaceAllMapObjects(CMapWordToOb& from, CMapWordToOb& to);
