// The polynomial method's road through the solver library.

#include "CBlockDoc.h"

#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"

#include <sys/stat.h>
#include <unistd.h>

namespace torvan {

namespace {

bool Exists(const CString& path) {
    struct stat info {};
    return ::stat(CFile::OsPath(path).c_str(), &info) == 0;
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
    int made = HasContent(result) && MakeSlipLines(result);
    if (!made) {
        AfxMessageBox(u8"すべり線作成できません");
    }
    if (Exists(input)) {
        ::unlink(CFile::OsPath(input).c_str());
    }
    return made;
}

} // namespace torvan
