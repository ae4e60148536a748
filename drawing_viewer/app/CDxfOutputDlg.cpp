#include "drawing_viewer/app/CDxfOutputDlg.h"

#include "drawing_viewer/app/DialogEnter.h"
#include "drawing_viewer/app/DxfPageFiles.h"

#include "common/records/TextHelpers.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <strings.h>
#include <sys/stat.h>

namespace zapho {

namespace {

constexpr int kPageLimit = 100;
constexpr double kLargestScale = 5.0;

QString Text(const char8_t* text) {
    return platform::ToQString(text);
}

bool Exists(const CString& path) {
    return platform::PathExists(path);
}

} // namespace

CDxfOutputDlg::CDxfOutputDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    MapCommand(kBrowse, [this] { OnBrowse(); });
}

void CDxfOutputDlg::CreateControls() {
    GetWidget()->setWindowTitle(Text(u8"DXFﾌｧｲﾙ出力"));
    auto* layout = new QGridLayout(GetWidget());
    auto* file = new QLineEdit;
    file->setMaxLength(kFileLimit);
    file->setMinimumWidth(320);
    layout->addWidget(new QLabel(Text(u8"ﾌｧｲﾙ名：")), 0, 0);
    layout->addWidget(AddControl(kFile, file), 0, 1, 1, 3);
    layout->addWidget(AddControl(kBrowse, new QPushButton(Text(u8"参照..."))), 0, 4);
    layout->addWidget(new QLabel(Text(u8"ﾍﾟｰｼﾞ番号：")), 1, 0);
    layout->addWidget(AddControl(kFirstPage, new QLineEdit), 1, 1);
    layout->addWidget(new QLabel(Text(u8"～")), 1, 2);
    layout->addWidget(AddControl(kLastPage, new QLineEdit), 1, 3);
    layout->addWidget(new QLabel(Text(u8"*複数ﾍﾟｰｼﾞの場合はﾌｧｲﾙ名下2桁に\n\t01,02...が付けられます")), 2, 0,
                      1, 5);

    auto* scales = new QGroupBox(Text(u8"文字列横方向の尺度"));
    auto* scaleLayout = new QGridLayout(scales);
    scaleLayout->addWidget(new QLabel(Text(u8"全角又は全角半角の混合文字列：")), 0, 0);
    scaleLayout->addWidget(AddControl(kScaleWide, new QLineEdit), 0, 1);
    scaleLayout->addWidget(new QLabel(Text(u8"半角だけの文字列：")), 1, 0);
    scaleLayout->addWidget(AddControl(kScaleNarrow, new QLineEdit), 1, 1);
    layout->addWidget(scales, 3, 0, 1, 5);

    auto* widths = new QGroupBox(Text(u8"線幅と色"));
    auto* widthLayout = new QGridLayout(widths);
    auto* method = new QComboBox;
    method->addItems({Text(u8"ﾓﾉｸﾛで出力"), Text(u8"現在の色で出力"), Text(u8"線幅に割り当てた色で出力")});
    widthLayout->addWidget(new QLabel(Text(u8"方法：")), 0, 0);
    widthLayout->addWidget(AddControl(kMethod, method), 0, 1, 1, 3);
    widthLayout->addWidget(
        AddControl(kWidthPrompt, new QLabel(Text(u8"線幅に色番号(0～255)を割り当てて下さい。↓"))), 1, 0, 1,
        4);
    const char8_t* names[4] = {u8"細線", u8"中細線", u8"中太線", u8"太線"};
    for (int i = 0; i < 4; ++i) {
        widthLayout->addWidget(AddControl(static_cast<int>(kWidthLabel) + i, new QLabel(Text(names[i]))), 2,
                               i);
        widthLayout->addWidget(AddControl(static_cast<int>(kWidthColor) + i, new QLineEdit), 3, i);
    }
    layout->addWidget(widths, 4, 0, 1, 5);
    QObject::connect(method, &QComboBox::currentIndexChanged, method, [this] { ShowWidthColors(); });

    auto* buttons = MakeOkCancelRow();
    auto* help = new QPushButton(Text(u8"ﾍﾙﾌﾟ"));
    help->setEnabled(false); // no help files on this system
    buttons->addWidget(AddControl(kHelp, help));
    layout->addLayout(buttons, 5, 0, 1, 5);
}

int CDxfOutputDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CDxfOutputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    bool subclassed =
        firstPage_.SubclassDlgItem(kFirstPage, this) && lastPage_.SubclassDlgItem(kLastPage, this) &&
        scaleWide_.SubclassDlgItem(kScaleWide, this) && scaleNarrow_.SubclassDlgItem(kScaleNarrow, this);
    for (int i = 0; i < 4; ++i) {
        subclassed = widthColors_[i].SubclassDlgItem(kWidthColor + static_cast<UINT>(i), this) && subclassed;
        widthColors_[i].SetRange(0, 255);
        widthColors_[i].SetValue(m_nWidthColor[i]);
    }
    if (!subclassed) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
    }
    SetDlgItemText(kFile, m_strFile);
    firstPage_.SetRange(1, kPageLimit);
    lastPage_.SetRange(1, kPageLimit);
    firstPage_.SetValue(m_nFirstPage);
    lastPage_.SetValue(m_nLastPage);
    scaleWide_.SetFormat("%.2lf");
    scaleNarrow_.SetFormat("%.2lf");
    scaleWide_.SetValue(m_dScaleWide);
    scaleNarrow_.SetValue(m_dScaleNarrow);
    qobject_cast<QComboBox*>(GetDlgItemWidget(kMethod))->setCurrentIndex(std::clamp(m_nColorMode, 0, 2));
    ShowWidthColors();
    CenterDialog(*this);
    return TRUE;
}

