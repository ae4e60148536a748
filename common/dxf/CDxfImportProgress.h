#pragma once
// The DXF reader's progress display. The window layer implements it as a modeless
// dialog that disables the main window while it is shown; the reader works without one.

#include "platform/core/CString.h"

class CDxfImportProgress {
public:
    virtual ~CDxfImportProgress() = default;
    // Shown when reading starts, with the file path.
    virtual void Begin(const CString& path) = 0;
    // The document's point and line counts.
    virtual void UpdateCounts(int points, int lines) = 0;
    // Handles one waiting window message, so that the user can cancel.
    virtual void PumpMessage() = 0;
    virtual bool IsCancelled() const = 0;
    // Closed when reading ends, whatever the outcome.
    virtual void End() = 0;
};
