#include "platform/core/SafeFileWriter.h"

#include "platform/core/CStdioFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::SafeFileWriter;
using platform::SafeWriteStep;

namespace {

const SafeWriteStep kAllSteps[] = {
    SafeWriteStep::CreateTemporary, SafeWriteStep::SetPermissions,  SafeWriteStep::SyncTemporary,
    SafeWriteStep::LinkBackup,      SafeWriteStep::ReplaceTarget,   SafeWriteStep::ReplaceBackup,
    SafeWriteStep::SyncDirectory,   SafeWriteStep::RemoveLeftovers,
};

SafeWriteStep g_chosenStep;
int g_injectedError;

int KillAtChosenStep(SafeWriteStep step) {
    if (step == g_chosenStep) {
        ::kill(::getpid(), SIGKILL);
    }
    return 0;
}

int FailChosenStep(SafeWriteStep step) {
    return step == g_chosenStep ? g_injectedError : 0;
}

// Another program's save of the same file runs to its end at the chosen step, once.
std::string g_otherTarget;
int OtherSaveAtChosenStep(SafeWriteStep step) {
    if (step == g_chosenStep && !g_otherTarget.empty()) {
        std::string target;
        target.swap(g_otherTarget);
        SafeFileWriter::SetStepHookForTesting(nullptr);
        EXPECT_TRUE(platform::WriteFileSafely(target.c_str(), "other"));
        SafeFileWriter::SetStepHookForTesting(OtherSaveAtChosenStep);
    }
    return 0;
}

// The fixture's document and its backup, for the hooks that act on them.
std::string g_document;
std::string g_backup;

class SafeFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_document = doc_;
        g_backup = bak_;
    }
    void TearDown() override { SafeFileWriter::SetStepHookForTesting(nullptr); }
    std::string Path(const std::string& name) const { return temp_.File(name); }
    static std::string Slurp(const std::string& path) { return testsupport::ReadBytes(path); }
    static void Spit(const std::string& path, const std::string& bytes) {
        testsupport::WriteBytes(path, bytes);
    }
    // Saves through a text-mode file, keeping doc.BAK; false when the writer refused to open.
    bool Save(const std::string& lines) {
        SafeFileWriter writer(doc_.c_str());
        writer.KeepBackup(bak_.c_str());
        CStdioFile file;
        if (!writer.Open(file, CFile::modeCreate | CFile::modeWrite)) {
            return false;
        }
        file.WriteString(lines.c_str());
        file.Close();
        writer.Commit();
        return true;
    }
    // Save with the hook seeing each step of it.
    bool SaveWithHook(SafeFileWriter::StepHook hook, const std::string& lines) {
        SafeFileWriter::SetStepHookForTesting(hook);
        const bool saved = Save(lines);
        SafeFileWriter::SetStepHookForTesting(nullptr);
        return saved;
    }
    // Names in the directory other than the document and its backup.
    std::vector<std::string> Strays() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            std::string name = entry.path().filename().string();
            if (name != "doc.slo" && name != "doc.BAK" && name != "victim") {
                names.push_back(name);
            }
        }
        return names;
    }
    testsupport::TempDir temp_{"core_safe"};
    const fs::path dir_ = temp_.Path();
    const std::string doc_ = Path("doc.slo");
    const std::string bak_ = Path("doc.BAK");
};

} // namespace

TEST_F(SafeFileWriterTest, SaveWritesThroughTheFileKeepsTheBackupAndLeavesNothingElse) {
    Spit(doc_, "old\r\n");
    ASSERT_TRUE(Save("new\n"));
    EXPECT_EQ(Slurp(doc_), "new\r\n");
    EXPECT_EQ(Slurp(bak_), "old\r\n");
    EXPECT_TRUE(Strays().empty());
}

