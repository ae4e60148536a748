#pragma once
// The run log: CP932 lines with CR LF ends, written as the run goes into a new file
// that replaces the old log when it closes (never through a link planted at its name).

#include "platform/core/SafeFileWriter.h"

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

namespace kalipe {

class RunLog {
public:
    RunLog() = default;
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;
    ~RunLog();

    // Starts a new log for the path (CP932); false when no new file can be made there.
    bool Open(const std::string& cp932Path);
    // Puts the written log in place of the old one; false when it could not be.
    bool Close();

    // One line as CP932 bytes, written as given.
    void Write(const std::string& cp932Line);
    // A message line: one blank, then the text (UTF-8 source text, written as CP932).
    void Message(const char8_t* text);
    // The separator line " *".
    void Star();
    // An error report: " *", then one line per message.
    void Report(std::initializer_list<const char8_t*> messages);
    // The closing lines " *" and "***** 計算は実行されませんでした *****".
    void NotExecuted();

private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<platform::SafeFileWriter> writer_;
};

// A UTF-8 source text in CP932.
std::string Cp932(const char8_t* text);

} // namespace kalipe
