#pragma once
// The four file-name slots of the base menu and where they are kept between runs: section
// "Input File" of the base menu's settings file (FileName1 plan data, FileName2 section
// model, FileName3 measurement, FileName4 analysis).

#include "platform/core/CString.h"

namespace basnev {

struct InputFileNames {
    CString plan;
    CString section;
    CString measurement;
    CString analysis;
    // Where the choosers open when a slot is empty; empty when there is none.
    CString defaultDirectory;
};

// Reads the four names (missing keys read as empty). The default directory is the directory
// of the measurement file, replaced by that of the analysis file when there is one.
InputFileNames LoadInputFileNames(const CString& settingsPath);

// Writes, in the order FileName1 to FileName4, the names that differ from those read at
// start-up (asRead); nothing when none does. Another base menu on the same settings file
// (one per display) may have set a slot since: a slot left as read must not put the old name
// back. False when the file could not be written.
bool SaveInputFileNames(const CString& settingsPath, const InputFileNames& asRead,
                        const InputFileNames& names);

// The data directory beside a program directory named "bin" ("/app/bin/" gives "/app/data/"),
// or empty when the program directory is not named "bin". The directory ends with '/'.
CString DataDirectoryBesideProgram(const CString& programDirectory);

} // namespace basnev
