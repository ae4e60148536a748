#include "platform/ui/CFileDialog.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

// The file list with its dates in Japanese form like the dialog's other texts: the file
// system model writes them in the system's locale ("9 Dec 2026" under C).
class JapaneseDates : public QIdentityProxyModel {
public:
    static constexpr int kDateColumn = 3;
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == kDateColumn) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                return QLocale(QLocale::Japanese, QLocale::Japan)
                    .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// The file browser as a plain widget inside the dialog: its OK and Cancel are handed to
// the owning dialog instead of closing the browser.
class EmbeddedFileBrowser : public QFileDialog {
public:
    explicit EmbeddedFileBrowser(CFileDialog* owner) : owner_(owner) {
        setWindowFlags(Qt::Widget);
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite); // asked through the message sink instead
        setSizeGripEnabled(false);
        setProxyModel(new JapaneseDates(this));
    }
    void Disown() { owner_ = nullptr; }
    void done(int result) override {
        if (!owner_) {
            return;
        }
        if (result == QDialog::Accepted) {
            owner_->OnOK();
        } else {
            owner_->OnCancel();
        }
    }

protected:
    // After Qt restored the columns of the user's last file dialog, however narrow.
    void showEvent(QShowEvent* event) override {
        FitDetailColumns();
        QFileDialog::showEvent(event);
    }

private:
    // Size, type and date columns as wide as their texts; the name takes the rest.
    void FitDetailColumns() {
        auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!details) {
            return;
        }
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }

    CFileDialog* owner_;
};

CString ToCString(const QString& text) {
    CString out;
    return platform::FromQString(text, out) ? out : platform::FromQStringLossy(text);
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : CDialog(0, parent), m_bOpenFileDialog(openFileDialog), defaultExtension_(defaultExtension),
      initialFileName_(fileName), filter_(filter) {
    m_ofn.Flags = flags;
}

CFileDialog::~CFileDialog() {
    if (auto* browser = dynamic_cast<EmbeddedFileBrowser*>(fileDialog_)) {
        browser->Disown();
    }
}

QStringList CFileDialog::NameFilters(const CString& filter) {
    // Split after decoding: a '|' byte may be the second byte of a double-byte character.
    const QStringList parts = platform::ToQString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (label.isEmpty() && patterns.isEmpty()) {
            break;
        }
        patterns.replace(u';', u' ');
        patterns = patterns.simplified();
        QString shown = label;
        shown.replace(u';', u' ');
        const QString bracketed = QStringLiteral("(") + patterns + QStringLiteral(")");
        if (shown.endsWith(bracketed)) {
            filters << shown;
        } else {
            filters << (label.isEmpty() ? patterns : label) + QStringLiteral(" ") + bracketed;
        }
    }
    return filters;
}

void CFileDialog::CreateControls() {
    if (m_ofn.nTemplateId) {
        GetWidget()->setObjectName(QString::number(m_ofn.nTemplateId));
    }
    auto* layout = new QVBoxLayout(GetWidget());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new EmbeddedFileBrowser(this);
    fileDialog_ = browser;
    layout->addWidget(browser);
    extraRow_ = new QWidget;
    extraRow_->setLayout(new QHBoxLayout);
    extraRow_->hide(); // shown once a control is added
    layout->addWidget(extraRow_);
    QObject::connect(browser, &QFileDialog::directoryEntered, browser, [this](const QString& directory) {
        folder_ = directory;
        OnFolderChange();
    });
}

QWidget* CFileDialog::AddExtraControl(int id, QWidget* widget) {
    EnsureCreated();
    extraRow_->layout()->addWidget(AddControl(id, widget));
    extraRow_->show();
    return widget;
}

QString CFileDialog::InitialDirectory() const {
    if (m_ofn.lpstrInitialDir && *m_ofn.lpstrInitialDir) {
        return platform::ToQString(CString(m_ofn.lpstrInitialDir));
    }
    QFileInfo name(platform::ToQString(initialFileName_));
    if (!initialFileName_.IsEmpty() && name.fileName() != name.filePath()) {
        return name.absolutePath();
    }
    return QDir::currentPath();
}

