#include "common/ui/section/CNumberPropDlg.h"

#include "common/records/StandardColors.h"
#include "common/ui/dialogs/CFontMyDialog.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/CViewBase.h"
#include "common/ui/section/OwnerDrawDelegate.h"
#include "platform/ui/CDC.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CNumberPropDlg, CDialog)

namespace {

constexpr int kRowHeight = 20;
constexpr int kLineWidths[4] = {1, 2, 3, 4};
constexpr int kMarkSizes[4] = {1, 3, 5, 7};

// Position of value in a list of four; 0 when it is not there.
int IndexOf(const int (&values)[4], int value) {
    for (int i = 0; i < 4; ++i) {
        if (values[i] == value) {
            return i;
        }
    }
    return 0;
}

int ColorIndex(COLORREF color) {
    const int index = FindStandardColor(color);
    return index < 0 ? 0 : index;
}

COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

// The font of the list's texts.
LOGFONT ListFont() {
    LOGFONT font = section::DefaultNumberFont();
    const CString face(u8"ＭＳ Ｐゴシック");
    std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", face.GetString());
    return font;
}

QComboBox* Combo(CWnd& dialog, UINT id) {
    return qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(id));
}

void ShowControl(CWnd& dialog, UINT id, bool show) {
    if (QWidget* control = dialog.GetDlgItemWidget(id)) {
        control->setVisible(show);
    }
}

} // namespace

CNumberPropDlg::CNumberPropDlg(const section::DisplayPropertiesLayout& layout, CViewBase* view)
    : CDialog(layout.templateId, view), layout_(layout), view_(view) {
    MapCommand(layout_.showCheck, [this] { OnShowCheck(); });
    MapCommand(layout_.fontButton, [this] { OnFont(); });
    MapCommand(layout_.defaultButton, [this] { OnDefault(); });
}

void CNumberPropDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"表示プロパティ"));
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(AddControl(kListLabel, new QLabel(platform::ToQString(u8"項目選択ﾘｽﾄ："))), 0, 0);
    auto* list = new QListWidget;
    list->setItemDelegate(new section::OwnerDrawDelegate(
        kRowHeight,
        [this](CDC& dc, const CRect& rect, int row, bool selected, bool focused) {
            DrawRow(dc, rect, row, selected, focused);
        },
        list));
    list->setMinimumSize(420, kRowHeight * 12);
    layout->addWidget(AddControl(kItemList, list), 1, 0, 1, 3);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) { OnRowChange(row); });

    auto* controls = new QGridLayout;
    controls->addWidget(AddControl(layout_.showCheck, new QCheckBox(platform::ToQString(u8"表示する"))), 0, 0,
                        1, 2);
    controls->addWidget(AddControl(kChoiceLabel, new QLabel(platform::ToQString(u8"点ID："))), 1, 0);
    auto* choice = new QComboBox;
    controls->addWidget(AddControl(kChoiceCombo, choice), 1, 1);
    controls->addWidget(AddControl(kColorLabel, new QLabel(platform::ToQString(u8"色："))), 2, 0);
    auto* color = new QComboBox;
    color->setItemDelegate(new section::OwnerDrawDelegate(
        kRowHeight,
        [](CDC& dc, const CRect& rect, int row, bool selected, bool) {
            DrawColorItem(dc, rect, row, selected);
        },
        color));
    color->setIconSize(QSize(28, 14));
    for (int i = 0; i < 16; ++i) {
        CString name;
        const COLORREF value = GetStandardColor(i, &name);
        QPixmap swatch(28, 14);
        swatch.fill(QColor(GetRValue(value), GetGValue(value), GetBValue(value)));
        QPainter(&swatch).drawRect(0, 0, 27, 13);
        color->addItem(QIcon(swatch), platform::ToQString(name));
    }
    controls->addWidget(AddControl(kColorCombo, color), 2, 1);
    controls->addWidget(AddControl(layout_.fontButton, new QPushButton(platform::ToQString(u8"ﾌｫﾝﾄ..."))), 3,
                        1);
    controls->addWidget(AddControl(kWidthLabel, new QLabel(platform::ToQString(u8"太さ："))), 4, 0);
    auto* width = new QComboBox;
    controls->addWidget(AddControl(layout_.widthCombo, width), 4, 1);
    controls->setRowStretch(5, 1);
    layout->addLayout(controls, 2, 0, 1, 3);

    QObject::connect(color, &QComboBox::currentIndexChanged, color, [this](int i) { OnColorChange(i); });
    QObject::connect(width, &QComboBox::currentIndexChanged, width, [this](int i) { OnWidthChange(i); });
    QObject::connect(choice, &QComboBox::currentIndexChanged, choice, [this](int i) { OnChoiceChange(i); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddControl(layout_.defaultButton, new QPushButton(platform::ToQString(u8"ﾃﾞﾌｫﾙﾄ"))));
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0);
    layout->addLayout(MakeOkCancelRow(), 3, 1, 1, 2);
}

int CNumberPropDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CNumberPropDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    BuildRows(m_display);
    FillList(0);
    CenterDialog(*this);
    return TRUE;
}

void CNumberPropDlg::BuildRows(const section::DisplayBlock& block) {
    rows_.clear();
    for (int code : m_itemCodes) {
        Row row;
        row.code = code;
        if (code >= 0 && code < 10 && code < static_cast<int>(block.numbers.size())) {
            row.family = kNumberRow;
            row.item = code;
            row.number = block.numbers[static_cast<std::size_t>(code)];
            row.draw = row.number.draw;
            row.choice = row.number.numberType >= 0 ? row.number.numberType : -1;
        } else if (code >= 10 && code < 100 && code - 10 < static_cast<int>(block.lines.size())) {
            row.family = kLineRow;
            row.item = code - 10;
            row.line = block.lines[static_cast<std::size_t>(row.item)];
            row.draw = row.line.draw;
            row.colorIndex = ColorIndex(row.line.color);
            row.widthIndex = IndexOf(kLineWidths, row.line.width);
            const int choices = static_cast<int>(layout_.lineChoices.size());
            if (row.item == layout_.selectableLine && row.line.type >= 0 && row.line.type < choices) {
                row.choice = row.line.type;
            }
        } else if (code >= 100 && code < 1000 && code - 100 < static_cast<int>(block.points.size())) {
            row.family = kPointRow;
            row.item = code - 100;
            row.point = block.points[static_cast<std::size_t>(row.item)];
            row.draw = row.point.draw;
            row.colorIndex = ColorIndex(row.point.color);
            row.widthIndex = IndexOf(kMarkSizes, row.point.size);
        } else {
            continue;
        }
        rows_.push_back(row);
    }
}

void CNumberPropDlg::FillList(int selected) {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(kItemList));
    filling_ = true;
    list->clear();
    for (const Row& row : rows_) {
        list->addItem(platform::ToQString(RowName(row)));
    }
    filling_ = false;
    current_ = rows_.empty() ? 0 : std::clamp(selected, 0, static_cast<int>(rows_.size()) - 1);
    if (!rows_.empty()) {
        list->setCurrentRow(current_);
    }
    ShowRowControls();
}

CString CNumberPropDlg::RowName(const Row& row) const {
    const auto label = layout_.labels.find(row.code);
    CString name = label == layout_.labels.end() ? CString() : label->second;
    if (layout_.typeInRowName && row.family == kNumberRow) {
        if (row.choice == 1) {
            name += CString(u8"名");
        } else if (row.choice == 0) {
            name += CString(u8"番号");
        }
    }
    return name;
}

