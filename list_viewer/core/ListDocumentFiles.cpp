#include "list_viewer/core/ListDocumentFiles.h"

#include "list_viewer/core/PointerFileName.h"

#include "common/records/TextFile.h"
#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wenux {

namespace {

bool IsReadWriteRegularFile(const CString& path) {
    const std::string os = CFile::OsPath(path);
    struct stat info {};
    return ::access(os.c_str(), R_OK | W_OK) == 0 && ::stat(os.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Creates the fallback work file only when nothing of that name exists yet.
bool CreateNewFile(const CString& path) {
    int fd = ::open(CFile::OsPath(path).c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        int osError = errno;
        ReportOpenError(CFileException(CFileException::OsErrorToException(osError), osError, path), path);
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

bool CListDocumentFiles::Open(const CString& path) {
    Release();
    if (!IsReadWriteRegularFile(path)) {
        CString text;
        text.Format(u8"%s\nﾌｧｲﾙが見つかりません", path.GetString());
        AfxMessageBox(text);
        return false;
    }
    CFile trial;
    CFileException error;
    if (!trial.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportOpenError(error, path);
        return false;
    }
    trial.Abort();
    CString pointerPath = MakePointerFilePath(path);
    if (pointerPath == "list_pt.wrk" && !CreateNewFile(pointerPath)) {
        return false;
    }
    listPath_ = path;
    pointerPath_ = pointerPath;
    return true;
}

void CListDocumentFiles::Release() {
    if (!pointerPath_.IsEmpty()) {
        ::unlink(CFile::OsPath(pointerPath_).c_str());
    }
    listPath_.Empty();
    pointerPath_.Empty();
}

} // namespace wenux
