#include "platform/ui/CPrintDialog.h"

#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : CDialog(0, parent), printSetupOnly_(printSetupOnly),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_pd.Flags = flags | (printSetupOnly ? static_cast<DWORD>(PD_PRINTSETUP) : 0U);
}

CPrintDialog::~CPrintDialog() {
    delete dialog_;
}

bool CPrintDialog::HavePrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void CPrintDialog::Build() {
    QWidget* parent =
        m_pParentWnd && m_pParentWnd->GetWidget() ? m_pParentWnd->GetWidget()->window() : nullptr;
    dialog_ = new QPrintDialog(printer_.get(), parent);
    dialog_->setObjectName(QString::number(GetTemplateId()));
    SetWidget(dialog_);
    // The set-up button carries its id like any control of the dialog.
    if (auto* setup = dialog_->findChild<QPushButton*>(QStringLiteral("properties")))
        AddControl(kSetupButton, setup);
}

void CPrintDialog::SetUpDialog() {
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    const bool toFileAllowed = !(m_pd.Flags & (PD_HIDEPRINTTOFILE | PD_DISABLEPRINTTOFILE)) || !HavePrinter();
    options.setFlag(QAbstractPrintDialog::PrintToFile, toFileAllowed);
    options.setFlag(QAbstractPrintDialog::PrintSelection, !printSetupOnly_ && !(m_pd.Flags & PD_NOSELECTION));
    options.setFlag(QAbstractPrintDialog::PrintPageRange, !printSetupOnly_ && !(m_pd.Flags & PD_NOPAGENUMS));
    options.setFlag(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog_->setOptions(options);
    dialog_->setMinMax(m_pd.nMinPage, m_pd.nMaxPage);
    if (m_pd.Flags & PD_PAGENUMS) {
        printer_->setPrintRange(QPrinter::PageRange);
        printer_->setFromTo(m_pd.nFromPage, m_pd.nToPage);
    } else {
        printer_->setPrintRange(QPrinter::AllPages);
    }
}

int CPrintDialog::DoModal() {
    if (!dialog_)
        Build();
    SetUpDialog();
    OnInitDialog();
    if (platform::DialogScript::Exec(*this) != QDialog::Accepted)
        return IDCANCEL;
    ReadBack();
    return IDOK;
}

void CPrintDialog::OnOK() {
    if (dialog_)
        dialog_->accept(); // applies the dialog's settings to the printer
}

void CPrintDialog::OnCancel() {
    if (dialog_)
        dialog_->reject();
}

void CPrintDialog::ReadBack() {
    m_pd.Flags &= ~static_cast<DWORD>(PD_SELECTION | PD_PAGENUMS);
    switch (printer_->printRange()) {
    case QPrinter::PageRange:
        m_pd.Flags |= PD_PAGENUMS;
        m_pd.nFromPage = static_cast<WORD>(printer_->fromPage());
        m_pd.nToPage = static_cast<WORD>(printer_->toPage());
        break;
    case QPrinter::Selection:
        m_pd.Flags |= PD_SELECTION;
        break;
    default:
        m_pd.nFromPage = m_pd.nMinPage;
        m_pd.nToPage = m_pd.nMaxPage;
        break;
    }
    m_pd.nCopies = static_cast<WORD>(printer_->copyCount());
    devMode_.dmCopies = static_cast<short>(printer_->copyCount());
    devMode_.dmOrientation = printer_->pageLayout().orientation() == QPageLayout::Landscape
                                 ? DMORIENT_LANDSCAPE
                                 : DMORIENT_PORTRAIT;
}

int CPrintDialog::GetFromPage() const {
    return PrintRange() ? m_pd.nFromPage : -1;
}
int CPrintDialog::GetToPage() const {
    return PrintRange() ? m_pd.nToPage : -1;
}
BOOL CPrintDialog::PrintAll() const {
    return !PrintRange() && !PrintSelection();
}
BOOL CPrintDialog::PrintRange() const {
    return (m_pd.Flags & PD_PAGENUMS) != 0;
}
BOOL CPrintDialog::PrintSelection() const {
    return (m_pd.Flags & PD_SELECTION) != 0;
}
int CPrintDialog::GetCopies() const {
    return m_pd.nCopies;
}

CString CPrintDialog::GetDeviceName() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return CString("PDF");
    return platform::FromQStringLossy(printer_->printerName());
}

CString CPrintDialog::GetPortName() const {
    return platform::FromQStringLossy(printer_->outputFileName());
}

DEVMODE* CPrintDialog::GetDevMode() {
    devMode_.dmOrientation = printer_->pageLayout().orientation() == QPageLayout::Landscape
                                 ? DMORIENT_LANDSCAPE
                                 : DMORIENT_PORTRAIT;
    devMode_.dmCopies = static_cast<short>(printer_->copyCount());
    return &devMode_;
}
