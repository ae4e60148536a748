#include "common/ui/dialogs/DataFileCheck.h"

#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "platform/core/MessageSink.h"

#include <new>

const char8_t kMemoryErrorMessage[] = u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。";

bool ReadFirstDataLine(const CString& path, std::string& line) {
    try {
        CTextFile file;
        if (!file.Open(path.GetString(), CFile::modeRead | CFile::typeText)) {
            return false;
        }
        char buffer[kFirstLineBufferSize] = {};
        if (!file.ReadLine(buffer, kFirstLineBufferSize)) {
            return false;
        }
        file.Close();
        line = buffer;
        return true;
    } catch (const CFileException&) {
        return false; // the text file has shown its message
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kMemoryErrorMessage);
        return false;
    }
}

std::string TagField(const std::string& line, std::size_t width) {
    const auto start = static_cast<std::size_t>(kTitleEndColumn);
    return line.size() > start ? line.substr(start, width) : std::string();
}
