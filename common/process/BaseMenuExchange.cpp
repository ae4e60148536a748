#include "common/process/BaseMenuExchange.h"

#include "common/process/CSharedNameBuffer.h"
#include "common/process/WindowClassClient.h"
#include "platform/core/MessageSink.h"

#include <climits>

namespace process {

namespace {

// Turns a failed registry answer into the user's message; true when the answer was Done.
bool Answered(WindowAnswer answer) {
    switch (answer) {
    case WindowAnswer::Done:
        return true;
    case WindowAnswer::Refused:
        AfxMessageBox(u8"基本ﾒﾆｭｰのﾊﾝﾄﾞﾙ取得失敗3");
        return false;
    case WindowAnswer::NoWindow:
    case WindowAnswer::Unreachable:
        AfxMessageBox(u8"基本ﾒﾆｭｰのﾊﾝﾄﾞﾙ取得失敗2");
        return false;
    }
    return false;
}

bool OpenBuffer(CSharedNameBuffer& buffer) {
    if (buffer.Open()) {
        return true;
    }
    AfxMessageBox(buffer.LastFailure() == CSharedNameBuffer::Failure::Missing ? u8"共有メモリがありません"
                                                                              : u8"共有メモリマッピング失敗");
    return false;
}

// Reads the slot, leaving its text in the buffer when it fits there.
bool FetchSlot(int controlId, CSharedNameBuffer& buffer, CString& text) {
    if (!Answered(GetWindowClassText(kBaseMenuWindowClass, controlId, text)) || !OpenBuffer(buffer)) {
        return false;
    }
    buffer.Zero();
    buffer.Write(text); // a name longer than the buffer stays out of it, never cut
    return true;
}

} // namespace

BaseMenuExchange ReadBaseMenuSlot(int controlId, CString& name) {
    if (!FindWindowClass(kBaseMenuWindowClass)) {
        return BaseMenuExchange::NotRunning;
    }
    CSharedNameBuffer buffer;
    CString text;
    if (!FetchSlot(controlId, buffer, text)) {
        return BaseMenuExchange::Failed;
    }
    name = text;
    return BaseMenuExchange::Unchanged;
}

BaseMenuExchange ReportFileToBaseMenuSlot(int controlId, const CString& currentFile) {
    if (currentFile.IsEmpty() || !FindWindowClass(kBaseMenuWindowClass)) {
        return BaseMenuExchange::NotRunning;
    }
    if (currentFile.GetLength() >= PATH_MAX) {
        AfxMessageBox(u8"ﾌｧｲﾙ名が長すぎるため、基本ﾒﾆｭｰに渡せません");
        return BaseMenuExchange::Failed;
    }
    CSharedNameBuffer buffer;
    CString slotText;
    if (!FetchSlot(controlId, buffer, slotText)) {
        return BaseMenuExchange::Failed;
    }
    if (slotText == currentFile) {
        return BaseMenuExchange::Unchanged;
    }
    buffer.Zero();
    buffer.Write(currentFile);
    if (!Answered(SetWindowClassText(kBaseMenuWindowClass, controlId, currentFile))) {
        return BaseMenuExchange::Failed;
    }
    AfxMessageBox(u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します");
    return BaseMenuExchange::Replaced;
}

} // namespace process