void CFileDialog::SetUpBrowser() {
    fileDialog_->setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (!m_bOpenFileDialog) {
        fileDialog_->setFileMode(QFileDialog::AnyFile);
    } else if (m_ofn.Flags & OFN_ALLOWMULTISELECT) {
        fileDialog_->setFileMode(QFileDialog::ExistingFiles);
    } else {
        fileDialog_->setFileMode((m_ofn.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                   : QFileDialog::AnyFile);
    }
    fileDialog_->setDefaultSuffix(platform::ToQString(defaultExtension_));
    const QStringList filters = NameFilters(filter_);
    if (!filters.isEmpty()) {
        fileDialog_->setNameFilters(filters);
        const qsizetype index = m_ofn.nFilterIndex ? static_cast<qsizetype>(m_ofn.nFilterIndex) - 1 : 0;
        fileDialog_->selectNameFilter(filters.value(index, filters.first()));
    }
    folder_ = InitialDirectory();
    fileDialog_->setDirectory(folder_);
    if (!initialFileName_.IsEmpty()) {
        fileDialog_->selectFile(QFileInfo(platform::ToQString(initialFileName_)).fileName());
    }
    const char8_t* standardTitle = m_bOpenFileDialog ? u8"開く" : u8"名前を付けて保存";
    QString title = m_ofn.lpstrTitle ? platform::ToQString(CString(m_ofn.lpstrTitle))
                                     : QString::fromUtf8(reinterpret_cast<const char*>(standardTitle));
    GetWidget()->setWindowTitle(title);
}

int CFileDialog::DoModal() {
    EnsureCreated();
    SetUpBrowser();
    OnInitDialog();
    const int result = platform::DialogScript::Exec(*this);
    return result == IDOK ? IDOK : IDCANCEL;
}

QString CFileDialog::ChosenPath() const {
    QString path = fileDialog_->selectedFiles().value(0);
    if (path.isEmpty()) {
        return path;
    }
    QFileInfo info(path);
    if (info.isRelative()) {
        path = fileDialog_->directory().absoluteFilePath(path);
    }
    if (!m_bOpenFileDialog && !defaultExtension_.IsEmpty() && QFileInfo(path).suffix().isEmpty() &&
        !QFileInfo(path).isDir()) {
        path += u'.' + platform::ToQString(defaultExtension_);
    }
    return QDir::cleanPath(path);
}

bool CFileDialog::ConfirmOverwrite(const QString& path) const {
    CString question;
    question.Format(u8"%s は既に存在します。\n上書きしますか?",
                    ToCString(QFileInfo(path).fileName()).GetString());
    return AfxMessageBox(question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CFileDialog::SetFileNameText(const CString& name) {
    EnsureCreated();
    fileDialog_->selectFile(platform::ToQString(name));
}

void CFileDialog::OnOK() {
    const QString path = ChosenPath();
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).isDir()) { // a directory typed into the name box is entered
        fileDialog_->setDirectory(path);
        folder_ = path;
        OnFolderChange();
        return;
    }
    // A name the suite's texts cannot hold would open or save another file than the one chosen.
    if (!platform::FromQString(path, pathName_)) {
        AfxMessageBox(platform::UnholdablePathMessage(path));
        return;
    }
    if (!m_bOpenFileDialog && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && QFileInfo::exists(path) &&
        !ConfirmOverwrite(path)) {
        return;
    }
    if (OnFileNameOK()) {
        return;
    }
    folder_ = QFileInfo(path).absolutePath();
    EndDialog(IDOK);
}

void CFileDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CFileDialog::OnFileNameOK() {
    return FALSE;
}

void CFileDialog::OnFolderChange() {}

CString CFileDialog::GetFolderPath() const {
    return ToCString(folder_);
}
