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
    const std::string& Input() const { return input_; }
    const std::string& Result() const { return result_; }
    std::string Log() const { return base_ + ".log"; }

    // The same names as the operating system takes them (UTF-8).
    std::string OsInput() const { return ToOs(input_); }
    std::string OsLog() const { return ToOs(base_ + ".log"); }
    std::string OsResult() const { return ToOs(result_); }
    std::string OsList() const { return ToOs(base_ + ".lst"); }

private:
    static std::string ToOs(const std::string& cp932);

    std::string base_; // the path without its extension, case kept
    std::string input_;
    std::string result_;
};

} // namespace kalipe
