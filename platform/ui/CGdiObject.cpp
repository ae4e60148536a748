#include "platform/ui/CGdiObject.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
