#pragma once
// The analysis program's modal point tables (ground-surface points, measurement points, a new
// ground-surface line, the selected points): the base table with its row menus and, where the
// template has one, a note under the grid. Their row check goes to the owner view.

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/CMenu.h"

namespace torvan {

class PointTableDlg : public CGridDlg {
public:
    // A popupMenuId of 0 gives the table no right-click menu.
    PointTableDlg(CWnd* ownerView, UINT templateId, UINT popupMenuId, int kind);

    CString m_strNote;

protected:
    void CreateControls() override;

private:
    CMenu menuBar_;
    CMenu popupMenu_;
};

} // namespace torvan
