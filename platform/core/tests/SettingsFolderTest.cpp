// Settings live in the user's folder, first filled from the copy beside the program, which is
// never written: a packaged install (a read-only program directory) keeps every setting.

#include "platform/core/SettingsFolder.h"
#include "platform/core/ModulePath.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/RecordingSink.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
        program_.Write("torvan.INI", "[Title]\r\nFile=\r\n");
    }
    std::string UserFile(const std::string& name) const { return config_.File("verrant/" + name); }

    testsupport::TempDir config_{"settings-config"};
    testsupport::TempDir program_{"settings-program"};
    platform::RecordingSink sink_;
};

TEST_F(SettingsFolderTest, TheProgramsSettingsFileIsTheUsersSeededFromTheOneBesideTheProgram) {
    struct Case {
        const char* what;
        const char* userBefore; // null: no user file yet
        const char* expected;
    };
    const Case cases[] = {
        {"first use takes the copy beside the program", nullptr, "[Title]\r\nFile=\r\n"},
        {"a user file already there is kept", "[Mine]\r\nA=1\r\n", "[Mine]\r\nA=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config_.File("verrant"));
        if (c.userBefore) {
            fs::create_directory(config_.File("verrant"));
            config_.Write("verrant/torvan.INI", c.userBefore);
        }
        CString directory(program_.Slash().c_str());
        CString name("torvan");
        const CString path = platform::ProgramProfilePath(directory, name, CString());
        EXPECT_EQ(path.str(), UserFile("torvan.INI"));
        EXPECT_EQ(config_.Read("verrant/torvan.INI"), c.expected);
        struct stat info {};
        ASSERT_EQ(::stat(config_.File("verrant").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, c.userBefore ? info.st_mode & 0777 : 0700u);

        ASSERT_TRUE(platform::ProfileFile(path).WriteString("Title", "File", "x.idx"));
        EXPECT_EQ(program_.Read("torvan.INI"), "[Title]\r\nFile=\r\n"); // never written
    }
}

TEST_F(SettingsFolderTest, WithoutXdgConfigHomeTheFolderIsInTheHomeConfigFolder) {
    testsupport::TempDir home("settings-home");
    const char* saved = std::getenv("HOME");
    const std::string savedHome = saved ? saved : "";
    ::setenv("HOME", home.Path().c_str(), 1);
    for (const char* config : {"", "relative/config"}) { // unset, and a relative one (ignored)
        SCOPED_TRACE(config);
        ::setenv("XDG_CONFIG_HOME", config, 1);
        EXPECT_EQ(platform::SettingsFolder().str(), home.File(".config/verrant/"));
        EXPECT_TRUE(fs::is_directory(home.File(".config/verrant")));
    }
    ::setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(SettingsFolderTest, AStateFileBesideTheProgramBecomesTheUsersOthersStay) {
    program_.Write("title.idx", "OLD\r\n");
    const CString programDir(program_.Slash().c_str());
    EXPECT_EQ(platform::SettingsFileFor(programDir + "title.idx", programDir).str(), UserFile("title.idx"));
    EXPECT_EQ(config_.Read("verrant/title.idx"), "OLD\r\n");
    const CString elsewhere((program_.Slash() + "sub/title.idx").c_str());
    EXPECT_EQ(platform::SettingsFileFor(elsewhere, programDir), elsewhere);
}

TEST_F(SettingsFolderTest, AFifoBesideTheProgramSeedsNothingAndNeverBlocks) {
    ASSERT_EQ(::mkfifo(program_.File("zapho.INI").c_str(), 0600), 0);
    const CString path = platform::SettingsFile("zapho.INI", CString(program_.Slash().c_str()));
    EXPECT_EQ(path.str(), UserFile("zapho.INI"));
    EXPECT_FALSE(fs::exists(UserFile("zapho.INI")));
}

TEST_F(SettingsFolderTest, AFailedSettingsWriteIsToldOnceNamingTheFile) {
    program_.Write("not-a-folder", "");
    const std::string path = program_.File("not-a-folder/wenux.INI");
    const platform::ProfileFile settings(CString(path.c_str()));
    EXPECT_FALSE(settings.WriteString("List Screen", "Height", "-12"));
    EXPECT_FALSE(settings.WriteString("List Screen", "Width", "0"));
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              path + platform::Utf8(u8"\n設定ﾌｧｲﾙに書き込めません。設定は保存されません"));
}

} // namespace
