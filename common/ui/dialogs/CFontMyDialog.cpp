#include "common/ui/dialogs/CFontMyDialog.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/ui/QtText.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

IMPLEMENT_DYNAMIC(CFontMyDialog, CFontDialog)

namespace {} // namespace

CFontMyDialog::CFontMyDialog(const LOGFONT* initial, DWORD flags, CDC* printerDC, CWnd* parent)
    : CFontDialog(initial, flags | CF_ENABLETEMPLATE, printerDC, parent, kTemplateId) {}

void CFontMyDialog::CreateControls() {
    CFontDialog::CreateControls();
    GetDlgItemWidget(kSample)->hide(); // the template's own sample box takes its place
    sample_ = static_cast<QLabel*>(AddControl(kSampleBox, new QLabel(QStringLiteral("12345678"))));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(48);
    sample_->setAutoFillBackground(false); // drawn on a transparent background
    ExtraArea()->addWidget(sample_);
    ExtraArea()->addWidget(AddControl(kCheck1, new QCheckBox(platform::ToQString(u8"番号を表示する"))));
    ExtraArea()->addWidget(AddControl(kCheck2, new QCheckBox(platform::ToQString(u8"枠で囲む"))));
}

void CFontMyDialog::HidePartsByMode() {
    std::vector<int> hidden{kCheck1};
    if (m_nMode >= 1) {
        hidden.insert(hidden.end(), {kCheck2, kColorBox, kColorLabel});
    }
    if (m_nMode >= 2) {
        hidden.insert(hidden.end(), {kSizeList, kSizeLabel});
    }
    if (m_nMode >= 3) {
        hidden.insert(hidden.end(), {kStyleList, kStyleLabel});
    }
    for (int id : hidden) {
        if (QWidget* control = GetDlgItemWidget(id)) {
            control->hide();
        }
    }
}

BOOL CFontMyDialog::OnInitDialog() {
    CFontDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty()) {
        SetWindowText(m_strCaption);
    }
    HidePartsByMode();
    CheckDlgButton(kCheck1, m_nCheck1 ? 1 : 0);
    CheckDlgButton(kCheck2, m_nCheck2 ? 1 : 0);
    CenterDialog(*this);
    return TRUE;
}

void CFontMyDialog::OnOK() {
    m_nCheck1 = static_cast<int>(IsDlgButtonChecked(kCheck1));
    m_nCheck2 = static_cast<int>(IsDlgButtonChecked(kCheck2));
    CFontDialog::OnOK();
}

void CFontMyDialog::OnFontChange() {
    CFontDialog::OnFontChange();
    if (!sample_) {
        return;
    }
    sample_->setFont(CurrentQFont());
    const COLORREF color = GetColor();
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    sample_->setPalette(palette);
}
