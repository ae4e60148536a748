#include "section_editor/app/CChildFrame.h"

namespace merdok {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

} // namespace merdok
