#pragma once
// The common print dialog over Qt's print dialog, with the framework's page-range fields.
// The dialog sets up its own printer, which the caller prints on (GetPrinter), or one the
// caller gives (UsePrinter). With no printer installed, printing to a PDF file is the only
// way to print, so the dialog then keeps the print-to-file choice even when the flags ask to
// hide it, and offers a PDF beside the parent view's document that overwrites nothing.
// OK on a file that exists asks before overwriting it; "no" keeps the dialog open.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"

#include <memory>

class QPrinter;
class QPrintDialog;
class QString;

enum : DWORD {
    PD_ALLPAGES = 0x0,
    PD_SELECTION = 0x1,
    PD_PAGENUMS = 0x2,
    PD_NOSELECTION = 0x4,
    PD_NOPAGENUMS = 0x8,
    PD_COLLATE = 0x10,
    PD_PRINTTOFILE = 0x20,
    PD_PRINTSETUP = 0x40,
    PD_RETURNDC = 0x100,
    PD_USEDEVMODECOPIES = 0x40000,
    PD_USEDEVMODECOPIESANDCOLLATE = 0x40000,
    PD_DISABLEPRINTTOFILE = 0x80000,
    PD_HIDEPRINTTOFILE = 0x100000,
};

enum : short { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };

struct PRINTDLG {
    DWORD Flags = 0;
    WORD nFromPage = 0xFFFF;
    WORD nToPage = 0xFFFF;
    WORD nMinPage = 1;
    WORD nMaxPage = 0xFFFF;
};

// The printer's device mode as the dialog left it.
struct DEVMODE {
    short dmOrientation = DMORIENT_PORTRAIT;
};

class CPrintDialog : public CDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    // Control id of the printer set-up (properties) button.
    enum : int { kSetupButton = 1024 };

    explicit CPrintDialog(BOOL printSetupOnly,
                          DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                        PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* parent = nullptr);
    ~CPrintDialog() override;

    // Sets up printer instead of the dialog's own (before DoModal; the caller keeps it).
    void UsePrinter(QPrinter* printer);
    int DoModal() override;
    void OnOK() override;
    void OnCancel() override;

    int GetFromPage() const;
    int GetToPage() const;
    BOOL PrintRange() const;
    DEVMODE* GetDevMode();
    // The printer set up by the dialog (a PDF writer when no printer is installed).
    QPrinter* GetPrinter() const { return Printer(); }
    QPrintDialog* PrintDialog() const { return dialog_; }
    static bool HavePrinter();

    PRINTDLG m_pd;

private:
    void Build();
    void SetUpDialog();
    void ReadBack();
    void OfferPdfWithoutPrinter();
    // The file the pages would go to, or empty for a printer.
    QString ChosenFile() const;
    QPrinter* Printer() const { return external_ ? external_ : printer_.get(); }

    BOOL printSetupOnly_;
    std::unique_ptr<QPrinter> printer_;
    QPrinter* external_ = nullptr;
    QPrintDialog* dialog_ = nullptr;
    DEVMODE devMode_;
};
