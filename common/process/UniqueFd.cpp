#include "common/process/UniqueFd.h"

#include <unistd.h>

namespace process {

void UniqueFd::Reset(int fd) {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = fd;
}

} // namespace process
