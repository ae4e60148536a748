#include "common/process/LaunchThrottle.h"

namespace process {

bool LaunchThrottle::Allow() {
    return Allow(std::time(nullptr));
}

bool LaunchThrottle::Allow(std::time_t now) {
    std::time_t previous = lastRequest_;
    lastRequest_ = now;
    return previous == 0 || now - previous > 1;
}

} // namespace process
