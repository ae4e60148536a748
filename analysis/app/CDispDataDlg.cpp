#include "analysis/app/CDispDataDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace torvan {

namespace {

QListWidget* List(CWnd& dialog, UINT id) {
    return qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(id));
}

const char8_t* UseMark(int use) {
    return use ? u8"○" : u8"×";
}

QListWidget* MakeList(int width) {
    auto* list = new QListWidget;
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFont(QFont(QStringLiteral("Noto Sans Mono CJK JP")));
    list->setMinimumSize(width, 220);
    return list;
}

} // namespace

CDispDataDlg::CDispDataDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    MapCommand(kUsePoint, [this] { SetSelectedPoints(1); });
    MapCommand(kExcludePoint, [this] { SetSelectedPoints(0); });
    MapCommand(kUseReading, [this] { SetSelectedReadings(1); });
    MapCommand(kExcludeReading, [this] { SetSelectedReadings(0); });
}

void CDispDataDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"変位ﾃﾞｰﾀの設定"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"計測点")), 0, 0, 1, 2);
    auto* points = MakeList(260);
    layout->addWidget(AddControl(kPointList, points), 1, 0, 1, 2);
    layout->addWidget(AddControl(kUsePoint, new QPushButton(platform::ToQString(u8"使用 ○"))), 2, 0);
    layout->addWidget(AddControl(kExcludePoint, new QPushButton(platform::ToQString(u8"除外 ×"))), 2, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"β")), 3, 0);
    layout->addWidget(AddControl(kBeta, new QLineEdit), 3, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"計測値")), 0, 2, 1, 2);
    auto* readings = MakeList(420);
    layout->addWidget(AddControl(kReadingList, readings), 1, 2, 1, 2);
    layout->addWidget(AddControl(kUseReading, new QPushButton(platform::ToQString(u8"使用 ○"))), 2, 2);
    layout->addWidget(AddControl(kExcludeReading, new QPushButton(platform::ToQString(u8"除外 ×"))), 2, 3);
    layout->addLayout(MakeOkCancelRow(), 4, 0, 1, 4);
    QObject::connect(points, &QListWidget::currentRowChanged, points,
                     [this](int row) { OnPointChange(row); });
    QObject::connect(points, &QListWidget::itemDoubleClicked, points,
                     [this, points](QListWidgetItem* item) { TogglePoint(points->row(item)); });
    QObject::connect(readings, &QListWidget::itemDoubleClicked, readings,
                     [this, readings](QListWidgetItem* item) { ToggleReading(readings->row(item)); });
}

int CDispDataDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CDispDataDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    beta_.SubclassDlgItem(kBeta, this);
    beta_.SetFormat("%.4lf");
    current_ = -1;
    ShowPoints();
    if (!m_points.empty()) {
        List(*this, kPointList)->setCurrentRow(0);
    }
    CenterDialog(*this);
    return TRUE;
}

CDispDataDlg::Point* CDispDataDlg::CurrentPoint() {
    if (current_ < 0 || current_ >= static_cast<int>(m_points.size())) {
        return nullptr;
    }
    return &m_points[static_cast<std::size_t>(current_)];
}

void CDispDataDlg::ShowPoints() {
    QListWidget* list = List(*this, kPointList);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const Point& point = m_points[i];
        CString text;
        text.Format(u8"%-16s %s %6.4lf", point.name.GetString(), CString(UseMark(point.use)).GetString(),
                    point.beta);
        if (i < static_cast<std::size_t>(list->count())) {
            list->item(static_cast<int>(i))->setText(platform::ToQString(text));
        } else {
            list->addItem(platform::ToQString(text));
        }
    }
}

void CDispDataDlg::ShowReadings() {
    QListWidget* list = List(*this, kReadingList);
    const Point* point = CurrentPoint();
    const std::size_t count = point ? point->readings.size() : 0;
    while (list->count() > static_cast<int>(count)) {
        delete list->takeItem(list->count() - 1);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const CString text = CString(UseMark(point->readingUsed[i])) + " " + point->readings[i];
        if (i < static_cast<std::size_t>(list->count())) {
            list->item(static_cast<int>(i))->setText(platform::ToQString(text));
        } else {
            list->addItem(platform::ToQString(text));
        }
    }
}

bool CDispDataDlg::TakeBeta() {
    Point* point = CurrentPoint();
    if (!point) {
        return true;
    }
    double beta = platform::kUnsetDouble;
    if (!beta_.CheckValue(beta)) {
        return false;
    }
    if (!platform::IsUnsetDouble(beta)) {
        point->beta = beta;
    }
    return true;
}

void CDispDataDlg::OnPointChange(int row) {
    if (row == current_) {
        return;
    }
    TakeBeta();
    current_ = row;
    const Point* point = CurrentPoint();
    beta_.SetValue(point ? point->beta : platform::kUnsetDouble);
    ShowPoints();
    List(*this, kReadingList)->clear();
    ShowReadings();
}

void CDispDataDlg::SetSelectedPoints(int use) {
    const QList<QListWidgetItem*> selected = List(*this, kPointList)->selectedItems();
    if (selected.isEmpty()) {
        AfxMessageBox(u8"選択項目がありません !!");
        return;
    }
    for (QListWidgetItem* item : selected) {
        m_points[static_cast<std::size_t>(List(*this, kPointList)->row(item))].use = use;
    }
    ShowPoints();
}

void CDispDataDlg::SetSelectedReadings(int use) {
    Point* point = CurrentPoint();
    const QList<QListWidgetItem*> selected = List(*this, kReadingList)->selectedItems();
    if (!point || selected.isEmpty()) {
        AfxMessageBox(u8"選択項目がありません !!");
        return;
    }
    for (QListWidgetItem* item : selected) {
        point->readingUsed[static_cast<std::size_t>(List(*this, kReadingList)->row(item))] = use;
    }
    ShowReadings();
}

void CDispDataDlg::TogglePoint(int row) {
    if (row >= 0 && row < static_cast<int>(m_points.size())) {
        m_points[static_cast<std::size_t>(row)].use ^= 1;
        ShowPoints();
    }
}

void CDispDataDlg::ToggleReading(int row) {
    Point* point = CurrentPoint();
    if (point && row >= 0 && row < static_cast<int>(point->readingUsed.size())) {
        point->readingUsed[static_cast<std::size_t>(row)] ^= 1;
        ShowReadings();
    }
}

void CDispDataDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    if (TakeBeta()) {
        EndDialog(IDOK);
    }
}

} // namespace torvan
