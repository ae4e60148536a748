#include "EditTestDialog.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QVBoxLayout>

EditTestDialog::EditTestDialog() : CDialog(140) {}

void EditTestDialog::CreateControls() {
    auto* layout = new QVBoxLayout(GetWidget());
    for (int id : {kRealId, kIntegerId, kFormatRealId, kPlainId}) {
        layout->addWidget(AddControl(id, new QLineEdit));
    }
    layout->addWidget(AddControl(IDOK, new QPushButton("OK")));
    layout->addWidget(AddControl(IDCANCEL, new QPushButton("Cancel")));
}

BOOL EditTestDialog::OnInitDialog() {
    real.SubclassDlgItem(kRealId, this);
    integer.SubclassDlgItem(kIntegerId, this);
    formatReal.SubclassDlgItem(kFormatRealId, this);
    return TRUE;
}

bool EditTestDialog::Open() {
    testsupport::TestApplication();
    Create();
    Dialog()->activateWindow();
    if (!QTest::qWaitForWindowActive(Dialog())) {
        return false;
    }
    // Start outside the numeric edits, so that entering one is a focus change.
    TabInto(kPlainId);
    return Field(kPlainId)->hasFocus();
}

void EditTestDialog::OnOK() {
    if (real.CheckValue(realValue) && integer.CheckValue(integerValue) &&
        formatReal.CheckValue(formatRealValue)) {
        EndDialog(IDOK);
    }
}

QLineEdit* EditTestDialog::Field(int id) const {
    return qobject_cast<QLineEdit*>(GetDlgItemWidget(id));
}

QPushButton* EditTestDialog::Button(int id) const {
    return qobject_cast<QPushButton*>(GetDlgItemWidget(id));
}

void EditTestDialog::TabInto(int id) {
    GetDlgItemWidget(id)->setFocus(Qt::TabFocusReason);
}

std::string EditTestDialog::Text(int id) const {
    return Field(id)->text().toStdString();
}
