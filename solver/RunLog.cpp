#include "solver/RunLog.h"

#include "solver/Messages.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalipe {

std::string Cp932(const char8_t* text) {
    return platform::Utf8ToCp932(text);
}

RunLog::~RunLog() {
    Close();
}

bool RunLog::Open(const std::string& cp932Path) {
    Close();
    if (platform::EntryAt(cp932Path.c_str()) == platform::DiskEntry::Directory) {
        return false; // a directory of that name can never be replaced by the log
    }
    writer_ = std::make_unique<platform::SafeFileWriter>(cp932Path.c_str());
    const int fd = writer_->Create();
    const int own = fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    file_ = own < 0 ? nullptr : ::fdopen(own, "wb");
    if (!file_) {
        if (own >= 0) {
            ::close(own);
        }
        writer_.reset();
        return false;
    }
    return true;
}

bool RunLog::Close() {
    if (!writer_) {
        return false;
    }
    bool placed = std::fclose(file_) == 0;
    file_ = nullptr;
    try {
        if (placed) {
            writer_->Commit();
        }
    } catch (const CFileException&) {
        placed = false; // the old log stays
    }
    writer_.reset();
    return placed;
}

void RunLog::Write(const std::string& cp932Line) {
    if (!file_) {
        return;
    }
    std::fwrite(cp932Line.data(), 1, cp932Line.size(), file_);
    std::fwrite("\r\n", 1, 2, file_);
}

void RunLog::Message(const char8_t* text) {
    Write(" " + Cp932(text));
}

void RunLog::Star() {
    Write(" *");
}

void RunLog::Report(std::initializer_list<const char8_t*> messages) {
    Star();
    for (const char8_t* text : messages) {
        Message(text);
    }
}

void RunLog::NotExecuted() {
    Star();
    Message(msg::kNotExecuted);
}

} // namespace kalipe
