#pragma once
// Where an analysis file's reference names point once the file lies in another folder.

#include "platform/core/CString.h"

namespace torvan {

// The name to write for a reference file that the analysis file in oldDirectory names as
// name, when the analysis file is written into newDirectory (directories with their
// trailing '/'). Unchanged when the folder stays, the name is empty or the file has had
// no folder yet (a new document's names are taken as given); the bare file name when the
// file lies in the new folder; else its full path, so that the saved file still reaches
// it from where it lies.
CString ReferenceNameForSave(const CString& oldDirectory, const CString& name, const CString& newDirectory);

} // namespace torvan
