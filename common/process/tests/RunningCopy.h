#pragma once
// The window of a program's running copy, as the registry finds it: it only counts how often
// a second start asked it to come forward.

#include "common/process/WindowClassServer.h"

namespace process_test {

class RunningCopy : public process::WindowTextProvider {
public:
    bool BringToFront() override {
        ++raised;
        return true;
    }
    bool GetControlText(int, CString&) override { return false; }
    bool SetControlText(int, const CString&) override { return false; }
    int raised = 0;
};

} // namespace process_test
