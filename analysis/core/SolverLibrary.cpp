#include "SolverLibrary.h"

#include "platform/core/CFile.h"
#include "platform/core/ModulePath.h"

#include <dlfcn.h>

namespace torvan {

SolverLibrary::~SolverLibrary() {
    Unload();
}

bool SolverLibrary::Load(const CString& fallbackPath) {
    Unload();
    CString directory = platform::ModuleDirectory();
    if (!directory.IsEmpty()) {
        if (LoadFrom(directory + "/" + kFileName) || LoadFrom(directory + "/../lib/" + kFileName)) {
            return true;
        }
    }
    return !fallbackPath.IsEmpty() && LoadFrom(fallbackPath);
}

bool SolverLibrary::LoadFrom(const CString& path) {
    // Only a path: a bare name would let the loader search the system directories.
    void* handle = ::dlopen(CFile::OsPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        return false;
    }
    void* symbol = ::dlsym(handle, kEntryName);
    if (!symbol) {
        ::dlclose(handle);
        return false;
    }
    handle_ = handle;
    entry_ = reinterpret_cast<CBlockDoc::SolverEntry>(symbol);
    loadedPath_ = path;
    return true;
}

void SolverLibrary::Unload() {
    if (handle_) {
        ::dlclose(handle_);
    }
    handle_ = nullptr;
    entry_ = nullptr;
    loadedPath_.Empty();
}

} // namespace torvan
