#include "platform/core/DiskNames.h"

#include "platform/core/CStdioFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/SafeFileWriter.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/NonRegularFile.h"
#include "testsupport/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Each way the layer opens a document, reading or writing; true when it refused.
const std::vector<std::pair<const char*, std::function<bool(const CString&)>>>& Openers() {
    static const std::vector<std::pair<const char*, std::function<bool(const CString&)>>> openers = {
        {"CFile read", [](const CString& path) { return !CFile().Open(path, CFile::modeRead); }},
        {"CStdioFile read", [](const CString& path) { return !CStdioFile().Open(path, CFile::modeRead); }},
        {"CStdioFile append",
         [](const CString& path) {
             return !CStdioFile().Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
         }},
        {"settings read",
         [](const CString& path) {
             return platform::ProfileFile(path).GetString("A", "B", "none") == "none";
         }},
        {"safe write",
         [](const CString& path) {
             platform::SafeFileWriter writer(path);
             CFileException error;
             return writer.Create(&error) < 0 && error.m_cause != CFileException::none;
         }},
    };
    return openers;
}

TEST(DiskNames, SpecialFilesAtADocumentsNameAreRefusedWithoutWaiting) {
    testsupport::TempDir dir;
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        const std::string path = dir.File(kind + ".dat");
        ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path)) << kind;
        for (const auto& opener : Openers()) {
            // A wait at the FIFO ends the child after a few seconds and fails the case.
            EXPECT_EQ(testsupport::RunInChildWithFileSizeLimit(1 << 20,
                                                               [&] {
                                                                   ::alarm(5);
                                                                   return opener.second(CString(path)) ? 0
                                                                                                       : 1;
                                                               }),
                      0)
                << opener.first << " at a " << kind;
        }
        EXPECT_EQ(platform::EntryAt(path.c_str()),
                  kind == "directory" ? platform::DiskEntry::Directory : platform::DiskEntry::Special);
        EXPECT_FALSE(platform::IsMissingDocument(path.c_str())) << "its open says why: " << kind;
    }
    EXPECT_TRUE(platform::IsMissingDocument(dir.File("none.dat").c_str()));
    testsupport::WriteBytes(dir.File("a.dat"), "a");
    EXPECT_FALSE(platform::IsMissingDocument(dir.File("a.dat").c_str()));
}

TEST(DiskNames, AReadOnlyDocumentOpensAndIsNeverReplaced) {
    testsupport::TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all);
    const CString path(platform::Utf8ToCp932(dir.Write(u8"読取専用.dat", "old\r\n")));
    ::chmod(platform::DiskName(path.str()).c_str(), 0444);
    const int result = testsupport::RunInChildAsUser([&] {
        CStdioFile reader;
        CString line;
        if (!reader.Open(path, CFile::modeRead) || !reader.ReadString(line) || line != "old") {
            return 1;
        }
        platform::SafeFileWriter writer(path);
        CFileException error;
        if (writer.Create(&error) >= 0 || error.m_cause != CFileException::accessDenied) {
            return 2;
        }
        return platform::WriteFileSafely(path, "new\r\n") ? 3 : 0;
    });
    EXPECT_EQ(result, 0);
    // Also for the superuser, who could write it: the file says it is not to be written.
    EXPECT_FALSE(platform::WriteFileSafely(path, "new\r\n"));
    EXPECT_EQ(testsupport::ReadBytes(platform::DiskName(path.str())), "old\r\n");
    EXPECT_EQ(dir.EntryCount(), 1);
}

// A name given relative to the working directory is kept by the name that reaches the same
// file from anywhere; one that cannot be made full stays as it was given.
TEST(DiskNames, ARelativeNameIsMadeFullFromTheWorkingDirectory) {
    testsupport::TempDir dir;
    const fs::path started = fs::current_path();
    fs::create_directories(dir.Path() / fs::u8path(u8"作業") / fs::u8path(u8"café"));
    fs::current_path(dir.Path() / fs::u8path(u8"作業"));
    const std::string working = platform::Utf8ToCp932(fs::current_path().string());
    const std::string parent = platform::Utf8ToCp932(fs::current_path().parent_path().string());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {platform::Utf8ToCp932(u8"大文字.SLO"), working + platform::Utf8ToCp932(u8"/大文字.SLO")},
        {"./ro//./sample.slo", working + "/ro/sample.slo"},
        {"../sample.slo", parent + "/sample.slo"},
        {"ro/../sample.slo", working + "/ro/../sample.slo"}, // "ro" may be a link: kept
        {"/d/sample.slo", "/d/sample.slo"},
        {"", ""},
    };
    for (const auto& [given, full] : cases) {
        EXPECT_EQ(platform::FullPathName(given), full) << given;
    }
    // CP932 has no "é": the working directory has no suite name to put before the name.
    fs::current_path(fs::u8path(u8"café"));
    const std::string unheld = platform::FullPathName("sample.slo");
    fs::current_path(started);
    EXPECT_EQ(unheld, "sample.slo");
}

} // namespace
