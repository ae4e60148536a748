#pragma once
// Where an analysis file's reference names point once the file lies in another folder.

#include "platform/core/CString.h"

namespace torvan {

// The name to write for a reference file that the analysis file in oldDirectory names as
// name, when the analysis file is written into newDirectory (directories with their
// trailing '/'). Unchanged when the folder stays, the name is empty or the file has had
// no folder yet (a new document's names are taken as given); the bare file name when the
// file lies in the new folder; else its full path, so that the saved file still reaches
// it from where it lies. A file named without a folder lies in the working directory: its
// oldDirectory is "./" (ReferenceFolderOf), not empty.
CString ReferenceNameForSave(const CString& oldDirectory, const CString& name, const CString& newDirectory);

// The folder a document's reference names are taken from: its directory, "./" when the
// document has a name given without a folder (opened from the working directory), empty
// when it has no name yet.
CString ReferenceFolderOf(const CString& directory, const CString& documentPath);

} // namespace torvan
