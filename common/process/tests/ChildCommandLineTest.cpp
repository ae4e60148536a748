// The child side of the command line, as every program started by the base menu reads it:
// the launcher's one name per argument, and the older one-text forms.

#include "common/process/ChildCommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace process {
namespace {

struct Case {
    std::vector<CString> args;
    bool newFile;
    std::vector<CString> names;
};

std::string Shown(const std::vector<CString>& texts) {
    std::string shown;
    for (const CString& text : texts) {
        shown += "[" + std::string(text.GetString()) + "]";
    }
    return shown;
}

TEST(ChildCommandLineTest, QuotesAndTheNewFileMarkInEveryForm) {
    const Case cases[] = {
        {{}, false, {}},
        {{"@"}, true, {}},
        {{"@", "/d/new.slo", "/d/s.sec"}, true, {"/d/new.slo", "/d/s.sec"}},
        {{"@/d/a.sec"}, true, {"/d/a.sec"}},
        {{"@data/new.dis"}, true, {"data/new.dis"}},
        {{"\"@ /d/a b.slo", "/d/s.sec", "/d/m.dis\""}, true, {"/d/a b.slo", "/d/s.sec", "/d/m.dis"}},
        {{"\"@/d/a b.slo", "/d/s.sec", "/d/m.dis\""}, true, {"/d/a b.slo", "/d/s.sec", "/d/m.dis"}},
        {{"\"@ /d/a.sec\""}, true, {"/d/a.sec"}},
        {{" @/d/a.sec"}, true, {"/d/a.sec"}},
        // An "@" inside a name is part of it: it never makes another file to create.
        {{"a@b.sec"}, false, {"a@b.sec"}},
        {{"/d/@.sec"}, false, {"/d/@.sec"}},
        // Quotes go only at the ends; one inside a name stays.
        {{"\"/d/x y.sec\""}, false, {"/d/x y.sec"}},
        {{"\"my.dir/a.DIS\"", "my.dir/s.sec"}, false, {"my.dir/a.DIS", "my.dir/s.sec"}},
        {{"/d/say \"hi\" there.sec"}, false, {"/d/say \"hi\" there.sec"}},
        {{"/d/a.dis", "", "/d/s.sec"}, false, {"/d/a.dis", "", "/d/s.sec"}},
        // Blanks and Japanese letters travel whole within their argument.
        {{"/d/斜面 A.SLO", "/d/断面 1.sec", "/d/計測.dis"},
         false,
         {"/d/斜面 A.SLO", "/d/断面 1.sec", "/d/計測.dis"}},
    };
    for (const Case& c : cases) {
        const ChildArguments read = ReadChildArguments(c.args);
        EXPECT_EQ(read.newFile, c.newFile) << Shown(c.args);
        EXPECT_EQ(Shown(read.names), Shown(c.names)) << Shown(c.args);
    }
}

TEST(ChildCommandLineTest, AnExtensionIsThatOfTheLastComponentInAnyCase) {
    const struct {
        const char* name;
        const char* extension;
        bool has;
    } cases[] = {
        {"/d/a.slo", ".slo", true},   {"/d/斜面 A.SLO", ".slo", true},
        {"a.b.Dis", ".dis", true},    {"my.dir/a.DIS", ".dis", true},
        {"/d.slo/a", ".slo", false},  {"my.dir/a", ".dis", false},
        {"/d/.slo", ".slo", false}, // no name before it
        {"/d/a.slox", ".slo", false}, {"", ".slo", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasExtension(c.name, c.extension), c.has) << c.name << " " << c.extension;
    }
}

TEST(ChildCommandLineTest, NamesOnDiskBecomeTheSuitesNamesOrAreRefused) {
    EXPECT_EQ(SuiteArgument(reinterpret_cast<const char*>(u8"/d/日本語フォルダ/a.slo")),
              CString(u8"/d/日本語フォルダ/a.slo"));
    EXPECT_EQ(SuiteArgument(reinterpret_cast<const char*>(u8"/d/한국어.slo")), std::nullopt);
    EXPECT_EQ(JoinedNames({"/d/my", "run.log"}), CString("/d/my run.log"));
}

} // namespace
} // namespace process
