#include "platform/ui/CPrintDialog.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CView.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/OwnerWindow.h"
#include "platform/ui/PrintRunner.h"
#include "platform/ui/QtText.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
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
    QWidget* parent = m_pParentWnd && m_pParentWnd->GetWidget() ? m_pParentWnd->GetWidget()->window()
                                                                : platform::OwnerWindow();
    dialog_ = new QPrintDialog(Printer(), parent);
    dialog_->setObjectName(QString::number(GetTemplateId()));
    SetWidget(dialog_);
    // OK asks before a file is overwritten, through the message sink like every question.
    if (auto* buttons = dialog_->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        QObject::disconnect(buttons, &QDialogButtonBox::accepted, dialog_, nullptr);
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog_, [this] { OnOK(); });
        // The page range and copies are shown at once, not behind the options button.
        for (QAbstractButton* button : buttons->buttons()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::ResetRole) {
                button->click();
            }
        }
    }
    // The set-up button carries its id like any control of the dialog.
    if (auto* setup = dialog_->findChild<QPushButton*>(QStringLiteral("properties"))) {
        AddControl(kSetupButton, setup);
    }
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
        Printer()->setPrintRange(QPrinter::PageRange);
        Printer()->setFromTo(m_pd.nFromPage, m_pd.nToPage);
    } else {
        Printer()->setPrintRange(QPrinter::AllPages);
        // The range fields start at the whole document.
        if (m_pd.nMinPage <= m_pd.nFromPage && m_pd.nFromPage <= m_pd.nToPage &&
            m_pd.nToPage <= m_pd.nMaxPage) {
            Printer()->setFromTo(m_pd.nFromPage, m_pd.nToPage);
        }
    }
}

void CPrintDialog::UsePrinter(QPrinter* printer) {
    external_ = printer;
}

int CPrintDialog::DoModal() {
    OfferPdfWithoutPrinter();
    if (!dialog_) {
        Build();
    }
    SetUpDialog();
    OnInitDialog();
    if (platform::DialogScript::Exec(*this) != QDialog::Accepted) {
        return IDCANCEL;
    }
    ReadBack();
    return IDOK;
}

void CPrintDialog::OnOK() {
    if (!dialog_) {
        return;
    }
    const QString file = ChosenFile();
    if (!file.isEmpty() && QFileInfo::exists(file) &&
        AfxMessageBox(platform::FromQStringLossy(file) + CString(u8"\nは既に存在します。\n上書きしますか?"),
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return; // the dialog stays open for another name
    }
    dialog_->accept(); // applies the dialog's settings to the printer
}

QString CPrintDialog::ChosenFile() const {
    auto* name = dialog_ ? dialog_->findChild<QLineEdit*>(QStringLiteral("filename")) : nullptr;
    if (name && name->isEnabled()) {
        return name->text().trimmed();
    }
    return Printer()->outputFormat() == QPrinter::PdfFormat ? Printer()->outputFileName() : QString();
}

void CPrintDialog::OfferPdfWithoutPrinter() {
    if (HavePrinter() || !Printer()->outputFileName().isEmpty()) {
        return;
    }
    auto* view = dynamic_cast<CView*>(m_pParentWnd);
    CDocument* document = view ? view->GetDocument() : nullptr;
    const std::string path = document ? platform::DiskName(document->GetPathName().str()) : std::string();
    Printer()->setOutputFormat(QPrinter::PdfFormat);
    Printer()->setOutputFileName(QString::fromStdString(platform::PrintRunner::UnusedPdfPath(path)));
}

void CPrintDialog::OnCancel() {
    if (dialog_) {
        dialog_->reject();
    }
}

void CPrintDialog::ReadBack() {
    m_pd.Flags &= ~static_cast<DWORD>(PD_SELECTION | PD_PAGENUMS);
    switch (Printer()->printRange()) {
    case QPrinter::PageRange:
        m_pd.Flags |= PD_PAGENUMS;
        m_pd.nFromPage = static_cast<WORD>(Printer()->fromPage());
        m_pd.nToPage = static_cast<WORD>(Printer()->toPage());
        break;
    case QPrinter::Selection:
        m_pd.Flags |= PD_SELECTION;
        break;
    default:
        m_pd.nFromPage = m_pd.nMinPage;
        m_pd.nToPage = m_pd.nMaxPage;
        break;
    }
    devMode_.dmOrientation = Printer()->pageLayout().orientation() == QPageLayout::Landscape
                                 ? DMORIENT_LANDSCAPE
                                 : DMORIENT_PORTRAIT;
}

int CPrintDialog::GetFromPage() const {
    return PrintRange() ? m_pd.nFromPage : -1;
}
int CPrintDialog::GetToPage() const {
    return PrintRange() ? m_pd.nToPage : -1;
}
BOOL CPrintDialog::PrintRange() const {
    return (m_pd.Flags & PD_PAGENUMS) != 0;
}

DEVMODE* CPrintDialog::GetDevMode() {
    devMode_.dmOrientation = Printer()->pageLayout().orientation() == QPageLayout::Landscape
                                 ? DMORIENT_LANDSCAPE
                                 : DMORIENT_PORTRAIT;
    return &devMode_;
}
