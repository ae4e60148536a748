#include "platform/core/ModulePath.h"

#include "platform/core/CodePage.h"
#include "platform/core/SettingsFolder.h"

#include <climits>
#include <unistd.h>

namespace platform {

CString ModuleFileName() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0) {
        return CString();
    }
    return CString(Utf8ToCp932(std::string(buffer, static_cast<std::size_t>(length))));
}

CString ModuleDirectory() {
    CString path = ModuleFileName();
    int slash = path.ReverseFind('/');
    return slash <= 0 ? CString(slash == 0 ? "/" : "") : path.Left(slash);
}

CString WithTrailingSlash(const CString& directory) {
    return directory.IsEmpty() || directory.Right(1) == "/" ? directory : directory + "/";
}

CString ProgramProfilePath(CString& directory, CString& name, const CString& fallbackName) {
    if (directory.IsEmpty()) {
        directory = WithTrailingSlash(ModuleDirectory());
        const CString path = ModuleFileName();
        name = path.Mid(path.ReverseFind('/') + 1);
    }
    if (name.IsEmpty()) {
        name = fallbackName;
    }
    return SettingsFile(name + ".INI", directory);
}

} // namespace platform
