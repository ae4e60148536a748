#pragma once
// Waiting on the Qt event loop in a window test: windows close, child processes end and
// served requests arrive only while events are processed.

#include <functional>

namespace testsupport {

// Runs the Qt event loop until done() holds or timeoutMs passed; returns done().
bool SpinUntil(const std::function<bool()>& done, int timeoutMs);

} // namespace testsupport
