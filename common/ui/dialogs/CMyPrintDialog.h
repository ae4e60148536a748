#pragma once
// The suite's print dialog: the common print dialog on its own template (1538, except for
// printer set-up), without the printer set-up button (1024), centred.

#include "platform/ui/CPrintDialog.h"

class CMyPrintDialog : public CPrintDialog {
    DECLARE_DYNAMIC(CMyPrintDialog)
public:
    enum : UINT { kTemplateId = 1538 };

    explicit CMyPrintDialog(BOOL printSetupOnly,
                            DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                            CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
};
