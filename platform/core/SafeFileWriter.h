#pragma once
// Replaces a file so that its name holds either the old or the new contents at every
// instant, whatever fails and wherever the process is killed.
//
//     platform::SafeFileWriter writer(path);
//     writer.KeepBackup(backupPath);          // optional: the old contents as "<...>.BAK"
//     CTextFile file;
//     if (!file.Open(writer, CFile::modeWrite)) ... // or writer.Open(file, flags, &error)
//     ... write through file ...
//     file.Close();                            // the file's own close messages, as before
//     writer.Commit();                         // throws CFileException when not replaced
//
// The file must be closed before Commit: the writer never touches the file object after
// Open (it may be gone by then), so whatever the file still buffers would be lost.
//
// The new contents go to a fresh temporary ".<name>.XXXXXX.tmp" made with mkstemp in the
// target's directory, never to a fixed name, so a symbolic link planted at any name
// beside the document is never followed. The temporary gets the old file's permission
// bits (and its group where the user may set it; otherwise the group bits are cleared
// rather than granted to another group), a new file gets 0666 less the umask. Commit
// syncs the temporary; with a backup it hard-links the old target to a temporary name
// (a copy where the file system has no hard links), renames that over the backup (the
// older backup kept aside), renames the temporary over the target and syncs the
// directory. The target's name thus holds the old or the new contents at every
// instant. A failure before the target was replaced leaves the target and the older
// backup as they were and removes every temporary. A writer destroyed without Commit
// removes its temporary.
//
// Temporaries of an earlier killed save of the same target (the pattern above, owned by
// the user) are removed after the next successful Commit. A save in progress holds a lock
// on each of its temporaries (the old contents kept aside included), and one that another
// save's clean-up took first is made anew, so two saves of one file at the same instant
// both succeed. A symbolic link at the
// target itself is replaced by the new file, not followed. The backup lies in the
// target's directory.

#include "platform/core/CFile.h"
#include "platform/core/CString.h"

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The steps of a save in order; a test hook sees each just before it happens.
enum class SafeWriteStep {
    CreateTemporary, // mkstemp in the target's directory
    LockTemporary,   // flock of the new temporary, which another save's clean-up then leaves alone
    SetPermissions,  // fchown/fchmod of the temporary
    SyncTemporary,   // fsync of the written temporary (at Commit)
    LinkBackup,      // hard link of the old target to a temporary name
    KeepOlderBackup, // hard link of the existing backup to a temporary name
    ReplaceBackup,   // rename of the linked old contents over the backup
    ReplaceTarget,   // rename of the temporary over the target (failing: the older backup goes back)
    SyncDirectory,   // fsync of the directory
    RemoveLeftovers, // removal of temporaries of earlier killed saves
};

class SafeFileWriter {
public:
    explicit SafeFileWriter(const char* targetPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Keeps the target's old contents under this name (same directory) when it exists.
    void KeepBackup(const char* backupPath) { backupPath_ = backupPath; }

    // A read-only target, or a directory, FIFO, socket or device at its name, is refused
    // (EACCES, EISDIR, ENXIO) before anything is made.
    // Makes the temporary and opens the file on a descriptor of it (writing;
    // typeBinary/typeText as the file takes them); the file's path is the target's, so
    // its messages name the document. The file starts the writeback of its data as it
    // writes, so that Commit's sync waits for little. FALSE with the cause and the
    // target's name in *error.
    BOOL Open(CFile& file, UINT openFlags, CFileException* error = nullptr);
    // Makes the temporary for a caller that writes through the descriptor itself;
    // -1 with *error filled on failure. The writer keeps the descriptor.
    int Create(CFileException* error = nullptr);

    // Syncs the temporary (its file closed by the caller) and replaces the target. Throws CFileException when
    // the target could not be replaced; the target and the backup are then as they were. When only the backup
    // could not be made, the exception carries the backup's name and the new contents are kept:
    // KeepBackup("") and Commit again saves without a backup.
    void Commit();
    // Drops the new contents (a file still open on them writes into nothing); the target
    // is untouched. Called by the destructor.
    void Abandon();

    const CString& TargetPath() const { return targetPath_; }

    // Test hook: called before each step; a non-zero return fails that step with that
    // errno value (a hook may also end the process there). Null restores normal running.
    using StepHook = int (*)(SafeWriteStep step);
    static void SetStepHookForTesting(StepHook hook);

    // Test seam: every sync this save makes (its temporary, a copied backup, the directory)
    // goes through this call, which answers as fsync(2) does. Null restores fsync itself.
    using SyncCall = std::function<int(int fd)>;
    void SetSyncCallForTesting(SyncCall sync);

private:
    void ReplaceWithBackup();
    void RestoreBackup(std::string& older, bool backupReplaced) const;
    void RemoveLeftovers() const;

    CString targetPath_;
    CString backupPath_;
    std::string osTarget_;
    std::string osTemporary_;
    int fd_ = -1;
    SyncCall sync_;
};

// Replaces the file (CP932 path) by these bytes through a SafeFileWriter without a
// backup; false when it was not replaced (the old file is then as it was).
bool WriteFileSafely(const char* path, std::string_view bytes);

// An anonymous work file: made with mkstemp in the directory and unlinked at once, so
// nothing is left behind however the process ends. Returns a read-write close-on-exec
// descriptor of a 0600 file, or -1 with errno set.
int CreateWorkFile(const char* directory);

} // namespace platform
