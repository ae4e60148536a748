#pragma once
// The viewer's stored font descriptions as the device context takes them, and back.

#include "list_viewer/core/FontSettings.h"

#include "platform/ui/GdiTypes.h"

namespace wenux {

LOGFONT ToLogFont(const ListFont& font);
ListFont FromLogFont(const LOGFONT& logFont);

} // namespace wenux
