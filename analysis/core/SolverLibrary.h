#pragma once
// The slip-surface solver library, loaded at run time: "libkalipe.so" beside the program
// (or in ../lib of an installed program), else at a path the caller names. The entry
// point "HOBRINT" is handed to CBlockDoc::RunSolver.

#include "analysis/core/CBlockDoc.h"
#include "platform/core/CString.h"

namespace torvan {

class SolverLibrary {
public:
    static constexpr const char* kFileName = "libkalipe.so";
    static constexpr const char* kEntryName = "HOBRINT";

    SolverLibrary() = default;
    ~SolverLibrary();
    SolverLibrary(const SolverLibrary&) = delete;
    SolverLibrary& operator=(const SolverLibrary&) = delete;

    // Loads the first library found; fallbackPath (may be empty) is tried last.
    // False when none loads or it lacks the entry point.
    bool Load(const CString& fallbackPath = CString());
    // The entry point, null until Load succeeded.
    CBlockDoc::SolverEntry Entry() const { return entry_; }
    // The file that was loaded.
    const CString& LoadedPath() const { return loadedPath_; }

private:
    bool LoadFrom(const CString& path);
    void Unload();

    void* handle_ = nullptr;
    CBlockDoc::SolverEntry entry_ = nullptr;
    CString loadedPath_;
};

} // namespace torvan
