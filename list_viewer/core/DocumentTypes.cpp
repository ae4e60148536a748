#include "list_viewer/core/DocumentTypes.h"

#include "common/process/ChildCommandLine.h"

#include <cstring>

namespace wenux {

const std::vector<DocumentTypeInfo>& DocumentTypes() {
    static const std::vector<DocumentTypeInfo> types = {
        {0, 240, ".lst", u8"計算結果ﾘｽﾄ -", 4033, u8"計算結果ﾘｽﾄ", 110,
         u8"計算結果ﾘｽﾄ -\n新規\n \n計算結果ﾘｽﾄ (*.lst)\n.lst\nListFileType\nLISTﾌｧｲﾙﾀｲﾌﾟ"},
        {2, 241, ".log", u8"計算実行ﾛｸﾞ -", 4034, u8"計算実行ﾛｸﾞ", 82,
         u8"計算実行ﾛｸﾞ -\n新規\n \n計算実行ﾛｸﾞ (*.log)\n.log\nListFileType\nLOGﾌｧｲﾙﾀｲﾌﾟ"},
        {3, 242, ".lop", u8"作図実行ﾛｸﾞ -", 4035, u8"作図実行ﾛｸﾞ", 102,
         u8"作図実行ﾛｸﾞ -\n新規\n \n作図実行ﾛｸﾞ (*.lop)\n.lop\nListFileType\nLOGﾌｧｲﾙﾀｲﾌﾟ"},
        {4, 243, ".loe", u8"編集ｴﾗｰﾛｸﾞ -", 4036, u8"編集ｴﾗｰﾛｸﾞ", 82,
         u8"編集ｴﾗｰﾛｸﾞ -\n新規\n \n編集ｴﾗｰﾛｸﾞ (*.loe)\n.loe\nListFileType\nLOGﾌｧｲﾙﾀｲﾌﾟ"},
    };
    return types;
}

const DocumentTypeInfo& DocumentTypeOf(int type) {
    for (const DocumentTypeInfo& info : DocumentTypes()) {
        if (info.type == type) {
            return info;
        }
    }
    return DocumentTypes().front();
}

const DocumentTypeInfo& TemplateForPath(const CString& path) {
    for (const DocumentTypeInfo& info : DocumentTypes()) {
        const int length = static_cast<int>(std::strlen(info.extension));
        if (path.GetLength() >= length && path.Right(length).CompareNoCase(info.extension) == 0) {
            return info;
        }
    }
    return DocumentTypes().front();
}

int LogTypeFromPath(const CString& path) {
    const char last = path.IsEmpty() ? '\0' : path[path.GetLength() - 1];
    if (last == 'g' || last == 'G') {
        return 2;
    }
    if (last == 'p' || last == 'P') {
        return 3;
    }
    return 4;
}

CommandLineInfo ParseCommandLine(const std::vector<CString>& arguments) {
    CommandLineInfo info;
    if (arguments.empty() || arguments.front().IsEmpty()) {
        return info;
    }
    const CString& first = arguments.front();
    if ((first[0] == '-' || first[0] == '/') && first.GetLength() >= 2 &&
        (first[1] == 'e' || first[1] == 'E')) {
        return info;
    }
    info.noDocument = false;
    info.path = process::JoinedNames(arguments);
    const int dot = info.path.Find('.');
    const CString extension = info.path.Mid(dot < 0 ? 0 : dot, 4);
    if (extension == ".log" || extension == ".LOG") {
        info.type = 2;
    } else if (extension == ".lop" || extension == ".LOP") {
        info.type = 3;
    } else if (extension == ".loe" || extension == ".LOE") {
        info.type = 4;
    }
    return info;
}

CString StripQuotes(const CString& path) {
    const int length = path.GetLength();
    if (length >= 2 && path[0] == '"' && path[length - 1] == '"') {
        return path.Mid(1, length - 2);
    }
    return path;
}

} // namespace wenux
