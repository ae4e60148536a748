#include "control/app/MainDoc.h"

namespace basnev {

IMPLEMENT_DYNCREATE(CMainDoc, CDocument)

} // namespace basnev
