// Damaged inputs: whatever the bytes, a run ends with a complete log, no list file, and either
// no result or a well-formed one; the process never ends or crashes.

#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace fs = std::filesystem;

namespace kalipe {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            if (start < text.size()) {
                lines.push_back(text.substr(start));
            }
            break;
        }
        lines.push_back(text.substr(start, end - start + 1));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

// One random damage of the kinds a broken transfer or a hand edit leaves.
std::string Mutate(std::string text, std::mt19937& random) {
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n == 0 ? 0 : n - 1)(random);
    };
    static const char* const kFields[] = {"  1.0E300 ", " -9.9E307 ", "   1.E-300", "  -0.0000 ",
                                          "         0", "999999999.", "    -90.00", "    90.000",
                                          "       nan", "      1E99"};
    std::vector<std::string> lines = SplitLines(text);
    switch (pick(9)) {
    case 0: // a byte of any value
        if (!text.empty()) {
            text[pick(text.size())] = static_cast<char>(pick(256));
        }
        return text;
    case 1: // cut short
        return text.substr(0, pick(text.size() + 1));
    case 2: // a line lost
        if (!lines.empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(pick(lines.size())));
        }
        return JoinLines(lines);
    case 3: // a line twice
        if (!lines.empty()) {
            const std::size_t at = pick(lines.size());
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
        }
        return JoinLines(lines);
    case 4: { // binary noise
        std::string noise(pick(64) + 1, '\0');
        for (char& c : noise) {
            c = static_cast<char>(pick(256));
        }
        text.insert(pick(text.size() + 1), noise);
        return text;
    }
    case 5: // a numeric field replaced by an extreme or odd value
        if (!lines.empty()) {
            std::string& line = lines[pick(lines.size())];
            const std::size_t column = 10 + 10 * pick(4);
            if (line.size() < column + 10) {
                line.resize(column + 10, ' ');
            }
            line.replace(column, 10, kFields[pick(std::size(kFields))]);
            if (line.find('\n') == std::string::npos) {
                line += "\r\n";
            }
        }
        return JoinLines(lines);
    case 6: // two lines swapped
        if (lines.size() > 1) {
            std::swap(lines[pick(lines.size())], lines[pick(lines.size())]);
        }
        return JoinLines(lines);
    case 7: // a digit changed
        for (int tries = 0; tries < 20 && !text.empty(); ++tries) {
            char& c = text[pick(text.size())];
            if (c >= '0' && c <= '9') {
                c = static_cast<char>('0' + pick(10));
                break;
            }
        }
        return text;
    default: // line ends lost or changed
        std::replace(text.begin(), text.end(), pick(2) == 0 ? '\r' : '\n', pick(2) == 0 ? ' ' : '\n');
        return text;
    }
}

class RobustnessTest : public test::ScratchDirTest {
protected:
    void ExpectSoundFiles(const std::string& input, int iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        test::WriteBytes(Path("fuzz.slf"), "stale");
        test::WriteBytes(Path("fuzz.qel"), input);
        test::RunSolverOn(Path("fuzz.qel").string());
        EXPECT_FALSE(fs::exists(Path("fuzz.lst")));
        const std::string logBytes = test::ReadBytes(Path("fuzz.log"));
        const std::vector<std::string> log = test::CrLfLines(logBytes);
        ASSERT_GE(log.size(), 2u);
        const bool solved = fs::exists(Path("fuzz.slf"));
        const std::string closing = solved ? test::Sjis(u8"***** 出力ﾌｧｲﾙ : ")
                                           : test::Sjis(u8"***** 計算は実行されませんでした *****");
        EXPECT_EQ(log.back().substr(0, closing.size() + 1), " " + closing);
        ExpectNoNonNumbers(logBytes);
        if (!solved) {
            return;
        }
        const std::string result = test::ReadBytes(Path("fuzz.slf"));
        ExpectNoNonNumbers(result);
        const std::vector<std::string> lines = test::CrLfLines(result);
        ASSERT_GE(lines.size(), 4u);
        const int blocks = std::stoi(lines[1].substr(17, 3));
        EXPECT_GE(blocks, 1);
        EXPECT_EQ(lines.size(), 3u + static_cast<std::size_t>(blocks));
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), 80u);
        }
    }

    static void ExpectNoNonNumbers(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(text.find("nan"), std::string::npos);
        EXPECT_EQ(text.find("inf"), std::string::npos);
    }
};

TEST_F(RobustnessTest, DamagedInputsNeverStopTheProcess) {
    const std::vector<std::string> bases = {
        test::ReadBytes(fs::path(VERRANT_TEST_DATA_DIR) / "sample_no_lines.qel"),
        test::ReadBytes(fs::path(VERRANT_TEST_DATA_DIR) / "sample_one_line.qel"),
        test::ReadBytes(fs::path(VERRANT_TEST_DATA_DIR) / "sample_two_lines.qel"),
    };
    std::mt19937 random(4242);
    int solvedRuns = 0;
    for (int iteration = 0; iteration < 600; ++iteration) {
        std::string input = bases[static_cast<std::size_t>(iteration) % bases.size()];
        const int damages = 1 + iteration % 3;
        for (int d = 0; d < damages; ++d) {
            input = Mutate(input, random);
        }
        ExpectSoundFiles(input, iteration);
        solvedRuns += fs::exists(Path("fuzz.slf")) ? 1 : 0;
        if (HasFatalFailure()) {
            return;
        }
    }
    // Most single damages leave a solvable input; the loop must reach the analysis, not only the checks.
    EXPECT_GT(solvedRuns, 100);
}

TEST_F(RobustnessTest, PureNoiseAndEmptyishFiles) {
    std::mt19937 random(99);
    const std::vector<std::string> inputs = {"\n",
                                             "\r\n\r\n",
                                             "END\r\n",
                                             std::string(1, '\0'),
                                             std::string(100000, 'x'),
                                             "NODE \r\nPOINT\r\nLEFT \r\nDISP \r\nEND  \r\n",
                                             "TITLE"};
    int iteration = 0;
    for (const std::string& input : inputs) {
        ExpectSoundFiles(input, iteration++);
    }
    for (int i = 0; i < 50; ++i) {
        std::string noise(static_cast<std::size_t>(random() % 3000), '\0');
        for (char& c : noise) {
            c = static_cast<char>(random() % 256);
        }
        ExpectSoundFiles(noise, iteration++);
    }
}

} // namespace
} // namespace kalipe
