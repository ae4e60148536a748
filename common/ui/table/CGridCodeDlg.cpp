#include "common/ui/table/CGridCodeDlg.h"

#include "platform/core/Unset.h"
#include "platform/ui/QtText.h"

#include <QLabel>

IMPLEMENT_DYNAMIC(CGridCodeDlg, CGridDlg)

CGridCodeDlg::CGridCodeDlg(CWnd* parent, UINT templateId, UINT popupMenuId, int tableKind, Coding coding)
    : CGridDlg(parent, templateId, popupMenuId, tableKind), coding_(std::move(coding)) {}

void CGridCodeDlg::CreateControls() {
    CGridDlg::CreateControls();
    if (!coding_.note.IsEmpty()) {
        AddControl(IDC_GRID_NOTE, new QLabel(platform::ToQString(coding_.note), GetWidget()));
    }
}

CString CGridCodeDlg::GetCodeText(int column, int value) const {
    if (column != coding_.column || platform::IsUnsetInt(value) || value < 0 ||
        value >= static_cast<int>(coding_.texts.size())) {
        return CString();
    }
    return coding_.texts[static_cast<std::size_t>(value)];
}

void CGridCodeDlg::OnChangeCellEdit() {
    CGridDlg::OnChangeCellEdit();
    if (!m_bUpdating && !m_bInitialising && m_nCurCol == coding_.column) {
        m_bCodeEdit = TRUE;
        editedRow_ = m_nCurRow;
    }
}

// Every move of the current cell passes here: the coded cell just left gets its text.
void CGridCodeDlg::ShowCellEditor() {
    if (m_bCodeEdit && (m_nCurRow != editedRow_ || m_nCurCol != coding_.column)) {
        m_bCodeEdit = FALSE;
        WriteCodeText(editedRow_);
    }
    CGridDlg::ShowCellEditor();
}

void CGridCodeDlg::WriteCodeText(int row) {
    CGridData* data = RowAt(row);
    if (row < 1 || !data) {
        return;
    }
    const int value = data->IntCell(coding_.intIndex);
    const CString text = GetCodeText(coding_.column, value);
    data->TextCell(coding_.textIndex) = text;
    const BOOL updating = m_bUpdating;
    m_bUpdating = TRUE;
    m_grid.SetTextMatrix(row, coding_.column + 1, text);
    m_bUpdating = updating;
    if (!platform::IsUnsetInt(value) && text.IsEmpty()) {
        ShowMessage(coding_.outOfRange);
    }
}
