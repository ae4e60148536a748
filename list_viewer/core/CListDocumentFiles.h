#pragma once
// The list file a list document hands to its view, checked when the document opens. The
// document reads nothing of the list itself; the view's line index makes its own
// nameless work file (CLineIndex).

#include "platform/core/CString.h"

namespace wenux {

class CListDocumentFiles {
public:
    CListDocumentFiles() = default;
    ~CListDocumentFiles() { Release(); }
    CListDocumentFiles(const CListDocumentFiles&) = delete;
    CListDocumentFiles& operator=(const CListDocumentFiles&) = delete;

    // True when the list is a readable and writable regular file that could be opened;
    // otherwise false after the message ("...ﾌｧｲﾙが見つかりません" for a missing,
    // read-only or non-regular file, the file layer's open message for the rest).
    bool Open(const CString& path);
    // Forgets the path.
    void Release();

    const CString& ListPath() const { return listPath_; }

private:
    CString listPath_;
};

} // namespace wenux
