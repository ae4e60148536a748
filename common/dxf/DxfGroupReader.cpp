#include "common/dxf/DxfGroupReader.h"

#include "platform/core/CStdioFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstring>

void CDxfGroupReader::ReadLineOrThrow(CString& line) {
    if (!file_.ReadString(line)) {
        AfxThrowFileException(CFileException::endOfFile, -1, file_.GetFilePath());
    }
}

void CDxfGroupReader::Next() {
    if (pushedBack_) {
        pushedBack_ = false;
        return;
    }
    CString codeLine;
    ReadLineOrThrow(codeLine);
    ReadLineOrThrow(value);
    if (!platform::ScanInt(codeLine, code)) {
        code = platform::kUnsetInt;
    }
}

bool CDxfGroupReader::ValueStartsWith(const char* keyword) const {
    return std::strncmp(value.GetString(), keyword, std::strlen(keyword)) == 0;
}

bool CDxfGroupReader::ValueAsReal(double& result) const {
    double number;
    if (!platform::ScanDouble(value, number) || !std::isfinite(number)) {
        return false;
    }
    result = number;
    return true;
}

bool CDxfGroupReader::ValueAsInt(int& result) const { return platform::ScanInt(value, result); }
