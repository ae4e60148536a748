#include "control/core/ChosenName.h"

#include "common/records/TextHelpers.h"
#include "control/core/DataFileKind.h"
#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace basnev {

namespace {

std::string OsPath(const CString& path) {
    return platform::DiskName(path.str());
}

// The folder as the chooser shows it. CP932 holds '/' and '.' only as themselves, never as the
// second byte of a character, so the parts can be taken apart on the bytes.
CString FolderPath(const CString& path) {
    std::string folder = std::filesystem::path(path.str()).lexically_normal().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return CString(folder.c_str());
}

} // namespace

ChosenNameResult CheckChosenName(const CString& typedName, const ChosenNameContext& context, CString& path) {
    CString name = typedName;
    name.Trim();
    if (name.IsEmpty()) {
        AfxMessageBox(CString(u8"ﾌｧｲﾙ指定ｴﾗｰ !!!"));
        return ChosenNameResult::kStay;
    }
    // A relative name, with a folder in it or not, lies in the folder the chooser shows, as a
    // file dialog takes it: never against the program's own working folder.
    path = name[0] == '/' ? name : context.currentDirectory + name;
    if (platform::EntryAt(path) == platform::DiskEntry::Directory) {
        path = FolderPath(path);
        return ChosenNameResult::kEnterDirectory;
    }
    // A folder that is not there names no file: ".slo" would be offered as a new file in it.
    if (path[path.GetLength() - 1] == '/') {
        AfxMessageBox(CString(u8"ﾌｧｲﾙ指定ｴﾗｰ !!!"));
        return ChosenNameResult::kStay;
    }
    const CString slotExtension = KindInfo(context.kind).slotExtension;
    if (!slotExtension.IsEmpty()) {
        CString extension;
        SplitPath(path, nullptr, nullptr, &extension);
        if (extension.IsEmpty()) {
            path += slotExtension;
        } else if (strcasecmp(extension, slotExtension) != 0) {
            AfxMessageBox(CString(u8"ﾌｧｲﾙ拡張子が間違っています !!!"));
            return ChosenNameResult::kStay;
        }
    }
    // Any path the system can open is taken; only one past its limit is refused.
    if (!CFile::FitsPathLimit(path)) {
        AfxMessageBox(CString(u8"ﾌｧｲﾙ名が長すぎます !!!"));
        return ChosenNameResult::kStay;
    }
    if (!context.isUsableFile(path) &&
        AfxMessageBox(CString(u8"指定ﾌｧｲﾙがありません。新規作成ﾌｧｲﾙ名として設定しますか？"), MB_YESNO) !=
            IDYES) {
        return ChosenNameResult::kStay;
    }
    return ChosenNameResult::kAccepted;
}

bool CanCreateFile(const CString& path) {
    const std::string osPath = OsPath(path);
    const int fd = open(osPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    close(fd);
    unlink(osPath.c_str());
    return true;
}

bool IsOpenableFile(const CString& path) {
    return platform::IsReadableFile(path);
}

bool FileExists(const CString& path) {
    return platform::PathExists(path);
}

} // namespace basnev
