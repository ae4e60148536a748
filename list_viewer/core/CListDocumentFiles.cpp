#include "list_viewer/core/CListDocumentFiles.h"

#include "common/records/CTextFile.h"
#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"

namespace wenux {

bool CListDocumentFiles::Open(const CString& path) {
    Release();
    if (platform::IsMissingDocument(path)) {
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
