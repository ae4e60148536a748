#pragma once
// Map from a 16-bit key to an untyped pointer. The map does not own what it points to.

#include "platform/core/CObject.h"
#include "platform/core/WordMap.h"

class CMapWordToPtr : public CObject, public platform::WordMap<void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
};
