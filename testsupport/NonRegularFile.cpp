#include "testsupport/NonRegularFile.h"

#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace testsupport {

namespace {

bool MakeSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    path.copy(address.sun_path, path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd); // the socket file stays, with no one behind it
    return bound;
}

} // namespace

const std::vector<std::string>& NonRegularFileKinds() {
    static const std::vector<std::string> kinds = {"fifo", "socket", "directory", "device"};
    return kinds;
}

bool MakeNonRegularFile(const std::string& kind, const std::string& path) {
    std::error_code error;
    if (kind == "fifo") {
        return ::mkfifo(path.c_str(), 0666) == 0;
    }
    if (kind == "directory") {
        return std::filesystem::create_directory(path, error);
    }
    if (kind == "device") {
        std::filesystem::create_symlink("/dev/zero", path, error);
        return !error;
    }
    return kind == "socket" && MakeSocket(path);
}

bool IsOpenErrorMessage(const std::string& messageUtf8, const std::string& path) {
    const std::string head = reinterpret_cast<const char*>(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号");
    const std::string tail = ")\n " + path;
    return messageUtf8.size() > head.size() + tail.size() && messageUtf8.rfind(head, 0) == 0 &&
           messageUtf8.compare(messageUtf8.size() - tail.size(), tail.size(), tail) == 0 &&
           messageUtf8.find_first_not_of("0123456789", head.size()) == messageUtf8.size() - tail.size();
}

} // namespace testsupport
