#include "common/ui/dialogs/CMyPrintDialog.h"

#include "common/ui/dialogs/DialogPlacement.h"

#include <QDialog>
#include <QEvent>

IMPLEMENT_DYNAMIC(CMyPrintDialog, CPrintDialog)

namespace {

// Keeps a control of Qt's print dialog hidden: the dialog shows its buttons again
// whenever it sets itself up for a printer.
class KeepHidden : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget*>(watched)->hide();
        }
        return false;
    }
};

} // namespace

CMyPrintDialog::CMyPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : CPrintDialog(printSetupOnly, flags, parent) {}

BOOL CMyPrintDialog::OnInitDialog() {
    if (!(m_pd.Flags & PD_PRINTSETUP) && Dialog()) {
        Dialog()->setObjectName(QString::number(kTemplateId));
    }
    CPrintDialog::OnInitDialog();
    if (QWidget* setup = GetDlgItemWidget(kSetupButton)) {
        if (!setup->findChild<KeepHidden*>()) {
            setup->installEventFilter(new KeepHidden(setup));
        }
        setup->hide();
    }
    CenterDialog(*this);
    return TRUE;
}
