#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

TestFiles::TestFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dialogs-XXXXXX").string();
    directory_ = mkdtemp(pattern.data());
}

TestFiles::~TestFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

std::string TestFiles::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string TestFiles::MakeDirectory(const std::string& name) const {
    std::filesystem::create_directories(Path(name));
    return Path(name);
}

std::string TestFiles::TitleLine(const std::string& title, const std::string& tag) {
    std::string line = "TITLE     " + title;
    line.resize(60, ' ');
    return line + tag;
}
