#pragma once

#include "platform/core/CString.h"

namespace wenux {

// What the settings file offers; the program's settings file class implements it.
class ProfileAccess {
public:
    virtual ~ProfileAccess() = default;
    virtual int GetProfileInt(const char* section, const char* key, int defaultValue) = 0;
    virtual CString GetProfileString(const char* section, const char* key, const char* defaultValue) = 0;
    virtual void WriteProfileInt(const char* section, const char* key, int value) = 0;
    virtual void WriteProfileString(const char* section, const char* key, const char* value) = 0;
};

} // namespace wenux
