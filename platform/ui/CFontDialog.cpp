#include "platform/ui/CFontDialog.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CDC.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/FontSubstitution.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

namespace {

struct BoxColorEntry {
    const char8_t* name;
    COLORREF color;
};

constexpr BoxColorEntry kBoxColors[16] = {
    {u8"黒", RGB(0, 0, 0)},           {u8"栗色", RGB(128, 0, 0)},     {u8"緑", RGB(0, 128, 0)},
    {u8"オリーブ", RGB(128, 128, 0)}, {u8"濃紺", RGB(0, 0, 128)},     {u8"紫", RGB(128, 0, 128)},
    {u8"緑青", RGB(0, 128, 128)},     {u8"灰色", RGB(128, 128, 128)}, {u8"銀", RGB(192, 192, 192)},
    {u8"赤", RGB(255, 0, 0)},         {u8"黄緑", RGB(0, 255, 0)},     {u8"黄", RGB(255, 255, 0)},
    {u8"青", RGB(0, 0, 255)},         {u8"赤紫", RGB(255, 0, 255)},   {u8"水色", RGB(0, 255, 255)},
    {u8"白", RGB(255, 255, 255)},
};

enum StyleRow { kRegular, kItalic, kBold, kBoldItalic };

constexpr int kDefaultPoints = 9; // a LOGFONT without a height: the 12-pixel default

} // namespace

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CDC* printerDC, CWnd* parent, UINT templateId)
    : CDialog(templateId, parent), printerDC_(printerDC) {
    if (initial) {
        m_lf = *initial;
    }
    m_cf.Flags = flags;
}

COLORREF CFontDialog::BoxColor(int index) {
    return index >= 0 && index < 16 ? kBoxColors[index].color : 0;
}

int CFontDialog::Dpi() const {
    return printerDC_ ? printerDC_->GetDeviceCaps(LOGPIXELSY) : 96;
}

void CFontDialog::CreateControls() {
    auto* layout = new QVBoxLayout(GetWidget());
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(AddControl(kFaceLabel, new QLabel(platform::ToQString(u8"フォント名(F):"))), 0, 0);
    grid->addWidget(AddControl(kStyleLabel, new QLabel(platform::ToQString(u8"スタイル(Y):"))), 0, 1);
    grid->addWidget(AddControl(kSizeLabel, new QLabel(platform::ToQString(u8"サイズ(S):"))), 0, 2);
    faces_ = static_cast<QListWidget*>(AddControl(kFaceList, new QListWidget));
    styles_ = static_cast<QListWidget*>(AddControl(kStyleList, new QListWidget));
    sizes_ = static_cast<QListWidget*>(AddControl(kSizeList, new QListWidget));
    grid->addWidget(faces_, 1, 0);
    grid->addWidget(styles_, 1, 1);
    grid->addWidget(sizes_, 1, 2);
    for (const char8_t* style : {u8"標準", u8"斜体", u8"太字", u8"太字 斜体"}) {
        styles_->addItem(platform::ToQString(style));
    }

    auto* effects = new QHBoxLayout;
    layout->addLayout(effects);
    effects->addWidget(AddControl(kStrikeOut, new QCheckBox(platform::ToQString(u8"取り消し線(K)"))));
    effects->addWidget(AddControl(kUnderline, new QCheckBox(platform::ToQString(u8"下線(U)"))));
    effects->addWidget(AddControl(kColorLabel, new QLabel(platform::ToQString(u8"色(C):"))));
    colors_ = static_cast<QComboBox*>(AddControl(kColorBox, new QComboBox));
    effects->addWidget(colors_);
    for (const BoxColorEntry& entry : kBoxColors) {
        colors_->addItem(platform::ToQString(entry.name));
    }
    if (!(m_cf.Flags & CF_EFFECTS)) {
        for (int id : {kStrikeOut, kUnderline, kColorLabel, kColorBox}) {
            GetDlgItemWidget(id)->hide();
        }
    }

    sample_ = static_cast<QLabel*>(AddControl(kSample, new QLabel(platform::ToQString(u8"Aaあぁアァ亜宇"))));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(48);
    layout->addWidget(sample_);
    auto* extra = new QVBoxLayout;
    layout->addLayout(extra);
    extraArea_ = extra;

    layout->addLayout(MakeOkCancelRow());

    auto changed = [this] { OnFontChange(); };
    QObject::connect(faces_, &QListWidget::currentRowChanged, faces_, changed);
    QObject::connect(styles_, &QListWidget::currentRowChanged, styles_, changed);
    QObject::connect(sizes_, &QListWidget::currentRowChanged, sizes_, changed);
    QObject::connect(colors_, &QComboBox::currentIndexChanged, colors_, changed);
    for (int id : {kStrikeOut, kUnderline}) {
        QObject::connect(static_cast<QCheckBox*>(GetDlgItemWidget(id)), &QCheckBox::toggled, GetWidget(),
                         changed);
    }
    FillFaces();
    FillSizes();
}

