#include "control/app/CFileDetailDlg.h"

#include "common/records/TextHelpers.h"
#include "control/core/ChosenName.h"
#include "control/core/DataFileKind.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace basnev {

namespace {

CString WithSlash(const CString& directory) {
    if (directory.IsEmpty() || directory[directory.GetLength() - 1] == '/') {
        return directory;
    }
    return directory + "/";
}

// The report list keeps its three columns at 3/10, 4/10 and 3/10 of its visible width,
// however the dialog is sized and whether a scroll bar shows or not.
class ProportionalColumnsList : public QTreeWidget {
protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const int width = viewport()->width();
            setColumnWidth(basnev::kNameColumn, width * 3 / 10);
            setColumnWidth(basnev::kTitleColumn, width * 4 / 10);
            setColumnWidth(basnev::kModifiedColumn, width - width * 3 / 10 - width * 4 / 10);
        }
        return QTreeWidget::viewportEvent(event);
    }
};

// OK and Cancel side by side at the right, both of the size the wider one needs.
QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel) {
    const QSize size = ok->sizeHint().expandedTo(cancel->sizeHint());
    ok->setFixedSize(size);
    cancel->setFixedSize(size);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

// The sub-directories of a directory, by name (hidden ones left out, and those whose name the
// suite's names cannot hold: they could be neither entered nor put in a slot).
QStringList SubDirectories(const CString& directory) {
    QStringList names =
        QDir(platform::ToQString(directory)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.removeIf([](const QString& name) {
        CString held;
        return !platform::FromQString(name, held);
    });
    return names;
}

} // namespace

CFileDetailDlg::CFileDetailDlg(int kind, const CString& name, const CString& directory, CWnd* parent)
    : CDialog(IDD, parent), kind_(kind), initialName_(name), currentDirectory_(WithSlash(directory)) {
    if (currentDirectory_.IsEmpty()) {
        currentDirectory_ = platform::FromQStringLossy(QDir::currentPath()) + "/";
    }
}

void CFileDetailDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(CString(basnev::KindInfo(kind_).title)));
    dialog->resize(840, 460); // the report list gets the room beyond the directory list
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(new QLabel(platform::ToQString(u8"ファイル名:")), 0, 0);
    layout->addWidget(AddControl(kFileNameId, new QLineEdit), 0, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"ディレクトリ:")), 1, 0);
    // A long directory is shown to its end and never widens the dialog.
    auto* directory = new QLineEdit;
    directory->setReadOnly(true);
    directory->setFrame(false);
    directory->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(AddControl(kCurrentDirectoryId, directory), 1, 1);
    auto* directories = new QListWidget;
    layout->addWidget(AddControl(kDirectoryListId, directories), 2, 0);
    auto* list = new ProportionalColumnsList;
    layout->addWidget(AddControl(kListId, list), 2, 1);
    layout->setColumnStretch(1, 3);
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"));
    AddControl(IDOK, ok);
    AddControl(IDCANCEL, cancel);
    layout->addLayout(ButtonRow(ok, cancel), 3, 0, 1, 2);

    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels(
        {platform::ToQString(u8"ﾌｧｲﾙ名"), platform::ToQString(u8"ﾀｲﾄﾙ"), platform::ToQString(u8"更新日時")});
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(true);
    QObject::connect(list->header(), &QHeaderView::sectionClicked,
                     [this](int column) { OnColumnClick(column); });
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, [this] { SetNameFromSelection(); });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, [this] { OnOK(); });
    QObject::connect(directories, &QListWidget::itemActivated,
                     [this](QListWidgetItem* item) { OnDirectoryActivated(item); });
}

QTreeWidget* CFileDetailDlg::List() const {
    return qobject_cast<QTreeWidget*>(GetDlgItemWidget(kListId));
}

QListWidget* CFileDetailDlg::DirectoryList() const {
    return qobject_cast<QListWidget*>(GetDlgItemWidget(kDirectoryListId));
}

