#include "CTitleFile.h"

#include "common/records/CTextFile.h"
#include "platform/core/CException.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(CTitleFile, CObject)

int CTitleFile::ReadTitles() {
    CTextFile file;
    if (!file.Open(path_, CFile::modeRead)) {
        return 0;
    }
    file.ReadAsPlainText(); // the titles the user typed: plain text, not records
    try {
        char line[kLineSize];
        int status = 0;
        while (file.ReadLineStatus(line, sizeof line, status)) {
            titles_.emplace_back(line);
        }
        file.Close();
        return status == 1 ? 1 : 0;
    } catch (const CFileException&) {
        AfxMessageBox(u8"ﾀｲﾄﾙ･ﾌｧｲﾙ 読み込みエラー");
    } catch (const std::bad_alloc&) {
        AfxMessageBox(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
    }
    file.Abort();
    return 0;
}

void CTitleFile::AddTitle(const CString& title) {
    if (title.IsEmpty() || std::find(titles_.begin(), titles_.end(), title) != titles_.end()) {
        return;
    }
    titles_.insert(titles_.begin(), title);
}

void CTitleFile::WriteTitles(int maxCount) {
    if (titles_.empty()) {
        return;
    }
    platform::SafeFileWriter writer(path_);
    CTextFile file;
    if (!writer.Open(file, CFile::modeCreate | CFile::modeWrite)) {
        AfxMessageBox(u8"ﾀｲﾄﾙ登録ﾌｧｲﾙに書き込みできません。\n正しいﾀｲﾄﾙ登録ﾌｧｲﾙ名を入力して下さい。");
        return;
    }
    try {
        int count = std::min(maxCount, static_cast<int>(titles_.size()));
        for (int i = 0; i < count; ++i) {
            file.WriteLine(titles_[static_cast<std::size_t>(i)]);
        }
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return;
    }
    CommitWithMessage(writer);
}
