#pragma once
// The viewer's open dialog: a plot index (".p00") is taken as it is; any other file must
// begin as a figure file does, or "ZAPHO 入力ﾌｧｲﾙではありません" keeps the dialog open; a
// file that cannot be read keeps it open with the open message.

#include "platform/ui/CFileDialog.h"

namespace zapho {

class CInputFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;

    // True when the file can be opened and begins with a figure file's version string.
    static bool IsFigureFile(const CString& path);

protected:
    BOOL OnFileNameOK() override;
};

} // namespace zapho
