#pragma once
// A window class of the suite answered from this program's event loop: while registered,
// other programs find the window by the class and reach it through the provider.

#include "common/process/WindowClassServer.h"

#include <memory>

class QSocketNotifier;

namespace shell {

class ServedWindowClass {
public:
    explicit ServedWindowClass(process::WindowTextProvider& provider);
    ~ServedWindowClass();
    ServedWindowClass(const ServedWindowClass&) = delete;
    ServedWindowClass& operator=(const ServedWindowClass&) = delete;

    // False when the class could not be registered; the program runs on unseen.
    bool Register(const char* className);

private:
    process::WindowClassServer server_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace shell
