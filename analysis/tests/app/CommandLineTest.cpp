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
        // A quoted name and the mark glued to the first name.
        CommandLineCase{{"\"@/d/a b.slo", "/d/s.sec", "/d/m.dis\""},
                        true,
                        "/d/a b.slo",
                        "/d/a b.slo",
                        "/d/s.sec",
                        "/d/m.dis"},
        // Blanks and Japanese names travel whole; an upper-case extension counts.
        CommandLineCase{{"/d/斜面 A.SLO", "/d/断面 1.sec", "/d/計測.dis"},
                        false,
                        "/d/斜面 A.SLO",
                        "/d/斜面 A.SLO",
                        "/d/断面 1.sec",
                        "/d/計測.dis"},
        // Not an analysis file: still the first name, but no analysis name.
        CommandLineCase{{"/d/a.txt", "/d/s.sec"}, false, "/d/a.txt", "", "/d/s.sec", ""},
        CommandLineCase{{"/d.slo/a"}, false, "/d.slo/a", "", "", ""},
        CommandLineCase{{"@"}, true, "", "", "", ""}, CommandLineCase{{}, false, "", "", "", ""}));

} // namespace
} // namespace torvan
