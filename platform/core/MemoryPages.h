#pragma once
// A pool block that is filled from its start is written page by page, each first write a
// fault of its own; giving the block its pages in one request costs the system about half.

#include <cstddef>

namespace platform {

// Has the system provide the whole pages within the range for writing now. Nothing happens
// where the system cannot do so; the pages then come as they are written.
void ProvidePagesForWriting(void* start, std::size_t bytes) noexcept;

} // namespace platform
