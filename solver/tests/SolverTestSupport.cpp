#include "SolverTestSupport.h"

#include "solver/RunLog.h"
#include "solver/SolverRun.h"

namespace fs = std::filesystem;

namespace kalipe::test {

std::string Sjis(const char8_t* text) {
    return Cp932(text);
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF: " << bytes.substr(start);
            lines.push_back(bytes.substr(start));
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line end in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

void RunSolverOn(const std::string& cp932Path) {
    SolverRun().Run(cp932Path);
}

std::vector<std::string> ScratchDirTest::Solve(const std::string& name, const std::string& bytes) {
    WriteBytes(Path(name), bytes);
    RunSolverOn(Path(name).string());
    const fs::path log = Path(name).replace_extension(".log");
    EXPECT_TRUE(fs::exists(log)) << log;
    EXPECT_FALSE(fs::exists(Path(name).replace_extension(".lst")));
    return CrLfLines(ReadBytes(log));
}

} // namespace kalipe::test
