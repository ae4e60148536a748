#include "solver/RunLog.h"

#include "solver/Messages.h"

#include "platform/core/CodePage.h"

namespace kalipe {

std::string Cp932(const char8_t* text) {
    return platform::Utf8ToCp932(text);
}

RunLog::~RunLog() {
    Close();
}

bool RunLog::Open(const std::string& osPath) {
    Close();
    m_file = std::fopen(osPath.c_str(), "wbe");
    return m_file != nullptr;
}

void RunLog::Close() {
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

void RunLog::Write(const std::string& cp932Line) {
    if (!m_file)
        return;
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
    for (const char8_t* text : messages)
        Message(text);
}

void RunLog::NotExecuted() {
    Star();
    Message(msg::kNotExecuted);
}

} // namespace kalipe
