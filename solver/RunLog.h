#pragma once
// The run log: CP932 lines with CR LF ends, written as the run goes so that whatever
// happened last is on disk.

#include <cstdio>
#include <initializer_list>
#include <string>

namespace kalipe {

class RunLog {
public:
    RunLog() = default;
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;
    ~RunLog();

    // Creates or replaces the log at an operating-system path.
    bool Open(const std::string& osPath);
    void Close();

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
    std::FILE* m_file = nullptr;
};

// A UTF-8 source text in CP932.
std::string Cp932(const char8_t* text);

} // namespace kalipe
