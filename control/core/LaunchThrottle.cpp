#include "control/core/LaunchThrottle.h"

namespace basnev {

bool LaunchThrottle::IsLaunchAllowed(std::time_t now) {
    if (lastRequest_ == 0) {
        lastRequest_ = now;
        return true;
    }
    const double elapsed = std::difftime(now, lastRequest_);
    lastRequest_ = now;
    return elapsed > 1.0;
}

} // namespace basnev
