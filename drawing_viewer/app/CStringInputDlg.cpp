#include "drawing_viewer/app/CStringInputDlg.h"

#include "drawing_viewer/app/CStringSizeDlg.h"
#include "drawing_viewer/app/DialogEnter.h"
#include "drawing_viewer/app/TextByteValidator.h"

#include "common/records/CTitleFile.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <unistd.h>

namespace zapho {

namespace {

constexpr int kAlignXFlags[3] = {0, 2, 6};
constexpr int kAlignYFlags[2] = {0, 8};

QLabel* Label(const char8_t* text) {
    return new QLabel(platform::ToQString(text));
}

// The text combo box as the string list fills it.
class TextComboFiller {
public:
    explicit TextComboFiller(QComboBox* combo) : combo_(combo) {}
    void AddString(const CString& text) { combo_->addItem(platform::ToQString(text)); }
    void SetCurSel(int index) { combo_->setCurrentIndex(index); }

private:
    QComboBox* combo_;
};

} // namespace

CStringInputDlg::CStringInputDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CStringInputDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"文字入力"));
    auto* layout = new QGridLayout(GetWidget());
    auto* text = new QComboBox;
    text->setEditable(true);
    text->setInsertPolicy(QComboBox::NoInsert);
    text->setMinimumContentsLength(40);
    text->lineEdit()->setValidator(new TextByteValidator(kTextLimit, text));
    layout->addWidget(Label(u8"文字列："), 0, 0);
    layout->addWidget(AddControl(kText, text), 0, 1, 1, 3);
    layout->addWidget(Label(u8"文字間隔(mm)："), 1, 0);
    layout->addWidget(AddControl(kSpacing, new QLineEdit), 1, 1);
    layout->addWidget(AddControl(kErase, new QCheckBox(platform::ToQString(u8"背景を消去する"))), 1, 2, 1, 2);
    layout->addWidget(Label(u8"文字ｻｲｽﾞ(mm)："), 2, 0);
    layout->addWidget(AddControl(kSize, new QLineEdit), 2, 1);
    layout->addWidget(Label(u8"回転角(度)："), 2, 2);
    layout->addWidget(AddControl(kAngle, new QLineEdit), 2, 3);
    layout->addWidget(Label(u8"色："), 3, 0);
    layout->addWidget(AddControl(kColor, new QComboBox), 3, 1);
    layout->addWidget(Label(u8"座標(cm)：  X"), 4, 0);
    layout->addWidget(AddControl(kX, new QLineEdit), 4, 1);
    layout->addWidget(Label(u8"Y"), 4, 2);
    layout->addWidget(AddControl(kY, new QLineEdit), 4, 3);
    auto* alignX = new QComboBox;
    alignX->addItems(
        {platform::ToQString(u8"左"), platform::ToQString(u8"右"), platform::ToQString(u8"中心")});
    auto* alignY = new QComboBox;
    alignY->addItems({platform::ToQString(u8"上辺"), platform::ToQString(u8"底辺")});
    layout->addWidget(Label(u8"文字の位置合わせ： X"), 5, 0);
    layout->addWidget(AddControl(kAlignX, alignX), 5, 1);
    layout->addWidget(Label(u8"Y"), 5, 2);
    layout->addWidget(AddControl(kAlignY, alignY), 5, 3);
    layout->addLayout(MakeOkCancelRow(), 6, 0, 1, 4);
}

int CStringInputDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CStringInputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    struct Field {
        CRealEdit& edit;
        UINT id;
        const char* format;
        double value;
    };
    const Field fields[] = {{spacing_, kSpacing, "%.1lf", m_dSpacing},
                            {size_, kSize, "%.1lf", m_dSize},
                            {angle_, kAngle, "%.1lf", m_dAngle},
                            {x_, kX, "%.2lf", m_dX},
                            {y_, kY, "%.2lf", m_dY}};
    for (const Field& field : fields) {
        if (!field.edit.SubclassDlgItem(field.id, this)) {
            AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
            continue;
        }
        field.edit.SetFormat(field.format);
        field.edit.SetValue(field.value);
    }
    size_.SetRange(CStringSizeDlg::kSmallestSize, platform::kExtentLimit);
    CheckDlgButton(kErase, m_bErase ? 1U : 0U);
    color_.Attach(qobject_cast<QComboBox*>(GetDlgItemWidget(kColor)));
    color_.SetCurSel(m_nColor);
    FillStringList();
    auto* text = qobject_cast<QComboBox*>(GetDlgItemWidget(kText));
    text->setEditText(platform::ToQString(m_strText));
    const int alignX = (m_nAlign & 6) == 6 ? 2 : (m_nAlign & 2) != 0 ? 1 : 0;
    qobject_cast<QComboBox*>(GetDlgItemWidget(kAlignX))->setCurrentIndex(alignX);
    qobject_cast<QComboBox*>(GetDlgItemWidget(kAlignY))->setCurrentIndex((m_nAlign & 8) != 0 ? 1 : 0);
    CenterDialog(*this);
    return TRUE;
}

