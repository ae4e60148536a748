#include "common/process/CSharedNameBuffer.h"

#include "common/process/RuntimeDirectory.h"
#include "common/process/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// FNV-1a: a short stable tag of the session's runtime directory.
std::uint32_t HashText(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char ch : text) {
        hash = (hash ^ ch) * 16777619u;
    }
    return hash;
}

} // namespace

std::string CSharedNameBuffer::SystemName(const char* name) {
    char session[16];
    std::snprintf(session, sizeof session, "%08x", HashText(process::SuiteRuntimeDirectory()));
    return "/verrant-" + std::to_string(::getuid()) + "-" + session + "-" + process::SafeEntryName(name);
}

CSharedNameBuffer::~CSharedNameBuffer() {
    Close();
}

bool CSharedNameBuffer::Create(const char* name) {
    Close();
    std::string systemName = SystemName(name);
    ::shm_unlink(systemName.c_str()); // an owner killed earlier may have left its segment
    process::UniqueFd fd(::shm_open(systemName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd.IsValid()) {
        return false;
    }
    if (::ftruncate(fd.Get(), static_cast<off_t>(kSize)) != 0 || !Map(fd.Get())) {
        ::shm_unlink(systemName.c_str());
        return false;
    }
    ownedName_ = systemName;
    Zero();
    return true;
}

bool CSharedNameBuffer::Open(const char* name) {
    Close();
    process::UniqueFd fd(::shm_open(SystemName(name).c_str(), O_RDWR | O_CLOEXEC, 0));
    if (!fd.IsValid()) {
        failure_ = errno == ENOENT ? Failure::Missing : Failure::Unusable;
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || info.st_size != static_cast<off_t>(kSize) ||
        info.st_uid != ::getuid() || !Map(fd.Get())) {
        failure_ = Failure::Unusable;
        return false;
    }
    failure_ = Failure::None;
    return true;
}

bool CSharedNameBuffer::Map(int fd) {
    void* view = ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED) {
        return false;
    }
    view_ = static_cast<char*>(view);
    return true;
}

void CSharedNameBuffer::Close() {
    if (view_ != nullptr) {
        ::munmap(view_, kSize);
        view_ = nullptr;
    }
    if (!ownedName_.empty()) {
        ::shm_unlink(ownedName_.c_str());
        ownedName_.clear();
    }
}

void CSharedNameBuffer::Zero() {
    if (view_ != nullptr) {
        std::memset(view_, 0, kSize);
    }
}

CString CSharedNameBuffer::Read() const {
    if (view_ == nullptr) {
        return CString();
    }
    return CString(view_, static_cast<int>(::strnlen(view_, kSize - 1)));
}

bool CSharedNameBuffer::Write(const CString& text) {
    if (view_ == nullptr || static_cast<std::size_t>(text.GetLength()) > kSize - 1) {
        return false;
    }
    std::memset(view_, 0, kSize);
    std::memcpy(view_, text.GetString(), static_cast<std::size_t>(text.GetLength()));
    return true;
}
