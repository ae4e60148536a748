#include "control/core/SloReferences.h"

#include "common/records/TextFile.h"
#include "platform/core/CFileException.h"

#include <cstring>

namespace basnev {

namespace {

constexpr int kLinesRead = 4;
constexpr int kNameColumn = 10;

CString NameFrom(const CString& line) {
    return line.GetLength() > kNameColumn ? line.Mid(kNameColumn) : CString();
}

} // namespace

bool ReadSloReferences(const CString& analysisPath, CString& sectionName, CString& measurementName) {
    sectionName.Empty();
    measurementName.Empty();
    CTextFile file;
    if (!file.Open(analysisPath, CFile::modeRead | CFile::typeText)) {
        return false;
    }
    try {
        CString line;
        for (int i = 0; i < kLinesRead && file.ReadLine(line); ++i) {
            if (std::strncmp(line, "SEFIL", 5) == 0) {
                sectionName = NameFrom(line);
            } else if (std::strncmp(line, "DSFIL", 5) == 0) {
                measurementName = NameFrom(line);
            }
        }
        file.Close();
    } catch (const CFileException&) {
        // The file layer has shown the read error; the names found so far stand.
    }
    return true;
}

} // namespace basnev
