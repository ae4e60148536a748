#pragma once
// A data file's first line: TITLE, the title, and the format tag from column 61.

#include <string>

inline std::string TitleLine(const std::string& title, const std::string& tag) {
    std::string line = "TITLE     " + title;
    line.resize(60, ' ');
    return line + tag;
}
