#pragma once
// The base menu's 200-byte shared name buffer ("BASNEVFILENAME"): one NUL-terminated
// CP932 file name that the base menu and a child exchange.
//
// It is a POSIX shared-memory object. Names in the system's shared-memory directory are
// open to every user, so the owner (the base menu) makes a fresh name with 128 random bits
// in it (created exclusively, mode 0600) and publishes it in the suite's private runtime
// directory ("<name>.shm"), where children look it up: another user can neither predict
// the name to take it first nor plant a name for the children. The owner holds a lock on its
// segment while it runs: a new owner removes every segment of the name that nobody holds (left
// by owners that were killed, on any display) and makes its own anew zeroed, so stale contents
// never reach a child and killed owners leave nothing for long. The owner removes the segment
// and its published name when it closes; children only open, use and unmap it.

#include "common/process/UniqueFd.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <string>

class CSharedNameBuffer {
public:
    static constexpr std::size_t kSize = 200;

    // Why the last Open failed.
    enum class Failure {
        None,
        Missing,  // no owner has made the buffer
        Unusable, // a segment of that name exists but is not the owner's buffer, or cannot be mapped
    };

    CSharedNameBuffer() = default;
    ~CSharedNameBuffer();
    CSharedNameBuffer(const CSharedNameBuffer&) = delete;
    CSharedNameBuffer& operator=(const CSharedNameBuffer&) = delete;

    // Owner side: removes the segment published earlier, makes a fresh zeroed one under a new
    // name, maps it and publishes the name.
    bool Create(const char* name = "BASNEVFILENAME");
    // Child side: maps the owner's segment; false when there is none (or it has the wrong size).
    bool Open(const char* name = "BASNEVFILENAME");
    // Unmaps; the owner also removes the name.
    void Close();
    bool IsOpen() const { return view_ != nullptr; }
    Failure LastFailure() const { return failure_; }

    void Zero();
    // The string held (up to the first NUL, at most kSize - 1 bytes).
    CString Read() const;
    // Stores the text and its NUL; false (nothing written) when it does not fit in kSize - 1 bytes.
    bool Write(const CString& text);

    // The system name of the shared-memory object published for a buffer name; empty
    // when none is published.
    static std::string SystemName(const char* name);
    // Where the system name is published (empty without a usable runtime directory).
    static std::string PublishedNamePath(const char* name);

private:
    bool Map(int fd);

    char* view_ = nullptr;
    std::string ownedName_;       // set only on the owner side
    std::string publishedPath_;   // where the owner published ownedName_
    process::UniqueFd ownerLock_; // the owner's open segment, locked while it runs
    Failure failure_ = Failure::None;
};
