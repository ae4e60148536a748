#pragma once
// The window class "VerrantTableInput" by which the suite finds a running table editor
// (the base menu's close guard, a second start). Registered while the editor's dialogs run;
// bringing it to the front raises the dialog that is open.

#include "common/process/WindowClassServer.h"

#include <memory>

class QSocketNotifier;

namespace quilmo {

inline constexpr const char* kTableInputWindowClass = "VerrantTableInput";

class TableInputWindowClass : public process::WindowTextProvider {
public:
    TableInputWindowClass();
    ~TableInputWindowClass() override;

    bool Register();

    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

private:
    process::WindowClassServer server_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace quilmo
