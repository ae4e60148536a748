#include "common/process/CNamedMutex.h"

#include "common/process/RuntimeDirectory.h"
#include "platform/core/CodePage.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct flock WholeFileWriteLock() {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    lock.l_pid = 0; // required by the open-file-description lock calls
    return lock;
}

} // namespace

std::string CNamedMutex::LockFilePath(const CString& name) {
    std::string path = process::SuiteRuntimePath(platform::Cp932ToUtf8(name.str()));
    return path.empty() ? path : path + ".lock";
}

CNamedMutex::CreateResult CNamedMutex::Create(const CString& name) {
    Release();
    std::string path = LockFilePath(name);
    if (path.empty()) {
        return CreateResult::Failed;
    }
    process::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.IsValid()) {
        return CreateResult::Failed;
    }
    struct flock lock = WholeFileWriteLock();
    if (::fcntl(fd.Get(), F_OFD_SETLK, &lock) != 0) {
        return (errno == EAGAIN || errno == EACCES) ? CreateResult::AlreadyExists : CreateResult::Failed;
    }
    lock_ = std::move(fd);
    name_ = name;
    return CreateResult::Created;
}

void CNamedMutex::Release() {
    lock_.Reset(); // closing the last descriptor of the description drops the lock
    name_.Empty();
}

bool CNamedMutex::Exists(const CString& name) {
    std::string path = LockFilePath(name);
    if (path.empty()) {
        return false;
    }
    process::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.IsValid()) {
        return false; // never created since the directory was made: nobody holds it
    }
    // Asking does not take the lock, so a test never gets in the way of a starting holder.
    struct flock lock = WholeFileWriteLock();
    if (::fcntl(fd.Get(), F_OFD_GETLK, &lock) != 0) {
        return false;
    }
    return lock.l_type != F_UNLCK;
}
