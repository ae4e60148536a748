#pragma once
// Drops launch requests that follow the previous one too closely: a double click on a launch
// button starts one program. The interval counts from the last request, refused or not.

#include <ctime>

namespace basnev {

class LaunchThrottle {
public:
    // True when the request at `now` (whole seconds) may start a program.
    bool IsLaunchAllowed(std::time_t now);
    void Reset() { lastRequest_ = 0; }

private:
    std::time_t lastRequest_ = 0;
};

} // namespace basnev
