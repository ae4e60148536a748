#include "DxfTestFiles.h"

#include "DxfSampleDrawing.h"

#include <fstream>

namespace dxftest {

std::string OutputPath(const std::string& name) {
    return TestOutputDirectory() + "/" + name;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string DxfText(const std::vector<std::string>& pairs) {
    std::string text;
    for (const std::string& line : pairs) {
        text += line + "\r\n";
    }
    return text;
}

std::string EntitiesDxf(const std::vector<std::string>& pairs) {
    std::vector<std::string> all = {"0", "SECTION", "2", "ENTITIES"};
    all.insert(all.end(), pairs.begin(), pairs.end());
    all.insert(all.end(), {"0", "ENDSEC", "0", "EOF"});
    return DxfText(all);
}

} // namespace dxftest
