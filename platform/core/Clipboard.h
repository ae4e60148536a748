#pragma once
// The system clipboard as the suite uses it: private formats registered by name,
// holding one block of bytes each. The window layer installs a backend over the
// desktop clipboard; without it a process-local clipboard serves (tests, tools).

#include "platform/core/ClipboardBackend.h"
#include "platform/core/Types.h"

#include <string>

namespace platform {

// Installs a backend (null restores the process-local one); returns the one it replaces.
ClipboardBackend* SetClipboardBackend(ClipboardBackend* backend);
ClipboardBackend& CurrentClipboard();

} // namespace platform

// Registers a private format by name; the same name always gives the same id (0xC000 up).
UINT RegisterClipboardFormat(const char* name);
// The name of a registered format, empty for an unknown id.
std::string ClipboardFormatName(UINT format);
