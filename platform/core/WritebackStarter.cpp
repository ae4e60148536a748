#include "platform/core/WritebackStarter.h"

#include <fcntl.h>

namespace platform {

void WritebackStarter::Start(int fd) noexcept {
    sinceStart_ = 0;
    // The whole file's dirty pages: the ones already on their way are passed over. A file
    // system without the call answers with an error, which changes nothing.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

} // namespace platform
