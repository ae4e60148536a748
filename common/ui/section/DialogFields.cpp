#include "common/ui/section/DialogFields.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

namespace section {

bool AttachEdit(CEdit& edit, int controlId, CDialog& dialog) {
    if (!edit.SubclassDlgItem(controlId, &dialog)) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
        return false;
    }
    return true;
}

} // namespace section
