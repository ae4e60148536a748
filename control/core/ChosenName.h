#pragma once
// The checks of the file list chooser's OK: the typed name becomes a full path with the slot's
// extension, and a name that does not exist is confirmed as a new file. A folder typed as the
// name is entered, as a file dialog does: it is never offered as a new file.

#include "platform/core/CString.h"

#include <functional>

namespace basnev {

enum class ChosenNameResult { kAccepted, kStay, kEnterDirectory };

struct ChosenNameContext {
    int kind = 0;
    // The chooser's current directory, ending in '/'.
    CString currentDirectory;
    // True when the file exists and can be read and written.
    std::function<bool(const CString&)> isUsableFile;
};

// Checks the text of the file-name edit; on kAccepted `path` holds the chosen path, on
// kEnterDirectory the folder it names (without "." or ".." parts, ending in '/'). Every
// refusal shows its message (or the new-file question answered No) and keeps the dialog open.
ChosenNameResult CheckChosenName(const CString& typedName, const ChosenNameContext& context, CString& path);

// Tests whether a file of that name could be made: creates and removes it. Used only for a
// name whose file does not exist.
bool CanCreateFile(const CString& path);

// True when a regular file is there that this process may read (a read-only document is
// opened by the programs all the same).
bool IsOpenableFile(const CString& path);
bool FileExists(const CString& path);

} // namespace basnev
