// What closing a plot-output document started with its file removes, and the lock it holds
// on the index file meanwhile.

#include "drawing_viewer/core/CMainDoc.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

namespace zapho {
namespace {

namespace fs = std::filesystem;

class PlotFileCleanupTest : public testsupport::TempDirTest {
protected:
    // An index of two pages; both page files and the index are read.
    BOOL OpenTwoPages() {
        dir_.Write("a.p01", "L0,0,1,1\n");
        dir_.Write("b.p01", "L0,0,2,2\n");
        return doc_.OnOpenDocument(
            dir_.Write("plot.p00", "a.p01 2970 2100 0.1 8\nb.p01 2970 2100 0.1 8\n").c_str(),
            CMainDoc::kPlotExtension);
    }
    void CloseRemoving() {
        doc_.SetPlotFileCleanup(true);
        doc_.ReleasePlotFiles();
    }
    bool Exists(const std::string& name) const {
        return fs::symlink_status(dir_.File(name)).type() != fs::file_type::not_found;
    }

    CMainDoc doc_;
};

struct CleanupCase {
    const char* what;
    std::function<void(const testsupport::TempDir& dir, const testsupport::TempDir& outside)> afterRead;
    std::vector<std::string> kept; // in the index directory
};

TEST_F(PlotFileCleanupTest, RemovesOnlyTheUnchangedRegularFilesThatWereRead) {
    testsupport::TempDir outside;
    const CleanupCase cases[] = {
        {"nothing changed", [](auto&, auto&) {}, {}},
        {"a page grew", [](auto& dir, auto&) { dir.Write("a.p01", "L0,0,1,1\nL1,1,2,2\n"); }, {"a.p01"}},
        {"a page was replaced by another file",
         [](auto& dir, auto&) {
             fs::remove(dir.File("b.p01"));
             dir.Write("b.p01", "L0,0,2,2\n");
         },
         {"b.p01"}},
        {"a page became a link to a file elsewhere",
         [](auto& dir, auto& other) {
             fs::remove(dir.File("a.p01"));
             fs::create_symlink(other.Write("keep.txt", "x"), dir.File("a.p01"));
         },
         {"a.p01"}},
        {"the index was rewritten (other times)",
         [](auto& dir, auto&) {
             fs::last_write_time(dir.File("plot.p00"),
                                 fs::file_time_type::clock::now() + std::chrono::hours(1));
         },
         {"plot.p00"}},
        {"a file the index does not name",
         [](auto& dir, auto&) { dir.Write("other.p01", "L0,0,1,1\n"); },
         {"other.p01"}},
    };
    for (const CleanupCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(dir_.Path())) {
            fs::remove(entry.path());
        }
        ASSERT_TRUE(OpenTwoPages());
        c.afterRead(dir_, outside);
        CloseRemoving();
        for (const char* name : {"a.p01", "b.p01", "plot.p00", "other.p01"}) {
            const bool kept = std::find(c.kept.begin(), c.kept.end(), name) != c.kept.end();
            EXPECT_EQ(Exists(name), kept) << name;
        }
        EXPECT_TRUE(fs::exists(outside.File("keep.txt")) ||
                    std::string(c.what).find("link") == std::string::npos);
    }
}

// A user's own files that an index names are not plot files a drawing run wrote: nothing of
// such a set goes, not even the index.
TEST_F(PlotFileCleanupTest, RemovesOnlyFilesThatReadAsADrawingRunWritesThem) {
    struct Case {
        const char* what;
        std::string indexName;
        std::vector<std::pair<std::string, std::string>> pages; // name, bytes
        bool removed;
    } cases[] = {
        {"as a drawing run writes them", "plot.p00", {{"plot.p01", "V0\nL0,0,1,1\n"}}, true},
        {"pages named as other files",
         "plot.p00",
         {{"important.sec", "TITLE  section    MERDOK001\n    1   10.0   20.0\nP  1\n"},
          {"important.slo", "S1,2\nL0,0,1,1\n"}},
         false},
        {"an index of another name", "plot.idx", {{"plot.p01", "L0,0,1,1\n"}}, false},
        {"a page with lines no drawing run writes", "plot.p00", {{"plot.p01", "L0,0,1,1\n# note\n"}}, false},
        {"a page with a number command of words", "plot.p00", {{"plot.p01", "L0,0,1,1\nTITLE x\n"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(dir_.Path())) {
            fs::remove(entry.path());
        }
        std::string index;
        for (const auto& [name, bytes] : c.pages) {
            dir_.Write(name, bytes);
            index += name + " 2970 2100 0.1 8\n";
        }
        ASSERT_TRUE(doc_.OnOpenDocument(dir_.Write(c.indexName, index).c_str(), CMainDoc::kPlotExtension));
        CloseRemoving();
        EXPECT_EQ(dir_.EntryCount(), c.removed ? 0 : static_cast<int>(c.pages.size()) + 1);
    }
}

TEST_F(PlotFileCleanupTest, AnIndexNamingFilesElsewhereOpensNothingAndRemovesNothing) {
    testsupport::TempDir outside;
    const std::string foreign = outside.Write("x.p01", "L0,0,1,1\n");
    for (const std::string& name : {foreign, std::string("../") + fs::path(foreign).filename().string()}) {
        EXPECT_FALSE(doc_.OnOpenDocument(dir_.Write("plot.p00", name + " 2970 2100 0.1 8\n").c_str(),
                                         CMainDoc::kPlotExtension));
        CloseRemoving();
        EXPECT_TRUE(fs::exists(foreign));
        EXPECT_TRUE(Exists("plot.p00"));
    }
}

TEST_F(PlotFileCleanupTest, TheIndexIsLockedWhileShownAndAWriterKeepsItFromOpening) {
    ASSERT_TRUE(OpenTwoPages());
    const int writer = ::open(dir_.File("plot.p00").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    EXPECT_NE(::flock(writer, LOCK_EX | LOCK_NB), 0) << "a drawing run cannot rewrite the shown index";
    doc_.ReleasePlotFiles();
    EXPECT_EQ(::flock(writer, LOCK_EX | LOCK_NB), 0) << "released on close";
    CMainDoc other;
    EXPECT_FALSE(other.OnOpenDocument(dir_.File("plot.p00").c_str(), CMainDoc::kPlotExtension))
        << "an index being written is not read";
    ::close(writer);
}

} // namespace
} // namespace zapho
