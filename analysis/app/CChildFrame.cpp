#include "analysis/app/CChildFrame.h"

namespace torvan {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

} // namespace torvan
