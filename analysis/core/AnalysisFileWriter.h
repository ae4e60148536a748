#pragma once
// Writes a document's analysis file (".slo"): the names of its section model and
// measurement files, the settings, block lines, boundary points, weights and exclusions,
// and slip lines.

#include "platform/core/SafeFileWriter.h"

namespace torvan {

class CBlockDoc;

class AnalysisFileWriter {
public:
    explicit AnalysisFileWriter(const CBlockDoc& doc) : doc_(doc) {}

    // 1 written, 0 when the file does not open or a file error stops the writing (after
    // its message). The path form replaces the file safely (no backup); the writer form
    // leaves the commit to the caller.
    int Write(const char* path) const;
    int Write(platform::SafeFileWriter& writer) const;

private:
    const CBlockDoc& doc_;
};

} // namespace torvan
