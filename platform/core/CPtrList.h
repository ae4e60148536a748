#pragma once
// List of untyped pointers. The list does not own what they point to.

#include "platform/core/CObject.h"
#include "platform/core/PointerList.h"

class CPtrList : public CObject, public platform::PointerList<void*> {
    DECLARE_DYNAMIC(CPtrList)
};
