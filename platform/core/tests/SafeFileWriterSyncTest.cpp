// The syncs a save makes when no test seam stands in for the system's: this program's own
// fsync counts each one before it passes it on, so that a save whose default sync were a
// no-op (a power cut would then empty a file reported saved) fails here.

#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "platform/core/SafeFileWriter.h"

#include <atomic>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<int> syncedFiles{0};
std::atomic<int> syncedFolders{0};

} // namespace

// Every fsync of this program comes here first (the program's own definition is the one its
// calls bind to), then goes to the system's.
extern "C" int fsync(int fd) {
    using Sync = int (*)(int);
    static const auto systemSync = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        ++(S_ISDIR(info.st_mode) ? syncedFolders : syncedFiles);
    }
    return systemSync ? systemSync(fd) : -1;
}

namespace {

class SafeFileWriterSyncTest : public testsupport::TempDirTest {};

// Without a seam, and with one set and taken away again.
TEST_F(SafeFileWriterSyncTest, ASaveSyncsItsNewContentsAndItsFolderThroughTheSystem) {
    const std::string path = Path("model.sec");
    ASSERT_TRUE(platform::WriteFileSafely(path.c_str(), "old"));
    for (const bool seamRestored : {false, true}) {
        platform::SafeFileWriter writer(path.c_str());
        if (seamRestored) {
            writer.SetSyncCallForTesting([](int) { return 0; });
            writer.SetSyncCallForTesting(nullptr);
        }
        const int fd = writer.Create();
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "new", 3), 3);
        syncedFiles = 0;
        syncedFolders = 0;
        writer.Commit();
        EXPECT_EQ(syncedFiles, 1) << seamRestored;
        EXPECT_EQ(syncedFolders, 1) << seamRestored;
        EXPECT_EQ(testsupport::ReadBytes(path), "new");
    }
}

} // namespace
