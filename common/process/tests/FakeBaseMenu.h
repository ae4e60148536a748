#pragma once
// A base menu for the tests, living in the test process: it registers the window class
// "VerrantControl", owns the shared name buffer and serves its three file-name slots on
// a thread of its own while children talk to it.

#include "common/process/CSharedNameBuffer.h"
#include "common/process/WindowClassServer.h"

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

namespace process_test {

class FakeBaseMenu : public process::WindowTextProvider {
public:
    FakeBaseMenu();
    ~FakeBaseMenu() override;

    // Registers the class (and makes the buffer unless told not to) and starts serving.
    bool Start(bool withBuffer = true);
    void Stop();

    void SetSlot(int controlId, const CString& text);
    CString Slot(int controlId);
    const CSharedNameBuffer& Buffer() const { return buffer_; }

    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

private:
    std::mutex lock_;
    std::map<int, CString> slots_;
    CSharedNameBuffer buffer_;
    process::WindowClassServer server_;
    std::atomic<bool> serving_{false};
    std::thread thread_;
};

} // namespace process_test
