#pragma once
// Shared helpers of the solver tests: scratch directories, whole-file reads and writes,
// CP932 texts and runs of the solver on files.

#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalipe::test {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// A UTF-8 source text in CP932.
std::string Sjis(const char8_t* text);
// A UTF-8 source text as it is.
inline std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// The lines of a CR LF text; a bare LF or a missing last line end fails the current test.
std::vector<std::string> CrLfLines(const std::string& bytes);

// Runs the solver on a path given as the analysis program gives it (CP932 bytes).
void RunSolverOn(const std::string& cp932Path);

// A fresh directory per test, with a blank and a dot in its name, removed afterwards.
class ScratchDirTest : public ::testing::Test {
protected:
    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }
    // Writes an input file and runs the solver on it; returns the log's lines.
    std::vector<std::string> Solve(const std::string& name, const std::string& bytes);

    testsupport::TempDir temp_{"kalipe test.d"};
    const std::filesystem::path dir_ = temp_.Path();
};

} // namespace kalipe::test
