#pragma once
// Runs a piece of code in a forked child process, for limits that must not touch the test
// program itself (a file-size limit makes a write fail part way).

#include <cstddef>
#include <functional>

namespace testsupport {

// The child ignores SIGXFSZ (writes past the limit fail with EFBIG), may write at most
// maxFileBytes bytes into any file, runs body and exits with its result. Returns the
// child's exit status, or -1 when it did not exit normally.
int RunInChildWithFileSizeLimit(std::size_t maxFileBytes, const std::function<int()>& body);

// The child runs body as a user without the superuser's rights (the user "nobody" when the
// tests run as root, else the test's own user), so that permission bits hold as they do for
// a user; body must not take more than a few seconds (a child that waits, at a FIFO say, is
// ended and counts as failed). The directories body uses must be open to that user.
// Returns the child's exit status, or -1 when it did not exit normally.
int RunInChildAsUser(const std::function<int()>& body);

// The child may grow its address space by at most headroomBytes beyond what it has at the
// fork (an allocation past that fails as on a machine out of memory), runs body and exits
// with its result; returns as above. For readers that must not hold a huge input whole.
// Under AddressSanitizer, whose own mappings fail under such a limit, the body runs unlimited.
int RunInChildWithMemoryLimit(std::size_t headroomBytes, const std::function<int()>& body);

} // namespace testsupport