void CDxfOutputDlg::ShowWidthColors() {
    const bool shown =
        qobject_cast<QComboBox*>(GetDlgItemWidget(kMethod))->currentIndex() == kWidthColorMethod;
    GetDlgItemWidget(kWidthPrompt)->setVisible(shown);
    for (int i = 0; i < 4; ++i) {
        GetDlgItemWidget(static_cast<int>(kWidthLabel) + i)->setVisible(shown);
        GetDlgItemWidget(static_cast<int>(kWidthColor) + i)->setVisible(shown);
    }
}

bool CDxfOutputDlg::ReadFileName(CString& name) {
    GetDlgItemText(kFile, name);
    name.Trim();
    if (name.IsEmpty()) {
        AfxMessageBox(u8"ﾌｧｲﾙ名が未入力です !!!");
        return false;
    }
    CString extension;
    SplitPath(name.GetString(), nullptr, nullptr, &extension);
    if (extension.IsEmpty()) {
        name += ".dxf";
    } else if (strcasecmp(extension.GetString(), ".dxf") != 0) {
        AfxMessageBox(u8"ﾌｧｲﾙ名の拡張子 ｴﾗｰ !!!");
        return false;
    }
    return true;
}

bool CDxfOutputDlg::ReadPages(int& first, int& last) {
    if (!firstPage_.CheckValue(first)) {
        GetDlgItemWidget(kFirstPage)->setFocus();
        return false;
    }
    if (!lastPage_.CheckValue(last)) {
        GetDlgItemWidget(kLastPage)->setFocus();
        return false;
    }
    if (platform::IsUnsetInt(first) || platform::IsUnsetInt(last) || first == 0 || first > last) {
        AfxMessageBox(u8"ﾍﾟｰｼﾞ番号 ｴﾗｰ !!!");
        return false;
    }
    return true;
}

bool CDxfOutputDlg::ReadScales(double& wide, double& narrow) {
    for (auto [edit, value, id] :
         {std::tuple{&scaleWide_, &wide, kScaleWide}, std::tuple{&scaleNarrow_, &narrow, kScaleNarrow}}) {
        if (!edit->CheckValue(*value)) {
            GetDlgItemWidget(static_cast<int>(id))->setFocus();
            return false;
        }
        if (platform::IsUnsetDouble(*value) || *value <= 0.0 || *value > kLargestScale) {
            AfxMessageBox(u8"文字列横方向のｻｲｽﾞ調整 ｴﾗｰ !!!");
            return false;
        }
    }
    return true;
}

bool CDxfOutputDlg::ReadWidthColors(int method, int colors[4]) {
    if (method != kWidthColorMethod) {
        return true;
    }
    for (int i = 0; i < 4; ++i) {
        if (!widthColors_[i].CheckValue(colors[i])) {
            GetDlgItemWidget(static_cast<int>(kWidthColor) + i)->setFocus();
            return false;
        }
        if (platform::IsUnsetInt(colors[i])) {
            AfxMessageBox(u8"線幅別の色番号が未入力です !!!");
            return false;
        }
    }
    return true;
}

bool CDxfOutputDlg::MayReplace(const std::vector<CString>& paths) {
    const bool anyExists = std::any_of(paths.begin(), paths.end(), Exists);
    return !anyExists || AfxMessageBox(u8"既に指定ﾌｧｲﾙが存在します。\n上書きされますがよろしいですか？",
                                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CDxfOutputDlg::OnOK() {
    if (EnterMovesFocus(*this)) {
        return;
    }
    CString name;
    int first = 0, last = 0;
    double wide = 0.0, narrow = 0.0;
    int colors[4] = {m_nWidthColor[0], m_nWidthColor[1], m_nWidthColor[2], m_nWidthColor[3]};
    const int method = qobject_cast<QComboBox*>(GetDlgItemWidget(kMethod))->currentIndex();
    if (!ReadFileName(name) || !ReadPages(first, last) || !ReadScales(wide, narrow) ||
        !ReadWidthColors(method, colors)) {
        return;
    }
    const int pages = std::max(1, m_nPageCount);
    if (!MayReplace(DxfPageFiles(name, std::min(first, pages), std::min(last, pages)))) {
        return;
    }
    SetDlgItemText(kFile, name);
    m_strFile = name;
    m_nFirstPage = first;
    m_nLastPage = last;
    m_dScaleWide = wide;
    m_dScaleNarrow = narrow;
    m_nColorMode = std::max(0, method);
    std::copy(colors, colors + 4, m_nWidthColor);
    EndDialog(IDOK);
}

void CDxfOutputDlg::OnBrowse() {
    CString current;
    GetDlgItemText(kFile, current);
    CString directory;
    CString title;
    CString extension;
    SplitPath(current.GetString(), &directory, &title, &extension);
    if (directory.GetLength() > 1 && directory.Right(1) == "/") {
        directory = directory.Left(directory.GetLength() - 1);
    }
    const CString fileName = title + extension;
    const CString filter(u8"DXFﾌｧｲﾙ (*.dxf) |*.dxf||");
    const CString caption(u8"参照");
    CFileDialog dialog(FALSE, nullptr, fileName.GetString(), OFN_HIDEREADONLY, filter.GetString(), this);
    dialog.m_ofn.lpstrTitle = caption.GetString();
    if (!directory.IsEmpty()) {
        dialog.m_ofn.lpstrInitialDir = directory.GetString();
    }
    if (dialog.DoModal() == IDOK) {
        // Linux names are case-sensitive: the path is shown as chosen.
        SetDlgItemText(kFile, dialog.GetPathName());
    }
}

} // namespace zapho