void CFontDialog::FillFaces() {
    initialFamily_ = platform::SubstituteFontFamily(CString(m_lf.lfFaceName));
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if ((m_cf.Flags & CF_FIXEDPITCHONLY) && !QFontDatabase::isFixedPitch(family)) {
            continue;
        }
        if ((m_cf.Flags & CF_SCALABLEONLY) && !QFontDatabase::isSmoothlyScalable(family)) {
            continue;
        }
        families << family;
    }
    // The family the initial face is drawn with is always offered, whatever the filters say.
    if (!initialFamily_.isEmpty() && !families.contains(initialFamily_)) {
        families.prepend(initialFamily_);
    }
    faces_->addItems(families);
}

void CFontDialog::FillSizes() {
    QList<int> points = QFontDatabase::standardSizes();
    if (m_cf.Flags & CF_LIMITSIZE) {
        points << m_cf.nSizeMin << m_cf.nSizeMax;
        points.erase(
            std::remove_if(points.begin(), points.end(),
                           [this](int p) { return p < m_cf.nSizeMin || p > m_cf.nSizeMax || p <= 0; }),
            points.end());
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    for (int p : points) {
        sizes_->addItem(QString::number(p));
    }
}

void CFontDialog::ShowInitialFont() {
    SelectFace(initialFamily_);
    const bool bold = m_lf.lfWeight >= FW_BOLD;
    styles_->setCurrentRow(bold ? (m_lf.lfItalic ? kBoldItalic : kBold)
                                : (m_lf.lfItalic ? kItalic : kRegular));
    if (!(m_cf.Flags & CF_NOSIZESEL)) {
        const int height = std::abs(static_cast<int>(m_lf.lfHeight));
        SelectSize(height ? static_cast<int>(std::lround(height * 72.0 / Dpi())) : kDefaultPoints);
    }
    CheckDlgButton(kUnderline, m_lf.lfUnderline ? 1 : 0);
    CheckDlgButton(kStrikeOut, m_lf.lfStrikeOut ? 1 : 0);
    SelectColor(m_cf.rgbColors);
}

BOOL CFontDialog::OnInitDialog() {
    ShowInitialFont();
    OnFontChange();
    return TRUE;
}

int CFontDialog::DoModal() {
    EnsureCreated();
    OnInitDialog();
    const int result = platform::DialogScript::Exec(*this);
    return result == IDOK ? IDOK : IDCANCEL;
}

void CFontDialog::OnOK() {
    GetCurrentFont(&m_lf);
    m_cf.iPointSize = GetSize();
    m_cf.rgbColors = GetColor();
    EndDialog(IDOK);
}

void CFontDialog::OnFontChange() {
    if (sample_) {
        sample_->setFont(CurrentQFont());
    }
}

BOOL CFontDialog::SelectFace(const QString& family) {
    const auto found = faces_->findItems(family, Qt::MatchFixedString);
    if (found.isEmpty()) {
        return FALSE;
    }
    faces_->setCurrentItem(found.first());
    return TRUE;
}

BOOL CFontDialog::SelectSize(int points) {
    const auto found = sizes_->findItems(QString::number(points), Qt::MatchExactly);
    if (!found.isEmpty()) {
        sizes_->setCurrentItem(found.first());
        return TRUE;
    }
    // Not offered: the nearest size in the list (a limited range clamps here).
    int best = -1;
    for (int row = 0; row < sizes_->count(); ++row) {
        if (best < 0 || std::abs(sizes_->item(row)->text().toInt() - points) <
                            std::abs(sizes_->item(best)->text().toInt() - points)) {
            best = row;
        }
    }
    sizes_->setCurrentRow(best);
    return FALSE;
}

BOOL CFontDialog::SelectColor(COLORREF color) {
    for (int i = 0; i < 16; ++i) {
        if (kBoxColors[i].color == color) {
            colors_->setCurrentIndex(i);
            return TRUE;
        }
    }
    colors_->setCurrentIndex(0);
    return FALSE;
}

QStringList CFontDialog::Faces() const {
    QStringList families;
    for (int row = 0; row < faces_->count(); ++row) {
        families << faces_->item(row)->text();
    }
    return families;
}

CString CFontDialog::GetFaceName() const {
    const QString family = faces_ && faces_->currentItem() ? faces_->currentItem()->text() : initialFamily_;
    // The family a Windows face name stands for gives that face name back.
    if (family == initialFamily_ && m_lf.lfFaceName[0]) {
        return CString(m_lf.lfFaceName);
    }
    CString name;
    if (!platform::FromQString(family, name)) {
        name = platform::FromQStringLossy(family);
    }
    return name.Left(static_cast<int>(platform::Cp932SafeCut(name.str(), sizeof m_lf.lfFaceName - 1)));
}

bool CFontDialog::SizeChosen() const {
    return sizes_ && sizes_->currentItem();
}

int CFontDialog::GetSize() const {
    if (SizeChosen()) {
        return sizes_->currentItem()->text().toInt() * 10;
    }
    const int height = std::abs(static_cast<int>(m_lf.lfHeight));
    return height ? static_cast<int>(std::lround(height * 720.0 / Dpi())) : kDefaultPoints * 10;
}

COLORREF CFontDialog::GetColor() const {
    return colors_ ? BoxColor(colors_->currentIndex()) : m_cf.rgbColors;
}

int CFontDialog::GetWeight() const {
    return IsBold() ? FW_BOLD : FW_NORMAL;
}

BOOL CFontDialog::IsBold() const {
    return styles_ && (styles_->currentRow() == kBold || styles_->currentRow() == kBoldItalic);
}

BOOL CFontDialog::IsItalic() const {
    return styles_ && (styles_->currentRow() == kItalic || styles_->currentRow() == kBoldItalic);
}

BOOL CFontDialog::IsUnderline() const {
    return IsDlgButtonChecked(kUnderline) != 0;
}

BOOL CFontDialog::IsStrikeOut() const {
    return IsDlgButtonChecked(kStrikeOut) != 0;
}

void CFontDialog::GetCurrentFont(LOGFONT* logFont) const {
    LOGFONT lf = m_lf;
    const CString face = GetFaceName();
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, face.GetString(),
                std::min<std::size_t>(face.str().size(), sizeof lf.lfFaceName - 1));
    if (SizeChosen()) { // with no size chosen (CF_NOSIZESEL) the caller's height stays
        lf.lfHeight = -((GetSize() * Dpi() + 360) / 720);
    }
    lf.lfWeight = GetWeight();
    lf.lfItalic = IsItalic() ? 1 : 0;
    lf.lfUnderline = IsUnderline() ? 1 : 0;
    lf.lfStrikeOut = IsStrikeOut() ? 1 : 0;
    *logFont = lf;
}

QFont CFontDialog::CurrentQFont() const {
    QFont font(platform::SubstituteFontFamily(GetFaceName()));
    font.setPointSize(std::max(1, GetSize() / 10));
    font.setBold(IsBold());
    font.setItalic(IsItalic());
    font.setUnderline(IsUnderline());
    font.setStrikeOut(IsStrikeOut());
    return font;
}
