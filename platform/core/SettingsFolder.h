#pragma once
// Where the programs keep what they write as their own state (settings files, the title list):
// the user's folder "$XDG_CONFIG_HOME/verrant" (an absolute XDG_CONFIG_HOME), else
// "~/.config/verrant", made with mode 0700. The program's own directory may be read-only (any
// packaged install) and is shared by every user, so a file there is only ever read: on first
// use it seeds the user's copy of the same name, and it is never written.

#include "platform/core/CString.h"

namespace platform {

// The folder (CP932, with a trailing '/'), made when missing; empty when no home is known.
CString SettingsFolder();

// The user's file of that name in the folder. When it does not exist yet and seedDirectory
// holds a regular file of that name, that file's bytes become the user's copy first.
CString SettingsFile(const CString& name, const CString& seedDirectory);

// A state file the program was given by name (a stored path): one lying directly in the
// program's directory becomes the user's file of that name (seeded from it); any other path
// stays as it is.
CString SettingsFileFor(const CString& path, const CString& programDirectory);

// Says once per file and process that a settings file could not be written, naming it.
void ReportSettingsWriteFailure(const CString& path);

// Says, under the same once per file and process, that a settings file cannot be read as
// one: a directory, FIFO, socket or device at its name, or a file past the size a settings
// file has (tooLarge). Its settings are then the defaults, and they are not saved.
void ReportUnreadableSettingsFile(const CString& path, bool tooLarge);

} // namespace platform
