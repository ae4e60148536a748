#pragma once
// A named mutex that other processes of the same user can test for.
//
// It is a lock file in the suite's runtime directory (RuntimeDirectory.h) held with an
// open-file-description lock. The name "exists" exactly while some process holds that
// lock; the kernel drops the lock when the holder ends in any way (SIGKILL included),
// so a crashed program never leaves its name behind. The lock files themselves stay:
// an unheld file means nothing. Descriptors are close-on-exec, so started children
// never carry a parent's name along.
//
// Names are CP932 strings as the programs spell them ("Verrant BASNEV 01").

#include "common/process/UniqueFd.h"
#include "platform/core/CString.h"

#include <string>

class CNamedMutex {
public:
    enum class CreateResult {
        Created,       // the name was free and is now held by this object
        AlreadyExists, // another holder has it; nothing is held
        Failed,        // no runtime directory or lock file; nothing is held
    };

    CNamedMutex() = default;
    CNamedMutex(CNamedMutex&&) noexcept = default;
    CNamedMutex& operator=(CNamedMutex&&) noexcept = default;

    // Takes the name when it is free. An object that holds a name releases it first.
    CreateResult Create(const CString& name);
    // Gives the name up; nothing when none is held.
    void Release();
    bool IsHeld() const { return lock_.IsValid(); }
    const CString& GetName() const { return name_; }

    // True while any process (this one included) holds the name.
    static bool Exists(const CString& name);
    // The lock file that stands for the name (UTF-8 path).
    static std::string LockFilePath(const CString& name);

private:
    process::UniqueFd lock_;
    CString name_;
};