void CNumberPropDlg::ShowRowControls() {
    for (UINT id : {layout_.fontButton, UINT(kColorLabel), UINT(kColorCombo), UINT(kWidthLabel),
                    layout_.widthCombo, UINT(kChoiceLabel), UINT(kChoiceCombo)}) {
        ShowControl(*this, id, false);
    }
    if (rows_.empty()) {
        return;
    }
    const Row& row = rows_[static_cast<std::size_t>(current_)];
    filling_ = true;
    CheckDlgButton(layout_.showCheck, row.draw ? 1 : 0);
    QComboBox* choice = Combo(*this, kChoiceCombo);
    const auto offerChoice = [&](const CString& label, const std::vector<CString>& choices) {
        SetDlgItemText(kChoiceLabel, label);
        choice->clear();
        for (const CString& text : choices) {
            choice->addItem(platform::ToQString(text));
        }
        choice->setCurrentIndex(row.choice);
        ShowControl(*this, kChoiceLabel, true);
        ShowControl(*this, kChoiceCombo, true);
    };
    if (row.family == kNumberRow) {
        ShowControl(*this, layout_.fontButton, true);
        if (row.choice >= 0) {
            offerChoice(layout_.numberChoiceLabel, {CString(u8"番号"), CString(u8"地点名")});
        }
    } else {
        Combo(*this, kColorCombo)->setCurrentIndex(row.colorIndex);
        QComboBox* width = Combo(*this, layout_.widthCombo);
        width->clear();
        for (int value : row.family == kLineRow ? kLineWidths : kMarkSizes) {
            width->addItem(QString::asprintf("   %1d", value));
        }
        width->setCurrentIndex(row.widthIndex);
        for (UINT id : {UINT(kColorLabel), UINT(kColorCombo), UINT(kWidthLabel), layout_.widthCombo}) {
            ShowControl(*this, id, true);
        }
        if (row.family == kLineRow && row.choice >= 0) {
            offerChoice(layout_.lineChoiceLabel, layout_.lineChoices);
        }
    }
    filling_ = false;
}

void CNumberPropDlg::OnRowChange(int row) {
    if (filling_ || row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    current_ = row;
    ShowRowControls();
}

// Every change repaints the current row, whose name may follow the change too.
void CNumberPropDlg::RedrawRow() {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(kItemList));
    if (QListWidgetItem* item = list->item(current_)) {
        item->setText(platform::ToQString(RowName(rows_[static_cast<std::size_t>(current_)])));
    }
    list->viewport()->update();
}

void CNumberPropDlg::OnShowCheck() {
    if (filling_ || rows_.empty()) {
        return;
    }
    rows_[static_cast<std::size_t>(current_)].draw = IsDlgButtonChecked(layout_.showCheck) ? 1 : 0;
    RedrawRow();
}

void CNumberPropDlg::OnColorChange(int index) {
    if (filling_ || rows_.empty() || index < 0) {
        return;
    }
    rows_[static_cast<std::size_t>(current_)].colorIndex = index;
    RedrawRow();
}

void CNumberPropDlg::OnWidthChange(int index) {
    if (filling_ || rows_.empty() || index < 0) {
        return;
    }
    rows_[static_cast<std::size_t>(current_)].widthIndex = index;
    RedrawRow();
}

void CNumberPropDlg::OnChoiceChange(int index) {
    if (filling_ || rows_.empty() || index < 0) {
        return;
    }
    rows_[static_cast<std::size_t>(current_)].choice = index;
    RedrawRow();
}

void CNumberPropDlg::OnFont() {
    if (rows_.empty() || rows_[static_cast<std::size_t>(current_)].family != kNumberRow) {
        return;
    }
    Row& row = rows_[static_cast<std::size_t>(current_)];
    CFontMyDialog font(&row.number.font,
                       CF_BOTH | CF_SCALABLEONLY | CF_WYSIWYG | CF_LIMITSIZE | CF_EFFECTS |
                           CF_INITTOLOGFONTSTRUCT,
                       nullptr, this);
    font.m_cf.rgbColors = row.number.color;
    font.m_cf.nSizeMin = 4;
    font.m_cf.nSizeMax = 18;
    font.m_nCheck2 = row.number.outline;
    if (font.DoModal() != IDOK) {
        return;
    }
    font.GetCurrentFont(&row.number.font);
    row.number.color = font.GetColor();
    row.number.outline = font.m_nCheck2;
    RedrawRow();
}

void CNumberPropDlg::OnDefault() {
    BuildRows(m_defaults);
    FillList(current_);
}

void CNumberPropDlg::OnOK() {
    for (const Row& row : rows_) {
        const auto item = static_cast<std::size_t>(row.item);
        if (row.family == kNumberRow) {
            section::NumberStyle& number = m_display.numbers[item];
            number = row.number;
            number.draw = row.draw;
            number.numberType = row.choice;
        } else if (row.family == kLineRow) {
            section::LineStyle& line = m_display.lines[item];
            line = row.line;
            line.draw = row.draw;
            line.color = GetStandardColor(row.colorIndex);
            line.width = kLineWidths[row.widthIndex];
            if (row.choice >= 0) {
                line.type = row.choice;
            }
        } else {
            section::PointStyle& point = m_display.points[item];
            point = row.point;
            point.draw = row.draw;
            point.color = GetStandardColor(row.colorIndex);
            point.size = kMarkSizes[row.widthIndex];
        }
    }
    EndDialog(IDOK);
}

