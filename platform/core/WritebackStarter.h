#pragma once
// The writeback of a file's data started as the data is written, a step at a time, for a
// file that a sync will follow (a save's temporary): the sync then waits for the last
// step's data rather than for all of it. A hint to the system only; it never fails a write.

#include <cstddef>

namespace platform {

class WritebackStarter {
public:
    // From now on the bytes written count towards the next start.
    void Enable() noexcept { enabled_ = true; }
    // Counts bytes written; true when a step has passed since the last start, so that the
    // writer hands the system what it still buffers and calls Start.
    bool Wrote(std::size_t bytes) noexcept {
        sinceStart_ += bytes;
        return enabled_ && sinceStart_ >= kStep;
    }
    // Starts the writeback of what the descriptor's file holds unwritten.
    void Start(int fd) noexcept;

private:
    static constexpr std::size_t kStep = std::size_t{1} << 20;

    bool enabled_ = false;
    std::size_t sinceStart_ = 0;
};

} // namespace platform
