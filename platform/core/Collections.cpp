#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CMapWordToOb, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
