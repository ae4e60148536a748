#pragma once
// List of CObject pointers. The list does not own its objects (DeleteAllObjects does).

#include "platform/core/CObject.h"
#include "platform/core/PointerList.h"

class CObList : public CObject, public platform::PointerList<CObject*> {
    DECLARE_DYNAMIC(CObList)
};
