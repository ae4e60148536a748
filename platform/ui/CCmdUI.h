#pragma once
// The state an update handler gives one command's menu item, tool button or status pane.

#include "platform/core/CString.h"

class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE) { m_bEnabled = on != FALSE; }
    virtual void SetCheck(int check = 1) { m_nCheck = check; }
    virtual void SetText(const CString& text) {
        m_strText = text;
        m_bTextChanged = true;
    }

    UINT m_nID;
    bool m_bEnabled = true;
    int m_nCheck = 0;
    CString m_strText;
    bool m_bTextChanged = false;
};
