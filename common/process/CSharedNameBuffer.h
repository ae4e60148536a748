#pragma once
// The base menu's 200-byte shared name buffer ("BASNEVFILENAME"): one NUL-terminated
// CP932 file name that the base menu and a child exchange.
//
// It is a POSIX shared-memory object whose name is made per user and per runtime
// directory (one per desktop session), so that two users never meet in it. The owner
// (the base menu) creates it zeroed; a segment left behind by an owner that was killed
// is removed and made anew, so stale contents never reach a child. The owner removes
// the name when it closes; children only open, use and unmap it.

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

    // Owner side: replaces any segment of that name with a fresh zeroed one and maps it.
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

    // The system name of the shared-memory object for a buffer name.
    static std::string SystemName(const char* name);

private:
    bool Map(int fd);

    char* view_ = nullptr;
    std::string ownedName_; // set only on the owner side
    Failure failure_ = Failure::None;
};
