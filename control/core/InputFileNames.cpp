#include "control/core/InputFileNames.h"

#include "common/records/TextHelpers.h"
#include "platform/core/ProfileFile.h"

#include <vector>

namespace basnev {

namespace {

const char kSection[] = "Input File";
const char* const kKeys[] = {"FileName1", "FileName2", "FileName3", "FileName4"};

CString DirectoryOf(const CString& path) {
    CString directory;
    SplitPath(path, &directory, nullptr, nullptr);
    return directory;
}

} // namespace

InputFileNames LoadInputFileNames(const CString& settingsPath) {
    platform::ProfileFile profile(settingsPath);
    InputFileNames names;
    names.plan = profile.GetString(kSection, kKeys[0]);
    names.section = profile.GetString(kSection, kKeys[1]);
    names.measurement = profile.GetString(kSection, kKeys[2]);
    names.analysis = profile.GetString(kSection, kKeys[3]);
    if (!names.measurement.IsEmpty()) {
        names.defaultDirectory = DirectoryOf(names.measurement);
    }
    if (!names.analysis.IsEmpty()) {
        names.defaultDirectory = DirectoryOf(names.analysis);
    }
    return names;
}

bool SaveInputFileNames(const CString& settingsPath, const InputFileNames& asRead,
                        const InputFileNames& names) {
    const CString* read[] = {&asRead.plan, &asRead.section, &asRead.measurement, &asRead.analysis};
    const CString* values[] = {&names.plan, &names.section, &names.measurement, &names.analysis};
    std::vector<platform::ProfileFile::Entry> changed;
    for (int i = 0; i < 4; ++i) {
        if (*values[i] != *read[i]) {
            changed.push_back({kSection, kKeys[i], *values[i]});
        }
    }
    return changed.empty() || platform::ProfileFile(settingsPath).WriteStrings(changed);
}

CString DataDirectoryBesideProgram(const CString& programDirectory) {
    CString directory = programDirectory;
    if (directory.IsEmpty() || directory[directory.GetLength() - 1] != '/') {
        directory += "/";
    }
    const int length = directory.GetLength();
    if (length < 5) {
        return CString();
    }
    CString last = directory.Right(4);
    last.MakeLower();
    if (last != "bin/" || directory[length - 5] != '/') {
        return CString();
    }
    return directory.Left(length - 4) + "data/";
}

} // namespace basnev
