#include "analysis/app/CAnalysisCondDlg.h"

#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/ui/QtText.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

using section::PointKind;

namespace torvan {

namespace {

const char8_t* const kMethodNames[3] = {u8"多角形平行法", u8"多角形回転法", u8"多項式法"};

QLineEdit* ReadOnlyEdit() {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    return edit;
}

} // namespace

CAnalysisCondDlg::CAnalysisCondDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CAnalysisCondDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"解析条件"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"すべり線推定法：")), 0, 0);
    layout->addWidget(AddControl(kMethodName, ReadOnlyEdit()), 0, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"ﾌﾞﾛｯｸ線座標と係数β：")), 1, 0, 1, 2);
    auto* list = new QListWidget;
    list->setFont(QFont(QStringLiteral("Noto Sans Mono CJK JP")));
    list->setMinimumSize(240, 140);
    layout->addWidget(AddControl(kBlockLines, list), 2, 0, 1, 2);
    auto* group = new QGroupBox(platform::ToQString(u8"境界点"));
    auto* points = new QGridLayout(group);
    const struct {
        UINT id;
        const char8_t* label;
    } rows[] = {{kLeftPoint, u8"左地表："}, {kRightPoint, u8"右地表："}, {kInnerPoint, u8"地中："}};
    int row = 0;
    for (const auto& item : rows) {
        points->addWidget(new QLabel(platform::ToQString(item.label)), row, 0);
        points->addWidget(AddControl(item.id, ReadOnlyEdit()), row, 1);
        ++row;
    }
    layout->addWidget(group, 3, 0, 1, 2);
    auto* close = new QPushButton(platform::ToQString(u8"閉じる"));
    close->setDefault(true);
    layout->addWidget(AddControl(IDOK, close), 4, 1, Qt::AlignRight);
}

BOOL CAnalysisCondDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (const CVerrant* line = m_pSlipLine) {
        if (line->method >= 0 && line->method < 3) {
            SetDlgItemText(kMethodName, CString(kMethodNames[line->method]));
        }
        auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(kBlockLines));
        const int count = std::min({line->blockCount, static_cast<int>(line->blockX.size()),
                                    static_cast<int>(line->blockBeta.size())});
        for (int i = 0; list && i < count; ++i) {
            CString text;
            text.Format("%10.3lf %8.4lf", line->blockX[i], line->blockBeta[i]);
            list->addItem(platform::ToQString(text));
        }
        for (const CNode* point : line->boundary) {
            if (!point) {
                continue;
            }
            CString text(point->name);
            if (point->slipMark >= CNode::kSlipFixedUsed) {
                text += " *";
            }
            const UINT id = point->kind == PointKind::kInnerBoundary
                                ? kInnerPoint
                                : (point->kind == PointKind::kLeftBoundary ? kLeftPoint : kRightPoint);
            SetDlgItemText(id, text);
        }
    }
    PlaceDialogOnScreen(*this, m_nX, m_nY);
    return TRUE;
}

} // namespace torvan
