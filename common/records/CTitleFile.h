#pragma once
// The title registration file: titles entered before, one per line, newest first,
// offered in the title fields' drop-down lists ("title.idx" by default).

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CTitleFile : public CObject {
    DECLARE_DYNAMIC(CTitleFile)

public:
    static constexpr int kLineSize = 83; // 82 characters a title

    CTitleFile() = default;
    explicit CTitleFile(const CString& path) : path_(path) {}

    // Appends every line of the file. 1 at a normal end of the file; 0 when the file
    // could not be opened (the open message was shown) or could not be read.
    int ReadTitles();
    // Puts a new title at the head; an empty title or one already listed changes nothing.
    void AddTitle(const CString& title);
    // Writes at most maxCount titles from the head into a new file; an empty list leaves
    // the file alone.
    void WriteTitles(int maxCount);

    // Adds every title to a combo box (anything with AddString(const char*) and SetCurSel(int))
    // and leaves nothing selected; an empty list leaves the box alone.
    template <typename ComboBox> void FillComboBox(ComboBox* combo) {
        if (titles_.empty()) {
            return;
        }
        for (const CString& title : titles_) {
            combo->AddString(title);
        }
        combo->SetCurSel(-1);
    }

    const std::vector<CString>& GetTitles() const { return titles_; }
    void SetPath(const CString& path) { path_ = path; }

private:
    CString path_;
    std::vector<CString> titles_;
};
