#include "common/ui/shell/TitleRegistration.h"

#include "common/ui/section/CTitleSettingDlg.h"

namespace shell {

void EditTitleRegistration(SectionSystemSettings& settings, UINT automaticCheck, UINT browseButton,
                           CWnd* parent, const char* exactExtension) {
    CTitleSettingDlg dialog(automaticCheck, browseButton, parent);
    dialog.m_pszExactExtension = exactExtension;
    dialog.m_strPath = settings.titleFile;
    dialog.m_bAutomatic = settings.titleAutomatic ? TRUE : FALSE;
    dialog.m_nMaxCount = settings.titleMaxCount;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    settings.titleFile = dialog.m_strPath;
    settings.titleAutomatic = dialog.m_bAutomatic ? 1 : 0;
    settings.titleMaxCount = dialog.m_nMaxCount;
}

} // namespace shell
