#pragma once
// The plot files a plot-output document holds: the index file stays open under a shared
// advisory lock (flock) while the drawing is shown, so that a drawing run, which locks it
// exclusively before writing, does not rewrite it underneath. When the document goes, the
// files may be removed - but only the index and the page files that were read, only in the
// index file's directory, only regular files, and only while each is still the file that
// was read (same inode, size and modification time).

#include "platform/core/CString.h"

#include <ctime>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zapho {

class PlotFileHold {
public:
    PlotFileHold() = default;
    ~PlotFileHold();
    PlotFileHold(const PlotFileHold&) = delete;
    PlotFileHold& operator=(const PlotFileHold&) = delete;
    PlotFileHold(PlotFileHold&& other) noexcept;
    PlotFileHold& operator=(PlotFileHold&& other) noexcept;

    // Opens the index file's directory and the index file and locks it; false (nothing
    // held) when either cannot be opened or a writer holds the lock.
    bool Hold(const char* indexPath);
    bool IsHeld() const { return indexFd_ >= 0; }
    // Notes a file of the index file's directory (a plain name) as read, as it is now.
    void NoteRead(const CString& name);
    // Unlocks and closes; with remove, deletes the noted files and the index file that are
    // unchanged since they were read.
    void Release(bool remove);

private:
    struct Identity {
        std::string name;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
    };
    bool Identify(const std::string& name, Identity& identity) const;
    void RemoveIfUnchanged(const Identity& identity) const;

    int directoryFd_ = -1;
    int indexFd_ = -1;
    Identity index_;
    std::vector<Identity> read_;
};

} // namespace zapho
