#include "control/core/SloReferences.h"

#include "common/records/CTextFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/CFileException.h"

#include <cstring>

namespace basnev {

namespace {

constexpr int kLinesRead = 4;
constexpr int kNameColumn = 10;

// The name as the analysis program takes it: trailing blanks dropped, a relative name beside
// the analysis file.
CString NameFrom(const CString& line, const CString& analysisDirectory) {
    CString name = line.GetLength() > kNameColumn ? line.Mid(kNameColumn) : CString();
    name.TrimRight();
    return ResolveBeside(analysisDirectory, name);
}

} // namespace

bool ReadSloReferences(const CString& analysisPath, CString& sectionName, CString& measurementName) {
    sectionName.Empty();
    measurementName.Empty();
    CTextFile file;
    if (!file.Open(analysisPath, CFile::modeRead | CFile::typeText)) {
        return false;
    }
    CString directory;
    SplitPath(analysisPath, &directory, nullptr, nullptr);
    try {
        CString line;
        for (int i = 0; i < kLinesRead && file.ReadLine(line); ++i) {
            file.ThrowIfDamaged();
            if (std::strncmp(line, "SEFIL", 5) == 0) {
                sectionName = NameFrom(line, directory);
            } else if (std::strncmp(line, "DSFIL", 5) == 0) {
                measurementName = NameFrom(line, directory);
            }
        }
        file.Close();
    } catch (const CFileException&) {
        // The file layer has shown the read error: names of a file that did not read are none.
        sectionName.Empty();
        measurementName.Empty();
        return false;
    }
    return true;
}

} // namespace basnev
