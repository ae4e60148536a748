#include "ReferenceLocation.h"

#include "common/records/TextHelpers.h"
#include "platform/core/CFile.h"
#include "platform/core/CodePage.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace torvan {

namespace fs = std::filesystem;

namespace {

// The absolute, lexically normal form of a CP932 path (a relative one is taken from the
// working directory). The path is walked byte by byte: '/' and '.' never occur inside a
// CP932 double-byte character.
fs::path AbsoluteDirectory(const CString& directory) {
    fs::path path(std::string(directory.GetString()));
    if (path.is_relative()) {
        std::error_code error;
        fs::path working = fs::current_path(error);
        path = fs::path(platform::Utf8ToCp932(working.string())) / path;
    }
    path = path.lexically_normal();
    return path.has_filename() ? path : path.parent_path();
}

bool SameDirectory(const fs::path& a, const fs::path& b) {
    if (a == b) {
        return true;
    }
    std::error_code error;
    return fs::equivalent(CFile::OsPath(a.c_str()), CFile::OsPath(b.c_str()), error);
}

} // namespace

CString ReferenceFolderOf(const CString& directory, const CString& documentPath) {
    return directory.IsEmpty() && !documentPath.IsEmpty() ? CString("./") : directory;
}

CString ReferenceNameForSave(const CString& oldDirectory, const CString& name, const CString& newDirectory) {
    if (name.IsEmpty() || oldDirectory.IsEmpty() || oldDirectory == newDirectory) {
        return name;
    }
    CString folder;
    CString title;
    CString extension;
    SplitPath(ResolveBeside(oldDirectory, name), &folder, &title, &extension);
    CString file = title + extension;
    fs::path fileFolder = AbsoluteDirectory(folder);
    if (SameDirectory(fileFolder, AbsoluteDirectory(newDirectory))) {
        return file;
    }
    return CString((fileFolder / std::string(file.GetString())).string());
}

} // namespace torvan
