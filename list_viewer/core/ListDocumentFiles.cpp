#include "list_viewer/core/ListDocumentFiles.h"

#include "common/records/TextFile.h"
#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"

#include <sys/stat.h>
#include <unistd.h>

namespace wenux {

namespace {

bool IsReadWriteRegularFile(const CString& path) {
    const std::string os = CFile::OsPath(path);
    struct stat info {};
    return ::access(os.c_str(), R_OK | W_OK) == 0 && ::stat(os.c_str(), &info) == 0 && S_ISREG(info.st_mode);
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
    listPath_ = path;
    return true;
}

void CListDocumentFiles::Release() {
    listPath_.Empty();
}

} // namespace wenux
