// The polynomial method's road through the solver library.

#include "CBlockDoc.h"
#include "analysis/core/SlipLineConstruction.h"

#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace torvan {

namespace {

bool Exists(const CString& path) {
    return platform::PathExists(path);
}

// The result file was emptied before the solver ran: an empty one is no result.
bool HasContent(const CString& path) {
    struct stat info {};
    return ::stat(CFile::OsPath(path).c_str(), &info) == 0 && info.st_size > 0;
}

// Replaces the file by an empty one (a link planted at its name is replaced, never
// followed); false when that is not possible.
bool CreateEmpty(const CString& path) {
    platform::SafeFileWriter writer(path);
    if (writer.Create() < 0) {
        return false;
    }
    try {
        writer.Commit();
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

// The solver's work area (words) and the line of its log that tells a run did not fit it.
constexpr long kSolverWorkArea = 100000;
const char8_t kAreaShortLine[] = u8"ﾃﾞｰﾀｴﾘｱが不足しました. 必要語数=";

// The words the solver's log says the run needed, 0 when it tells of no shortage.
long WordsTheRunNeeded(const CString& logPath) {
    std::istringstream log(platform::ReadRegularFile(logPath).value_or(std::string()));
    const std::string marker = CString(kAreaShortLine).str();
    for (std::string line; std::getline(log, line);) {
        const std::size_t at = line.find(marker);
        if (at != std::string::npos) {
            return std::strtol(line.c_str() + at + marker.size(), nullptr, 10);
        }
    }
    return 0;
}

// Why no slip line came: the solver's work area, named with what the model needs, or the
// plain message.
void ReportMissingSlipLine(const CString& logPath) {
    const long needed = WordsTheRunNeeded(logPath);
    if (needed <= 0) {
        AfxMessageBox(u8"すべり線作成できません");
        return;
    }
    CString message;
    message.Format(u8"解析ﾃﾞｰﾀが多すぎるため、すべり線作成できません。\n"
                   u8"多項式法の計算領域 %ld語に対し、%ld語が必要です。\n"
                   u8"ﾌﾞﾛｯｸ線を増やして1ﾌﾞﾛｯｸ内の計測点を減らして下さい",
                   kSolverWorkArea, needed);
    AfxMessageBox(message);
}

} // namespace

int CBlockDoc::RunSolver(SolverEntry solver) {
    if (!solver) {
        // The solver library could not be loaded: nothing to run, nothing written.
        AfxMessageBox(u8"すべり線作成できません");
        return 0;
    }
    CString input;
    CString result;
    if (!WriteSolverInput(input, result) || !Exists(input)) {
        return 0;
    }
    CString base = m_strDir + m_strTitle;
    if (!CreateEmpty(base + ".slf")) {
        AfxMessageBox(u8"解析で使用するﾌｧｲﾙ(.slf)に書き込みできません");
        return 0;
    }
    if (!CreateEmpty(base + ".log")) {
        AfxMessageBox(u8"解析で使用するﾌｧｲﾙ(.log)に書き込みできません");
        return 0;
    }
    solver(input.GetString(), input.GetLength());
    int made = HasContent(result) && MakeSlipLines(result) == SlipLineStatus::kMade ? 1 : 0;
    if (!made) {
        ReportMissingSlipLine(base + ".log");
    }
    if (Exists(input)) {
        ::unlink(CFile::OsPath(input).c_str());
    }
    return made;
}

} // namespace torvan
