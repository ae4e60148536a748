#include "analysis/app/CommandLine.h"

#include <gtest/gtest.h>

namespace torvan {
namespace {

struct CommandLineCase {
    std::vector<CString> args;
    bool create;
    const char* first;
    const char* analysis;
    const char* section;
    const char* measurement;
};

class CommandLineForms : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineForms, NamesAndFormAsTheBaseMenuPassesThem) {
    const CommandLineCase& c = GetParam();
    const CommandLineNames names = ParseCommandLine(c.args);
    EXPECT_EQ(names.create, c.create);
    EXPECT_STREQ(names.first.GetString(), c.first);
    EXPECT_STREQ(names.analysis.GetString(), c.analysis);
    EXPECT_STREQ(names.section.GetString(), c.section);
    EXPECT_STREQ(names.measurement.GetString(), c.measurement);
}

// Quotes, the new-file mark, the extension rule and names with blanks are the child-side
// reader's (common/process/tests/ChildCommandLineTest.cpp); the program gives the names
// their places and takes the first as its analysis file only when it ends in ".slo".
INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLineForms,
    ::testing::Values(
        CommandLineCase{
            {"/d/a.slo", "/d/s.sec", "/d/m.dis"}, false, "/d/a.slo", "/d/a.slo", "/d/s.sec", "/d/m.dis"},
        CommandLineCase{{"@", "/d/new.slo", "/d/s.sec", "/d/m.dis"},
                        true,
                        "/d/new.slo",
                        "/d/new.slo",
                        "/d/s.sec",
                        "/d/m.dis"},
        // Not an analysis file: still the first name, but no analysis name.
        CommandLineCase{{"/d/a.txt", "/d/s.sec"}, false, "/d/a.txt", "", "/d/s.sec", ""}));

} // namespace
} // namespace torvan