void CStringInputDlg::FillStringList() {
    if (m_strTitleFile.IsEmpty() || !platform::IsReadableFile(m_strTitleFile)) {
        return;
    }
    CTitleFile list(m_strTitleFile);
    if (list.ReadTitles() != 1) {
        return;
    }
    TextComboFiller filler(qobject_cast<QComboBox*>(GetDlgItemWidget(kText)));
    list.FillComboBox(&filler);
}

bool CStringInputDlg::ReadText(CString& text) {
    const QString typed = qobject_cast<QComboBox*>(GetDlgItemWidget(kText))->currentText();
    // A character the drawing's code page lacks, or more than the limit, cannot be stored.
    if (typed.isEmpty() || !platform::FromQString(typed, text) || text.GetLength() > kTextLimit) {
        AfxMessageBox(u8"文字入力エラー");
        GetDlgItemWidget(kText)->setFocus();
        return false;
    }
    return true;
}

bool CStringInputDlg::ReadNumbers() {
    double spacing = 0.0, size = 0.0, angle = 0.0, x = 0.0, y = 0.0;
    const std::pair<CRealEdit*, double*> edits[] = {
        {&spacing_, &spacing}, {&size_, &size}, {&angle_, &angle}, {&x_, &x}, {&y_, &y}};
    for (const auto& [edit, value] : edits) {
        if (!edit->CheckValue(*value)) {
            edit->GetWidget()->setFocus();
            return false;
        }
    }
    if (platform::IsUnsetDouble(spacing)) {
        AfxMessageBox(u8"文字間隔が未入力です");
        return false;
    }
    if (platform::IsUnsetDouble(size)) {
        AfxMessageBox(u8"ｻｲｽﾞが未入力です");
        return false;
    }
    if (platform::IsUnsetDouble(angle) || angle < 0.0 || angle > 360.0) {
        AfxMessageBox(u8"回転角の範囲は0～360です");
        return false;
    }
    if (platform::IsUnsetDouble(x) || platform::IsUnsetDouble(y)) {
        AfxMessageBox(u8"座標が未入力です");
        return false;
    }
    if (x < 0.0 || x > m_dPaperW || y < 0.0 || y > m_dPaperH) {
        AfxMessageBox(u8"用紙の外側の座標は入力できません");
        return false;
    }
    m_dSpacing = spacing;
    m_dSize = size;
    m_dAngle = angle;
    m_dX = x;
    m_dY = y;
    return true;
}

void CStringInputDlg::OnOK() {
    if (EnterMovesFocus(*this)) {
        return;
    }
    m_nColor = color_.GetCurSel();
    m_bErase = IsDlgButtonChecked(kErase) != 0 ? TRUE : FALSE;
    CString text;
    if (!ReadText(text) || !ReadNumbers()) {
        return;
    }
    m_strText = text;
    const int alignX = qobject_cast<QComboBox*>(GetDlgItemWidget(kAlignX))->currentIndex();
    const int alignY = qobject_cast<QComboBox*>(GetDlgItemWidget(kAlignY))->currentIndex();
    m_nAlign = kAlignXFlags[std::max(0, alignX)] + kAlignYFlags[std::max(0, alignY)];
    RegisterText();
    EndDialog(IDOK);
}

void CStringInputDlg::RegisterText() const {
    if (m_strTitleFile.IsEmpty() || m_nAutomatic == 0) {
        return;
    }
    CTitleFile list(m_strTitleFile);
    if (platform::IsReadableFile(m_strTitleFile)) {
        list.ReadTitles();
    }
    list.AddTitle(m_strText);
    list.WriteTitles(m_nMaxCount);
}

} // namespace zapho
