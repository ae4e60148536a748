#pragma once
// A program of the suite or the system run for a benchmark as the base menu starts one:
// posix_spawn, no shell between (a shell's start would be timed with the program), the
// program's standard output thrown away.

#include <string>
#include <vector>

namespace benchsupport {

// Runs the program (a path, or a name looked up on PATH) with the arguments; true when it
// ran and exited with status 0.
bool RunQuietly(const std::string& program, const std::vector<std::string>& arguments);

} // namespace benchsupport
