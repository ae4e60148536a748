#include "analysis/app/PointTableDlg.h"

#include "common/ui/table/GridMenus.h"
#include "platform/ui/QtText.h"

#include <QLabel>

namespace torvan {

PointTableDlg::PointTableDlg(CWnd* ownerView, UINT templateId, UINT popupMenuId, int kind)
    : CGridDlg(ownerView, templateId, popupMenuId, kind) {
    BuildGridTableMenu(menuBar_);
    SetMenuBar(&menuBar_);
    if (popupMenuId != 0) {
        BuildGridRowPopup(popupMenu_);
        SetPopupMenu(&popupMenu_);
    }
}

void PointTableDlg::CreateControls() {
    CGridDlg::CreateControls();
    if (!m_strNote.IsEmpty()) {
        AddControl(IDC_GRID_NOTE, new QLabel(platform::ToQString(m_strNote), GetWidget()));
    }
}

} // namespace torvan
