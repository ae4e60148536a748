#include "list_viewer/core/PointerFileName.h"

#include "platform/core/CFile.h"
#include "platform/core/CodePage.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace wenux {

CString MakePointerFilePath(const char* listPath) {
    std::string utf8 = CFile::OsPath(listPath);
    std::string::size_type slash = utf8.rfind('/');
    std::string pattern =
        (slash == std::string::npos ? std::string() : utf8.substr(0, slash + 1)) + "lpXXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return CString("list_pt.wrk");
    }
    ::close(fd);
    return CString(platform::Utf8ToCp932(pattern));
}

} // namespace wenux
