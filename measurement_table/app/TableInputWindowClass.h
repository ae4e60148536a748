#pragma once
// The window class "VerrantTableInput" by which the suite finds a running table editor
// (the base menu's close guard, a second start). Registered while the editor's dialogs run;
// bringing it to the front raises the dialog that is open.

#include "common/ui/shell/ServedWindowClass.h"

namespace quilmo {

inline constexpr const char* kTableInputWindowClass = "VerrantTableInput";

class TableInputWindowClass : public process::WindowTextProvider {
public:
    TableInputWindowClass();

    bool Register();

    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

private:
    shell::ServedWindowClass windowClass_;
};

} // namespace quilmo
