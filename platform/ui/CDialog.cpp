#include "platform/ui/CDialog.h"
#include "platform/ui/QtText.h"

#include "platform/ui/DialogScript.h"
#include "platform/ui/DialogWidget.h"
#include "platform/ui/OwnerWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

bool CDialog::EnterStepsToNextControl() {
    QDialog* window = Dialog();
    QWidget* focus = window ? window->focusWidget() : nullptr;
    if (!focus || focus == GetDlgItemWidget(IDOK) || !window->isVisible()) {
        return false;
    }
    FocusNextControl(focus);
    return true;
}

void CDialog::FocusNextControl(QWidget* from) {
    QWidget* window = from->window();
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(window)) {
            window->setAttribute(Qt::WA_KeyboardFocusChange);
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId) {
    m_pParentWnd = parent;
    MapCommand(IDOK, [this] { OnOK(); });
    MapCommand(IDCANCEL, [this] { OnCancel(); });
}

CDialog::~CDialog() {
    if (auto* dialog = dynamic_cast<DialogWidget*>(GetWidget())) {
        dialog->Disown();
        delete dialog; // the dialog object owns its widget even when it has a parent window
    }
}

void CDialog::EnsureCreated() {
    if (created_) {
        return;
    }
    created_ = true;
    QWidget* parent = m_pParentWnd ? m_pParentWnd->GetWidget() : platform::OwnerWindow();
    auto* dialog = new DialogWidget(this, parent ? parent->window() : nullptr);
    dialog->setObjectName(QString::number(templateId_));
    SetWidget(dialog);
    CreateControls();
}

QDialog* CDialog::Dialog() const {
    return qobject_cast<QDialog*>(GetWidget());
}

int CDialog::DoModal() {
    EnsureCreated();
    OnInitDialog(); // FALSE only means the dialog set the focus itself
    return platform::DialogScript::Exec(*this);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (templateId) {
        templateId_ = templateId;
    }
    if (parent) {
        m_pParentWnd = parent;
    }
    EnsureCreated();
    OnInitDialog();
    Dialog()->show();
    return TRUE;
}

void CDialog::EndDialog(int result) {
    if (QDialog* dialog = Dialog()) {
        dialog->done(result);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}
void CDialog::OnOK() {
    EndDialog(IDOK);
}
void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
void CDialog::CreateControls() {}

QHBoxLayout* CDialog::MakeOkCancelRow() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    row->addWidget(AddControl(IDOK, ok));
    row->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"))));
    return row;
}
