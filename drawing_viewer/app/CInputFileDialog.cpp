#include "drawing_viewer/app/CInputFileDialog.h"

#include "common/records/CBinaryFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"

#include <fcntl.h>
#include <string>
#include <strings.h>
#include <unistd.h>

namespace zapho {

bool CInputFileDialog::IsFigureFile(const CString& path) {
    constexpr std::size_t kHead = 64;
    const int fd = platform::OpenRegularFile(path, O_RDONLY);
    if (fd < 0) {
        return false;
    }
    std::string head(kHead, '\0');
    const ssize_t got = ::read(fd, head.data(), kHead);
    ::close(fd);
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    for (const char* version : {"Plot Ver.1.0", "Plot Ver.1.1", "Plot Ver.1.2"}) {
        const std::size_t at = head.find(version);
        // The version string opens the file, behind at most its length field.
        if (at != std::string::npos && at <= 4) {
            return true;
        }
    }
    return false;
}

BOOL CInputFileDialog::OnFileNameOK() {
    if (!(m_ofn.Flags & OFN_FILEMUSTEXIST)) {
        return FALSE;
    }
    const CString path = GetPathName();
    const int dot = path.ReverseFind('.');
    if (dot >= 0 && strcasecmp(path.Mid(dot).GetString(), ".p00") == 0) {
        return FALSE;
    }
    // A file that cannot be read is named with the open message, not as a foreign file.
    if (CBinaryFile file; !file.Open(path.GetString(), CFile::modeRead)) {
        return TRUE;
    }
    if (!IsFigureFile(path)) {
        AfxMessageBox(u8"ZAPHO 入力ﾌｧｲﾙではありません");
        return TRUE;
    }
    return FALSE;
}

} // namespace zapho
