#pragma once
// Base of pens, brushes, fonts and bitmaps. A GDI object here is a plain description;
// a device context turns it into Qt drawing state when it is selected.

#include "platform/core/CObject.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    bool IsCreated() const { return created_; }
    virtual BOOL DeleteObject() {
        created_ = false;
        return TRUE;
    }

protected:
    void MarkCreated() { created_ = true; }

private:
    bool created_ = false;
};
