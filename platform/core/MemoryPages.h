#pragma once
// Fresh pages cost a program more than memory it has had before. A pool block that is
// filled from its start is written page by page, each first write a fault of its own; giving
// the block its pages in one request costs the system about half. Large blocks freed go back
// to the system at once unless the program keeps them for its next allocations.

#include <cstddef>

namespace platform {

// Has the system provide the whole pages within the range for writing now. Nothing happens
// where the system cannot do so; the pages then come as they are written.
void ProvidePagesForWriting(void* start, std::size_t bytes) noexcept;

// From now on, freed blocks of up to 32 MiB stay with the program for its next allocations
// rather than going back to the system (a long import frees tables that the save after it
// needs again). Called once at the start of a program that makes and drops such tables.
void KeepFreedMemoryForReuse() noexcept;

} // namespace platform