BOOL CFileDetailDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString name;
    SplitPath(initialName_, nullptr, &name, nullptr);
    CString extension;
    SplitPath(initialName_, nullptr, nullptr, &extension);
    SetDlgItemText(kFileNameId, name + extension);
    ChangeDirectory(currentDirectory_);
    initialised_ = true;
    return TRUE;
}

void CFileDetailDlg::ChangeDirectory(const CString& directory) {
    currentDirectory_ = WithSlash(directory);
    SetDlgItemText(kCurrentDirectoryId, currentDirectory_);
    qobject_cast<QLineEdit*>(GetDlgItemWidget(kCurrentDirectoryId))->end(false);
    FillDirectoryList();
    FillFileList();
}

// The directory list shows the way down from the root to the current directory, then the
// directories below it; activating an entry goes there.
void CFileDetailDlg::FillDirectoryList() {
    QListWidget* directories = DirectoryList();
    directories->clear();
    const QStringList parts = platform::ToQString(currentDirectory_).split('/', Qt::SkipEmptyParts);
    QString path = "/";
    auto* root = new QListWidgetItem("/", directories);
    root->setData(Qt::UserRole, path);
    int depth = 1;
    for (const QString& part : parts) {
        path += part + "/";
        auto* item = new QListWidgetItem(QString(depth++, ' ') + part, directories);
        item->setData(Qt::UserRole, path);
    }
    directories->setCurrentRow(directories->count() - 1);
    for (const QString& child : SubDirectories(currentDirectory_)) {
        auto* item = new QListWidgetItem(QString(depth, ' ') + child, directories);
        item->setData(Qt::UserRole, path + child + "/");
    }
}

void CFileDetailDlg::OnDirectoryActivated(QListWidgetItem* item) {
    CString directory;
    if (item && platform::FromQString(item->data(Qt::UserRole).toString(), directory)) {
        ChangeDirectory(directory);
    }
}

void CFileDetailDlg::FillFileList() {
    rows_ = basnev::ListDataFiles(currentDirectory_, kind_);
    basnev::SortDataFileRows(rows_, sort_.Column(), sort_.Direction(sort_.Column()));
    ShowRows();
    ShowSortArrow();
}

void CFileDetailDlg::ShowRows() {
    QTreeWidget* list = List();
    list->clear();
    for (const basnev::DataFileRow& row : rows_) {
        new QTreeWidgetItem(list, {platform::ToQString(row.name), platform::ToQString(row.title),
                                   platform::ToQString(row.modified)});
    }
}

void CFileDetailDlg::ShowSortArrow() {
    const Qt::SortOrder order =
        sort_.Direction(sort_.Column()) == basnev::kAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
    List()->header()->setSortIndicator(sort_.Column(), order);
}

void CFileDetailDlg::OnColumnClick(int column) {
    if (column < 0 || column > 2) {
        return;
    }
    sort_.Click(column);
    basnev::SortDataFileRows(rows_, column, sort_.Direction(column));
    ShowRows();
    ShowSortArrow();
}

void CFileDetailDlg::SetNameFromSelection() {
    if (!initialised_) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = List()->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int row = List()->indexOfTopLevelItem(selected.front());
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        SetDlgItemText(kFileNameId, rows_[row].name);
    }
}

void CFileDetailDlg::OnOK() {
    CString typed;
    GetDlgItemText(kFileNameId, typed);
    basnev::ChosenNameContext context{kind_, currentDirectory_, basnev::IsOpenableFile};
    CString path;
    switch (basnev::CheckChosenName(typed, context, path)) {
    case basnev::ChosenNameResult::kAccepted:
        chosenPath_ = path;
        EndDialog(IDOK);
        break;
    case basnev::ChosenNameResult::kEnterDirectory:
        SetDlgItemText(kFileNameId, CString());
        ChangeDirectory(path);
        break;
    case basnev::ChosenNameResult::kStay:
        break;
    }
}

bool CFileDetailDlg::Choose(CWnd* parent, int kind, CString& name, CString& directory) {
    CFileDetailDlg dialog(kind, name, directory, parent);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    name = dialog.GetChosenPath();
    directory = dialog.GetCurrentDirectory();
    return true;
}

} // namespace basnev
