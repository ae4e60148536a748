#pragma once
// Map from a 16-bit key to a CObject pointer. The map does not own its objects
// (DeleteAllMapObjects does).

#include "platform/core/CObject.h"
#include "platform/core/WordMap.h"

class CMapWordToOb : public CObject, public platform::WordMap<CObject*> {
    DECLARE_DYNAMIC(CMapWordToOb)
};
