#pragma once
// The two paths a list document hands to its view: the list file and a new private
// line-pointer work file beside it. The document reads nothing of the list itself.
//
// The work file is created (empty, owner-only, under a fresh unique name) when the
// document opens and removed when the document goes, also when its view never used it.

#include "platform/core/CString.h"

namespace wenux {

class CListDocumentFiles {
public:
    CListDocumentFiles() = default;
    ~CListDocumentFiles() { Release(); }
    CListDocumentFiles(const CListDocumentFiles&) = delete;
    CListDocumentFiles& operator=(const CListDocumentFiles&) = delete;

    // True when the list is a readable and writable regular file and both files could be
    // opened; otherwise false after the message ("...ﾌｧｲﾙが見つかりません" for a missing,
    // read-only or non-regular file, the file layer's open message for the rest).
    bool Open(const CString& path);
    // Removes the work file and forgets both paths.
    void Release();

    const CString& ListPath() const { return listPath_; }
    const CString& PointerPath() const { return pointerPath_; }

private:
    CString listPath_;
    CString pointerPath_;
};

} // namespace wenux
