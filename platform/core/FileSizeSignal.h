#pragma once
// A write past the file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, whose default ends the
// process mid-save without a word. Every program and tool ignores it first thing, so such
// a write fails with EFBIG instead and the writer shows its write-error message (the disk is
// not full) while the safe writer keeps the old file.

namespace platform {

void IgnoreFileSizeSignal();

} // namespace platform
