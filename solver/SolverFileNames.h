#pragma once
// The files of one solver run, derived from the path of its input file: the input
// (".qel"), the run log (".log"), the result (".slf") and the list file (".lst") beside it.

#include <optional>
#include <string>
#include <string_view>

namespace kalipe {

class SolverFileNames {
public:
    // The caller's path is in the suite's code page (CP932), of any length up to the system's
    // path limit. It may name the input with the extension ".qel" in any letter case or without
    // an extension (".qel" is then added). Nothing for any other path.
    static std::optional<SolverFileNames> FromPath(std::string_view cp932Path);

    // CP932 names, as the log reports them.
    const std::string& Input() const { return m_input; }
    const std::string& Result() const { return m_result; }
    std::string Log() const { return m_base + ".log"; }

    // The same names as the operating system takes them (UTF-8).
    std::string OsInput() const { return ToOs(m_input); }
    std::string OsLog() const { return ToOs(m_base + ".log"); }
    std::string OsResult() const { return ToOs(m_result); }
    std::string OsList() const { return ToOs(m_base + ".lst"); }

private:
    static std::string ToOs(const std::string& cp932);

    std::string m_base; // the path without its extension, case kept
    std::string m_input;
    std::string m_result;
};

} // namespace kalipe
