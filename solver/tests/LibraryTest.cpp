// The shared library as the analysis program loads it: dlopen, then HOBRINT by name.

#include "SolverTestSupport.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstring>

namespace fs = std::filesystem;

namespace kalipe {
namespace {

using Entry = void (*)(const char*, int);

class LibraryTest : public test::ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        library_ = dlopen(KALIPE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        solve_ = reinterpret_cast<Entry>(dlsym(library_, "HOBRINT"));
        ASSERT_NE(solve_, nullptr);
    }
    void TearDown() override {
        if (library_) {
            dlclose(library_);
        }
        ScratchDirTest::TearDown();
    }
    void* library_ = nullptr;
    Entry solve_ = nullptr;
};

TEST_F(LibraryTest, SolvesTheSampleAndHidesItsInternals) {
    fs::copy_file(fs::path(VERRANT_TEST_DATA_DIR) / "sample_one_line.qel", Path("sample.qel"));
    const std::string path = Path("sample.qel").string();
    solve_(path.data(), static_cast<int>(path.size()));
    EXPECT_EQ(test::ReadBytes(Path("sample.slf")),
              test::ReadBytes(fs::path(VERRANT_TEST_DATA_DIR) / "sample_one_line.expected.slf"));
    EXPECT_EQ(dlsym(library_, "_ZN6kalipe9SolverRun3RunESt17basic_string_viewIcSt11char_traitsIcEE"),
              nullptr);
}

TEST_F(LibraryTest, ReadsOnlyLengthBytesOfThePath) {
    fs::copy_file(fs::path(VERRANT_TEST_DATA_DIR) / "sample_no_lines.qel", Path("case.qel"));
    // The path sits in a buffer without a terminating NUL, followed by unrelated bytes.
    const std::string path = Path("case.qel").string();
    std::vector<char> buffer(path.begin(), path.end());
    for (const char* tail : {"X.txt", " trailing words"}) {
        std::vector<char> withTail = buffer;
        withTail.insert(withTail.end(), tail, tail + std::strlen(tail));
        solve_(withTail.data(), static_cast<int>(path.size()));
        EXPECT_TRUE(fs::exists(Path("case.slf"))) << tail;
        fs::remove(Path("case.slf"));
    }
    // A length that stops before the extension names the same input without one.
    solve_(buffer.data(), static_cast<int>(path.size() - 4));
    EXPECT_TRUE(fs::exists(Path("case.slf")));
}

TEST_F(LibraryTest, NoPathOrNoLengthDoesNothing) {
    const std::string path = Path("none.qel").string();
    solve_(nullptr, 10);
    solve_(path.data(), 0);
    solve_(path.data(), -5);
    EXPECT_TRUE(fs::is_empty(dir_));
}

} // namespace
} // namespace kalipe