TEST_F(SafeFileWriterTest, PlantedLinksBesideTheDocumentAreNeverFollowed) {
    Spit(Path("victim"), "private");
    Spit(doc_, "old\r\n");
    for (const char* name : {"doc.slo.tmp", ".doc.slo.tmp", ".doc.slo.AAAAAA.tmp", "doc.BAK"}) {
        fs::create_symlink(Path("victim"), Path(name));
    }
    ASSERT_TRUE(Save("new\n"));
    EXPECT_EQ(Slurp(Path("victim")), "private");
    EXPECT_EQ(Slurp(doc_), "new\r\n");
    EXPECT_FALSE(fs::is_symlink(bak_)); // the planted link was replaced, not written through
    EXPECT_EQ(Slurp(bak_), "old\r\n");
}

TEST_F(SafeFileWriterTest, PermissionsOfTheOldFileAreKeptAndANewFileFollowsTheUmask) {
    Spit(doc_, "old");
    ::chmod(doc_.c_str(), 0600);
    ASSERT_TRUE(Save("new"));
    struct stat info {};
    ASSERT_EQ(::stat(doc_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    mode_t previous = ::umask(027);
    SafeFileWriter writer(Path("fresh").c_str());
    CStdioFile file;
    ASSERT_TRUE(writer.Open(file, CFile::modeCreate | CFile::modeWrite));
    file.Close();
    writer.Commit();
    ::umask(previous);
    ASSERT_EQ(::stat(Path("fresh").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(SafeFileWriterTest, AKillAtAnyStepLeavesOldOrNewContentsAndTheNextSaveCleansUp) {
    for (SafeWriteStep step : kAllSteps) {
        SCOPED_TRACE(static_cast<int>(step));
        Spit(doc_, "old");
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            g_chosenStep = step;
            SafeFileWriter::SetStepHookForTesting(KillAtChosenStep);
            (void)Save("new");
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        std::string contents = Slurp(doc_);
        EXPECT_TRUE(contents == "old" || contents == "new") << contents;
        ASSERT_TRUE(Save("after"));
        EXPECT_EQ(Slurp(doc_), "after");
        EXPECT_TRUE(Strays().empty()) << Strays().front();
    }
}

// A kill between the backup's rename and the target's leaves the document and its backup one
// file under two names. The next save's rename of its aside link over the backup then does
// nothing; its aside name must go all the same, even while someone still holds that file (as
// a save's older-backup hold of it may be) when the clean-up runs.
int g_heldBackup = -1;
int HoldBackupBeforeCleanUp(SafeWriteStep step) {
    if (step == SafeWriteStep::RemoveLeftovers) {
        g_heldBackup = ::open(g_backup.c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_EQ(::flock(g_heldBackup, LOCK_SH), 0);
    }
    return 0;
}

TEST_F(SafeFileWriterTest, ASaveAfterAKillBetweenTheRenamesLeavesNoNameOfItsOwnWhileTheBackupIsHeld) {
    Spit(doc_, "old");
    ASSERT_EQ(::link(doc_.c_str(), bak_.c_str()), 0);
    ASSERT_TRUE(SaveWithHook(HoldBackupBeforeCleanUp, "new"));
    ASSERT_GE(g_heldBackup, 0);
    EXPECT_TRUE(Strays().empty()) << Strays().front();
    ::close(g_heldBackup);
    EXPECT_EQ(Slurp(doc_), "new");
    EXPECT_EQ(Slurp(bak_), "old");
    struct stat backup {};
    ASSERT_EQ(::stat(bak_.c_str(), &backup), 0);
    EXPECT_EQ(backup.st_nlink, 1u);
}

// Another save's clean-up that comes at the moment this save links the old contents or the
// older backup aside finds that file held already, so it can never take the new link before
// this save holds it (on a busy machine it once took every new link, until the save gave up).
int g_cleanUpLocksHad = 0;
int CleanUpLockAtLinking(SafeWriteStep step) {
    if (step == SafeWriteStep::LinkBackup || step == SafeWriteStep::KeepOlderBackup) {
        const std::string& name = step == SafeWriteStep::LinkBackup ? g_document : g_backup;
        int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        g_cleanUpLocksHad += fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 0;
        ::close(fd);
    }
    return 0;
}

TEST_F(SafeFileWriterTest, WhatASaveLinksAsideIsHeldBeforeItIsNamed) {
    Spit(doc_, "old");
    Spit(bak_, "older");
    ASSERT_TRUE(SaveWithHook(CleanUpLockAtLinking, "new"));
    EXPECT_EQ(g_cleanUpLocksHad, 0);
    EXPECT_EQ(Slurp(bak_), "old");
    EXPECT_TRUE(Strays().empty());
}

// The same when the document was a symbolic link: the aside is a second name of the link, which
// no hold and no clean-up takes, so the save itself must drop it.
TEST_F(SafeFileWriterTest, ASaveAfterAKillBetweenTheRenamesOfALinkedDocumentLeavesNoNameOfItsOwn) {
    Spit(Path("victim"), "private");
    fs::create_symlink(Path("victim"), doc_);
    ASSERT_EQ(::link(doc_.c_str(), bak_.c_str()), 0); // link() names the symbolic link itself
    ASSERT_TRUE(Save("new"));
    EXPECT_TRUE(Strays().empty()) << Strays().front();
    EXPECT_EQ(Slurp(doc_), "new");
    EXPECT_TRUE(fs::is_symlink(bak_));
    EXPECT_EQ(Slurp(Path("victim")), "private");
}

// Another save, keeping its backup, that replaces the document just as this one links the old
// contents aside: this save's backup is the contents it replaced, the other save's, and never
// the older file that the other save's backup still names.
bool g_otherSaveToRun = false;
int OtherSaveWithBackupAtLinking(SafeWriteStep step) {
    if (step == SafeWriteStep::LinkBackup && g_otherSaveToRun) {
        g_otherSaveToRun = false;
        SafeFileWriter::SetStepHookForTesting(nullptr);
        SafeFileWriter writer(g_document.c_str());
        writer.KeepBackup(g_backup.c_str());
        const int fd = writer.Create();
        EXPECT_EQ(::write(fd, "other", 5), 5);
        EXPECT_NO_THROW(writer.Commit());
        SafeFileWriter::SetStepHookForTesting(OtherSaveWithBackupAtLinking);
    }
    return 0;
}

TEST_F(SafeFileWriterTest, ADocumentReplacedAsItIsLinkedAsideLeavesItsNewContentsAsTheBackup) {
    Spit(doc_, "old");
    g_otherSaveToRun = true;
    ASSERT_TRUE(SaveWithHook(OtherSaveWithBackupAtLinking, "new"));
    EXPECT_FALSE(g_otherSaveToRun); // the other save ran
    EXPECT_EQ(Slurp(doc_), "new");
    EXPECT_EQ(Slurp(bak_), "other");
    EXPECT_TRUE(Strays().empty());
}

// Two programs saving one file at the same instant: the other's clean-up of leftovers
// runs between any two steps of this save and must take none of its temporaries.
TEST_F(SafeFileWriterTest, ASaveOfTheSameFileInBetweenTakesNoneOfThisSavesTemporaries) {
    for (SafeWriteStep step :
         {SafeWriteStep::LockTemporary, SafeWriteStep::SetPermissions, SafeWriteStep::SyncTemporary,
          SafeWriteStep::KeepOlderBackup, SafeWriteStep::ReplaceBackup, SafeWriteStep::ReplaceTarget}) {
        SCOPED_TRACE(static_cast<int>(step));
        Spit(doc_, "old");
        Spit(bak_, "older");
        g_chosenStep = step;
        g_otherTarget = doc_;
        SafeFileWriter::SetStepHookForTesting(OtherSaveAtChosenStep);
        EXPECT_NO_THROW(EXPECT_TRUE(Save("new")));
        SafeFileWriter::SetStepHookForTesting(nullptr);
        EXPECT_TRUE(g_otherTarget.empty()); // the other save ran
        EXPECT_EQ(Slurp(doc_), "new");
        EXPECT_TRUE(Strays().empty());
    }
}

// Saves of one document racing each other through many rounds: each makes its backup, and the
// document and the backup always hold one save's whole contents.
TEST_F(SafeFileWriterTest, SavesOfOneFileAtTheSameInstantAllKeepTheirBackup) {
    Spit(doc_, "old");
    constexpr int kSavers = 4;
    constexpr int kRounds = 250;
    std::atomic<int> refusedBackups{0};
    std::atomic<int> refusedSaves{0};
    auto saver = [&](int id) {
        const std::string contents = "save " + std::to_string(id);
        for (int round = 0; round < kRounds; ++round) {
            SafeFileWriter writer(doc_.c_str());
            writer.KeepBackup(bak_.c_str());
            int fd = writer.Create();
            if (fd < 0 ||
                ::write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size())) {
                ++refusedSaves;
                continue;
            }
            try {
                writer.Commit();
            } catch (const CFileException& error) {
                ++(error.m_strFileName == bak_.c_str() ? refusedBackups : refusedSaves);
            }
        }
    };
    std::vector<std::thread> savers;
    for (int id = 0; id < kSavers; ++id) {
        savers.emplace_back(saver, id);
    }
    for (std::thread& thread : savers) {
        thread.join();
    }
    EXPECT_EQ(refusedBackups.load(), 0);
    EXPECT_EQ(refusedSaves.load(), 0);
    EXPECT_EQ(Slurp(doc_).rfind("save ", 0), 0u);
    EXPECT_EQ(Slurp(bak_).rfind("save ", 0), 0u);
    EXPECT_TRUE(Strays().empty());
}

// What one sync call saw: the synced file's contents, or "<folder>" for the document's own
// folder, and what the document's name held at that moment.
struct SyncSeen {
    std::string synced;
    std::string documentThen;
};

// A save whose new contents, or whose renames, a power cut could take after it reported
// success is one that skipped a sync: each goes through the writer's sync call.
TEST_F(SafeFileWriterTest, ASaveSyncsItsNewContentsBeforeTheRenameAndItsFolderAfter) {
    for (bool linkedBackup : {true, false}) {
        SCOPED_TRACE(linkedBackup ? "linked backup" : "copied backup");
        Spit(doc_, "old");
        g_chosenStep = SafeWriteStep::LinkBackup;
        g_injectedError = EPERM; // a file system without hard links: the backup is a copy
        SafeFileWriter::SetStepHookForTesting(linkedBackup ? nullptr : FailChosenStep);
        std::vector<SyncSeen> seen;
        struct stat folder {};
        ASSERT_EQ(::stat(dir_.c_str(), &folder), 0);
        SafeFileWriter writer(doc_.c_str());
        writer.KeepBackup(bak_.c_str());
        writer.SetSyncCallForTesting([&](int fd) {
            struct stat info {};
            EXPECT_EQ(::fstat(fd, &info), 0);
            std::string synced = "<folder>";
            if (!S_ISDIR(info.st_mode) || info.st_ino != folder.st_ino || info.st_dev != folder.st_dev) {
                synced.assign(static_cast<std::size_t>(info.st_size), '\0');
                EXPECT_EQ(::pread(fd, synced.data(), synced.size(), 0), static_cast<ssize_t>(synced.size()));
            }
            seen.push_back({synced, Slurp(doc_)});
            return ::fsync(fd);
        });
        int fd = writer.Create();
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "new", 3), 3);
        writer.Commit();
        SafeFileWriter::SetStepHookForTesting(nullptr);

        std::vector<std::string> synced;
        for (const SyncSeen& sync : seen) {
            synced.push_back(sync.synced + " while " + sync.documentThen);
        }
        std::vector<std::string> expected{"new while old", "<folder> while new"};
        if (!linkedBackup) {
            expected.insert(expected.begin() + 1, "old while old"); // the copy, before it becomes the backup
        }
        EXPECT_EQ(synced, expected);
        EXPECT_EQ(Slurp(bak_), "old");
    }
}

TEST_F(SafeFileWriterTest, AFailedStepBeforeTheReplacementLeavesDocumentAndBackupIntact) {
    for (SafeWriteStep step :
         {SafeWriteStep::CreateTemporary, SafeWriteStep::SetPermissions, SafeWriteStep::SyncTemporary,
          SafeWriteStep::LinkBackup, SafeWriteStep::ReplaceTarget}) {
        SCOPED_TRACE(static_cast<int>(step));
        Spit(doc_, "old");
        Spit(bak_, "older");
        g_chosenStep = step;
        g_injectedError = EIO;
        SafeFileWriter::SetStepHookForTesting(FailChosenStep);
        bool refused = false;
        try {
            refused = !Save("new");
        } catch (const CFileException& error) {
            refused = true;
            EXPECT_EQ(error.m_lOsError, EIO);
        }
        SafeFileWriter::SetStepHookForTesting(nullptr);
        EXPECT_TRUE(refused);
        EXPECT_EQ(Slurp(doc_), "old");
        EXPECT_EQ(Slurp(bak_), "older");
        EXPECT_TRUE(Strays().empty());
    }
}

TEST_F(SafeFileWriterTest, ABackupThatCannotBeMadeKeepsTheNewContentsForASaveWithoutIt) {
    Spit(doc_, "old");
    fs::create_directories(Path("doc.BAK/keep"));
    SafeFileWriter writer(doc_.c_str());
    writer.KeepBackup(bak_.c_str());
    CStdioFile file;
    ASSERT_TRUE(writer.Open(file, CFile::modeCreate | CFile::modeWrite));
    file.WriteString("new");
    file.Close();
    try {
        writer.Commit();
        ADD_FAILURE() << "a directory was taken for the backup";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_strFileName, bak_.c_str());
    }
    EXPECT_EQ(Slurp(doc_), "old");
    writer.KeepBackup("");
    writer.Commit();
    EXPECT_EQ(Slurp(doc_), "new");
    EXPECT_TRUE(fs::is_directory(Path("doc.BAK/keep")));
    EXPECT_TRUE(Strays().empty());
}

TEST_F(SafeFileWriterTest, AFileSystemWithoutHardLinksGetsACopiedBackup) {
    Spit(doc_, "old");
    g_chosenStep = SafeWriteStep::LinkBackup;
    g_injectedError = EPERM;
    SafeFileWriter::SetStepHookForTesting(FailChosenStep);
    ASSERT_TRUE(Save("new"));
    EXPECT_EQ(Slurp(doc_), "new");
    EXPECT_EQ(Slurp(bak_), "old");
    EXPECT_TRUE(Strays().empty());
}

TEST_F(SafeFileWriterTest, AnAbandonedSaveLeavesTheDocumentByteIdentical) {
    Spit(doc_, "old");
    {
        SafeFileWriter writer(doc_.c_str());
        CStdioFile file;
        ASSERT_TRUE(writer.Open(file, CFile::modeCreate | CFile::modeWrite));
        file.WriteString("half");
    }
    EXPECT_EQ(Slurp(doc_), "old");
    EXPECT_TRUE(Strays().empty());
}

TEST_F(SafeFileWriterTest, AWorkFileLeavesNothingWhenItsProcessIsKilled) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = platform::CreateWorkFile(dir_.c_str());
        char byte = fd >= 0 && ::write(fd, "x", 1) == 1 ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(fs::is_empty(dir_));
}
