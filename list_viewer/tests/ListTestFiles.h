#pragma once
// Test texts of the list viewer.

#include <string>

namespace wenux::test {

// n lines "L000001" ... each ended by CR LF.
std::string NumberedLines(int count);
// The bytes of a file of the tests' data directory.
std::string DataFile(const char* name);

} // namespace wenux::test
