// The point-coordinate table of a section view: the coordinates of ground-surface points shown
// in a table that cannot be edited.

#include "common/ui/section/CViewBase.h"

#include "common/ui/table/GridDlg.h"
#include "common/ui/table/GridLineSettings.h"
#include "platform/ui/QtText.h"

#include <QLineEdit>

namespace {

constexpr UINT kNodeTableTemplate = 918;
constexpr int kNodeTableKind = 800;
constexpr int kSpareRows = 5;

class NodeDataTable : public CGridDlg {
public:
    explicit NodeDataTable(CWnd* parent) : CGridDlg(parent, kNodeTableTemplate, 0, kNodeTableKind) {}

    BOOL OnInitDialog() override {
        const BOOL result = CGridDlg::OnInitDialog();
        if (CellEdit()) {
            CellEdit()->setReadOnly(true);
        }
        return result;
    }
};

bool Inside(double value, const double* range) {
    return value >= range[0] && value <= range[1];
}

} // namespace

void CViewBase::ViewNodeData(const double* xRange, const double* yRange, int number) {
    NodeDataTable table(this);
    CGridLineSettings& rows = CGridLineSettings::Instance();
    table.CreateDataArray(3, rows.VisibleRows(kNodeTableKind), 0);
    table.CreateGridStyle({CString(u8"番号 5 5 0 1 10000"), CString(u8"X座標(m) 10 10 3 0 999999"),
                           CString(u8"Y座標(m) 10 10 3 0 999999")},
                          CString(u8"点座標"), CString(u8"行番"), -2, -2);
    for (const GroundPointRow& point : DocGroundPoints()) {
        const bool wanted = xRange && yRange
                                ? point.state == 0 && Inside(point.x, xRange) && Inside(point.y, yRange)
                                : point.number == number;
        if (!wanted) {
            continue;
        }
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = point.number;
        row->RealCell(0) = point.x;
        row->RealCell(1) = point.y;
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_rows.GetCount();
    table.m_nRowLimit = table.m_nRows + kSpareRows;
    SetGuidePrompt(4060);
    table.DoModal();
    SetGuidePrompt(4052);
    rows.SetVisibleRows(kNodeTableKind, table.m_nVisibleRows);
    table.DeleteRowData();
}
