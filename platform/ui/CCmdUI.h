#pragma once
// The state an update handler gives one command's menu item, tool button or status pane.

#include "platform/core/CString.h"

class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE) {
        m_bEnabled = on != FALSE;
        m_bEnableChanged = true;
    }
    virtual void SetCheck(int check = 1) { m_nCheck = check; }
    virtual void SetText(const CString& text) {
        m_strText = text;
        m_bTextChanged = true;
    }

    UINT m_nID;
    UINT m_nIndex = 0; // position in its menu or bar
    bool m_bEnabled = true;
    bool m_bEnableChanged = false; // an update handler called Enable
    int m_nCheck = 0;
    CString m_strText;
    bool m_bTextChanged = false;
};