void CNumberPropDlg::DrawRow(CDC& dc, const CRect& rect, int index, bool selected, bool focused) const {
    if (index < 0 || index >= static_cast<int>(rows_.size())) {
        return;
    }
    const Row& row = rows_[static_cast<std::size_t>(index)];
    const QPalette palette = QApplication::palette();
    dc.FillSolidRect(rect, selected ? ToColorRef(palette.color(QPalette::Highlight)) : RGB(255, 255, 255));
    if (focused) {
        CBrush frame(RGB(128, 128, 128));
        dc.FrameRect(rect, &frame);
    }
    CFont font;
    const LOGFONT logFont = ListFont();
    font.CreateFontIndirect(&logFont);
    CFont* old = dc.SelectObject(&font);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(selected ? ToColorRef(palette.color(QPalette::HighlightedText)) : RGB(0, 0, 0));
    const int textTop = rect.top + (rect.Height() - static_cast<int>(metrics.tmHeight)) / 2;
    int x = rect.left + 12;
    dc.TextOut(x, textTop, RowName(row));
    x += 17 * static_cast<int>(metrics.tmAveCharWidth);
    dc.TextOut(x, textTop, CString(row.draw ? u8"表示" : u8"非表示"));
    dc.SelectObject(old);
    if (row.draw) {
        DrawSample(dc, row, x + 9 * static_cast<int>(metrics.tmAveCharWidth), rect);
    }
}

// The item as the view draws it: a label, a line or a mark.
void CNumberPropDlg::DrawSample(CDC& dc, const Row& row, int x, const CRect& rect) const {
    const int middle = (rect.top + rect.bottom) / 2;
    if (row.family == kNumberRow) {
        CFont font;
        font.CreateFontIndirect(&row.number.font);
        CFont* old = dc.SelectObject(&font);
        dc.SetTextColor(row.number.color);
        const CString sample("12345678");
        const CSize extent = dc.GetTextExtent(sample);
        const int top = middle - extent.cy / 2;
        dc.TextOut(x, top, sample);
        if (row.number.outline) {
            CBrush frame(row.number.color);
            dc.FrameRect(CRect(x - 1, top - 1, x + extent.cx + 1, top + extent.cy + 1), &frame);
        }
        dc.SelectObject(old);
        return;
    }
    const COLORREF color = GetStandardColor(row.colorIndex);
    if (row.family == kLineRow) {
        CPen pen(PS_SOLID, kLineWidths[row.widthIndex], color);
        CPen* old = dc.SelectObject(&pen);
        dc.MoveTo(x, middle);
        dc.LineTo(x + 70, middle);
        dc.SelectObject(old);
        return;
    }
    if (!view_) {
        return;
    }
    const CPoint at(x + 10, middle);
    const int size = kMarkSizes[row.widthIndex];
    if (row.item == 0) {
        view_->DrawPointBoxColor(&dc, at, color, size / 2);
    } else if (row.item == 1) {
        view_->DrawCrossMark(&dc, at, color, size);
    } else {
        view_->DrawTriangleMark(&dc, at, color, size);
    }
}

void CNumberPropDlg::DrawColorItem(CDC& dc, const CRect& rect, int index, bool selected) {
    const QPalette palette = QApplication::palette();
    dc.FillSolidRect(rect, selected ? ToColorRef(palette.color(QPalette::Highlight)) : RGB(255, 255, 255));
    CString name;
    const COLORREF color = GetStandardColor(index, &name);
    const CRect swatch(rect.left + 10, rect.top + 2, rect.left + 38, rect.bottom - 2);
    dc.FillSolidRect(swatch, color);
    CBrush outline(RGB(0, 0, 0));
    dc.FrameRect(swatch, &outline);
    CFont font;
    const LOGFONT logFont = ListFont();
    font.CreateFontIndirect(&logFont);
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(selected ? ToColorRef(palette.color(QPalette::HighlightedText)) : RGB(0, 0, 0));
    const CSize extent = dc.GetTextExtent(name);
    dc.TextOut(swatch.right + 10, rect.top + (rect.Height() - extent.cy) / 2, name);
    dc.SelectObject(old);
}
