#include "control/app/CMainDoc.h"

namespace basnev {

IMPLEMENT_DYNCREATE(CMainDoc, CDocument)

} // namespace basnev
