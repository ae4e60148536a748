#include "list_viewer/app/CItemListDialog.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace wenux {

CItemListDialog::CItemListDialog(const std::vector<CString>& items, CWnd* parent)
    : CListDialog(IDD_ITEM_LIST, parent), items_(items) {}

void CItemListDialog::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"項目ﾘｽﾄから選択して検索"));
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(new QLabel(platform::ToQString(u8"検索項目ﾘｽﾄ：      (ﾀﾞﾌﾞﾙｸﾘｯｸで選択できます)")), 0, 0,
                      1, 2);
    auto* list = new QListWidget;
    list->setMinimumSize(360, 200);
    layout->addWidget(AddControl(IDC_ITEM_LIST, list), 1, 0, 1, 2);
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this] { OnOK(); });
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    layout->addWidget(AddControl(IDOK, ok), 2, 0);
    layout->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"))), 2, 1);
}

BOOL CItemListDialog::OnInitDialog() {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(IDC_ITEM_LIST));
    if (list) {
        list->clear();
        for (const CString& item : items_) {
            list->addItem(platform::ToQString(item));
        }
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    return TRUE;
}

void CItemListDialog::OnOK() {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(IDC_ITEM_LIST));
    const int row = list && !list->selectedItems().isEmpty() ? list->currentRow() : -1;
    if (row < 0 || row >= static_cast<int>(items_.size())) {
        AfxMessageBox(u8"選択エラー !!");
        return;
    }
    m_strSelected = items_[static_cast<std::size_t>(row)];
    CDialog::OnOK();
}

} // namespace wenux
