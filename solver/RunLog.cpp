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
    m_writer = std::make_unique<platform::SafeFileWriter>(cp932Path.c_str());
    const int fd = m_writer->Create();
    const int own = fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    m_file = own < 0 ? nullptr : ::fdopen(own, "wb");
    if (!m_file) {
        if (own >= 0) {
            ::close(own);
        }
        m_writer.reset();
        return false;
    }
    return true;
}

bool RunLog::Close() {
    if (!m_writer) {
        return false;
    }
    bool placed = std::fclose(m_file) == 0;
    m_file = nullptr;
    try {
        if (placed) {
            m_writer->Commit();
        }
    } catch (const CFileException&) {
        placed = false; // the old log stays
    }
    m_writer.reset();
    return placed;
}

void RunLog::Write(const std::string& cp932Line) {
    if (!m_file) {
        return;
    }
    std::fwrite(cp932Line.data(), 1, cp932Line.size(), m_file);
    std::fwrite("\r\n", 1, 2, m_file);
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
