#pragma once
// Shows the wait cursor while it lives.

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Sets the wait cursor again (after a message box changed it).
    void Restore();
};
