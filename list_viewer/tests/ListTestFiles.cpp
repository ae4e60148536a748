#include "ListTestFiles.h"

#include "testsupport/FileBytes.h"

#include <cstdio>

namespace wenux::test {

std::string NumberedLines(int count) {
    std::string bytes;
    char line[16];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "L%06d\r\n", i);
        bytes += line;
    }
    return bytes;
}

std::string DataFile(const char* name) {
    return testsupport::ReadBytes(std::string(VERRANT_TEST_DATA_DIR) + "/" + name);
}

} // namespace wenux::test
