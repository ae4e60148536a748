#include "common/process/InstanceControl.h"

#include "common/process/CNamedMutex.h"
#include "common/process/RuntimeDirectory.h"
#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include <memory>
#include <vector>

namespace {

// The family word given last (process-wide, as the checks remember it).
CString& RememberedFamilyWord() {
    static CString word;
    return word;
}

// Every instance mutex this process took; the last one is the current one.
std::vector<std::unique_ptr<CNamedMutex>>& HeldMutexes() {
    static std::vector<std::unique_ptr<CNamedMutex>> held;
    return held;
}

CString BaseName(const char* familyWord, const char* programWord) {
    if (familyWord != nullptr && familyWord[0] != '\0') {
        RememberedFamilyWord() = familyWord;
    }
    const CString& family = RememberedFamilyWord();
    return family.IsEmpty() ? CString(programWord) : family + " " + programWord;
}

bool& LastCheckFailed() {
    static bool failed = false;
    return failed;
}

// Takes the name; the mutex stays held when it was free.
CNamedMutex::CreateResult TakeName(const CString& name) {
    auto mutex = std::make_unique<CNamedMutex>();
    CNamedMutex::CreateResult result = mutex->Create(name);
    if (result == CNamedMutex::CreateResult::Created) {
        HeldMutexes().push_back(std::move(mutex));
    }
    return result;
}

// Reports a name that could not be made, naming the path that stands in the way.
BOOL ReportFailedName(const CString& name) {
    LastCheckFailed() = true;
    const std::string path = CNamedMutex::LockFilePath(name);
    if (path.empty()) {
        process::ConfirmSuiteRuntimeDirectory(); // names the refused directory
    } else {
        CString text(platform::Utf8ToCp932(path).c_str());
        text += "\n";
        text += CString(u8"排他制御ﾌｧｲﾙを作成できません");
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    }
    return FALSE;
}

} // namespace

CString InstanceMutexName(const char* familyWord, const char* programWord, int instance) {
    return BaseName(familyWord, programWord) + (instance == 2 ? " 02" : " 01");
}

BOOL CheckSingleInstance(const char* familyWord, const char* programWord) {
    return TakeName(InstanceMutexName(familyWord, programWord, 1)) == CNamedMutex::CreateResult::Created;
}

BOOL CheckDoubleStart(const char* familyWord, const char* programWord, BOOL allowSecond) {
    LastCheckFailed() = false;
    CString base = BaseName(familyWord, programWord);
    CNamedMutex::CreateResult first = TakeName(base + " 01");
    if (first == CNamedMutex::CreateResult::Created) {
        return TRUE;
    }
    if (first == CNamedMutex::CreateResult::Failed) {
        return ReportFailedName(base + " 01");
    }
    CString message;
    if (!allowSecond) {
        message.Format(u8"[%s.EXE] は既に起動されています", base.GetString());
        AfxMessageBox(message);
        return FALSE;
    }
    CNamedMutex::CreateResult second = TakeName(base + " 02");
    if (second == CNamedMutex::CreateResult::Failed) {
        return ReportFailedName(base + " 02");
    }
    if (second == CNamedMutex::CreateResult::AlreadyExists) {
        message.Format(u8"[%s.EXE] は既に二重起動されています", base.GetString());
        AfxMessageBox(message);
        return FALSE;
    }
    message.Format(u8"[%s.EXE] は既に起動されています。\n二重起動されますが、よろしいですか？",
                   base.GetString());
    return AfxMessageBox(message, MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void ReleaseInstanceMutex() {
    auto& held = HeldMutexes();
    if (!held.empty()) {
        held.pop_back();
    }
}

bool LastInstanceCheckFailed() {
    return LastCheckFailed();
}
