#include "section_editor/app/CModelInfoDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace merdok {

IMPLEMENT_DYNAMIC(CModelInfoDlg, CDialog)

namespace {

QLabel* Value(const char* placeholder) {
    auto* label = new QLabel(QString::fromLatin1(placeholder));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

CModelInfoDlg::CModelInfoDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CModelInfoDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"ﾓﾃﾞﾙ情報"));
    auto* layout = new QGridLayout(GetWidget());
    auto* counts = new QGroupBox(platform::ToQString(u8"ﾃﾞｰﾀ個数"));
    auto* countGrid = new QGridLayout(counts);
    const struct {
        UINT id;
        const char8_t* label;
    } countRows[] = {{kGroundPoints, u8"地表点 ："},
                     {kLines, u8"線 ："},
                     {kMeasurePoints, u8"計測点 ："},
                     {kBoundPoints, u8"境界点 ："}};
    int row = 0;
    for (const auto& item : countRows) {
        countGrid->addWidget(new QLabel(platform::ToQString(item.label)), row, 0);
        countGrid->addWidget(AddControl(item.id, Value("0")), row++, 1);
    }
    auto* size = new QGroupBox(platform::ToQString(u8"ｻｲｽﾞ(m)"));
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->addWidget(new QLabel(platform::ToQString(u8"横 ：")), 0, 0);
    sizeGrid->addWidget(AddControl(kWidth, Value("999999.999")), 0, 1);
    sizeGrid->addWidget(new QLabel(platform::ToQString(u8"縦 ：")), 1, 0);
    sizeGrid->addWidget(AddControl(kHeight, Value("9999.999")), 1, 1);
    sizeGrid->addWidget(new QLabel(platform::ToQString(u8"X座標 ：")), 2, 0);
    sizeGrid->addWidget(AddControl(kXMin, Value("9999.999")), 2, 1);
    sizeGrid->addWidget(AddControl(kXMax, Value("9999.999")), 2, 2);
    sizeGrid->addWidget(new QLabel(platform::ToQString(u8"Y座標 ：")), 3, 0);
    sizeGrid->addWidget(AddControl(kYMin, Value("9999.999")), 3, 1);
    sizeGrid->addWidget(AddControl(kYMax, Value("9999.999")), 3, 2);
    layout->addWidget(counts, 0, 0);
    layout->addWidget(size, 0, 1);
    auto* close = new QPushButton(platform::ToQString(u8"閉じる"));
    close->setDefault(true);
    layout->addWidget(AddControl(IDOK, close), 1, 1, Qt::AlignRight);
}

BOOL CModelInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::pair<UINT, int> counts[] = {{kGroundPoints, m_nGroundPoints},
                                           {kLines, m_nLines},
                                           {kMeasurePoints, m_nMeasurePoints},
                                           {kBoundPoints, m_nBoundPoints}};
    for (const auto& [id, count] : counts) {
        SetDlgItemText(id, CString(platform::FormatC("%d", count).c_str()));
    }
    const std::pair<UINT, double> sizes[] = {{kWidth, m_dWidth}, {kHeight, m_dHeight}, {kXMin, m_dXMin},
                                             {kXMax, m_dXMax},   {kYMin, m_dYMin},     {kYMax, m_dYMax}};
    for (const auto& [id, value] : sizes) {
        if (!platform::IsUnsetDouble(value)) {
            SetDlgItemText(id, CString(platform::FormatC("%.3lf", value).c_str()));
        }
    }
    CenterDialog(*this);
    return TRUE;
}

} // namespace merdok
