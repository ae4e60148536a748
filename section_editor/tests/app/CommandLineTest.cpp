// The command line as the base menu and users pass it: what the section editor makes of the
// names the child-side reader gives (its quotes and new-file mark are tested with the reader).

#include "section_editor/app/CommandLine.h"

#include <gtest/gtest.h>

namespace merdok {
namespace {

struct Case {
    std::vector<const char*> args;
    StartRequest::Kind kind;
    const char* path;
};

TEST(MerdokCommandLineTest, FormsOfTheCommandLine) {
    const Case cases[] = {
        {{}, StartRequest::kNoDocument, ""},
        {{"@", "/data/new model.sec"}, StartRequest::kCreate, "/data/new model.sec"},
        {{"@/data/a.SEC"}, StartRequest::kCreate, "/data/a.SEC"},
        {{"@", "/data/a.secx"}, StartRequest::kCreate, "/data/a.sec"},
        {{"@", "/data/a.txt"}, StartRequest::kNoDocument, ""},
        {{"@", "/data.v2/model"}, StartRequest::kNoDocument, ""},
        {{"@"}, StartRequest::kNoDocument, ""},
        {{"-e"}, StartRequest::kNoDocument, ""},
        {{"-Embed"}, StartRequest::kNoDocument, ""},
        {{"/E"}, StartRequest::kNoDocument, ""},
        {{"/e"}, StartRequest::kNoDocument, ""},
        {{"/export/model.sec"}, StartRequest::kOpen, "/export/model.sec"},
        {{"/data/x", "y.sec"}, StartRequest::kOpen, "/data/x y.sec"},
    };
    for (const Case& c : cases) {
        std::vector<CString> args;
        for (const char* arg : c.args) {
            args.emplace_back(arg);
        }
        const StartRequest request = ParseCommandLine(args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(request.kind, c.kind) << shown;
        EXPECT_STREQ(request.path.GetString(), c.path) << shown;
    }
}

TEST(MerdokCommandLineTest, LongNamesAreKeptWhole) {
    const std::string directory = "/" + std::string(300, 'd');
    const StartRequest request = ParseCommandLine({CString("@"), CString((directory + "/m.sec").c_str())});
    EXPECT_EQ(request.kind, StartRequest::kCreate);
    EXPECT_EQ(request.path.GetLength(), static_cast<int>(directory.size() + 6));
}

} // namespace
} // namespace merdok
