#pragma once
// Drops launch requests that follow the previous request too closely (a double click on
// a launch button must not start a program twice).
//
// Times are calendar seconds. A request is allowed when it is the first one or when more
// than one second passed since the previous request; every request, allowed or not,
// becomes the previous one, so a click every second starts nothing after the first.

#include <ctime>

namespace process {

class LaunchThrottle {
public:
    // Uses the current calendar time.
    bool Allow();
    bool Allow(std::time_t now);

private:
    std::time_t lastRequest_ = 0;
};

} // namespace process
