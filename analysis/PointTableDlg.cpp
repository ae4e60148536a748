#include "analysis/PointTableDlg.h"

#include "platform/ui/QtText.h"

#include <QLabel>

namespace torvan {

namespace {

CMenu* RowMenu() {
    auto* rows = new CMenu;
    rows->CreatePopupMenu();
    rows->AppendMenu(MF_STRING, ID_GRID_COPY, CString(u8"ｺﾋﾟｰ(Cﾌ)\tCtrl+C"));
    rows->AppendMenu(MF_STRING, ID_GRID_DELETE, CString(u8"削除(Dｻ)\tCtrl+D"));
    rows->AppendMenu(MF_STRING, ID_GRID_INSERT_BLANK, CString(u8"空白行の挿入(Iｽ)\tCtrl+I"));
    rows->AppendMenu(MF_STRING, ID_GRID_INSERT_SELECTED, CString(u8"選択行の挿入(Vｿ)\tCtrl+V"));
    rows->AppendMenu(MF_STRING, ID_GRID_PASTE, CString(u8"選択行の貼付(Pﾍ)\tCtrl+P"));
    return rows;
}

} // namespace

void BuildPointTableMenu(CMenu& menuBar) {
    menuBar.CreateMenu();
    menuBar.AppendMenu(MF_POPUP, RowMenu(), CString(u8"行編集(E)"));
    auto* jump = new CMenu;
    jump->CreatePopupMenu();
    jump->AppendMenu(MF_STRING, ID_GRID_JUMP, CString(u8"指定行ｼﾞｬﾝﾌﾟ(Jｲ)\tCtrl+J"));
    jump->AppendMenu(MF_STRING, ID_GRID_FIND, CString(u8"文字列の検索(Fｹ)\tCtrl+F"));
    jump->AppendMenu(MF_STRING, ID_GRID_FIND_AGAIN, CString(u8"検索ﾘﾋﾟｰﾄ\tF3"));
    menuBar.AppendMenu(MF_POPUP, jump, CString(u8"ｼﾞｬﾝﾌﾟ(Jｲ)"));
}

void BuildPointTablePopup(CMenu& popup) {
    popup.CreateMenu();
    popup.AppendMenu(MF_POPUP, RowMenu(), "rows");
}

PointTableDlg::PointTableDlg(CWnd* ownerView, UINT templateId, UINT popupMenuId, int kind)
    : CGridDlg(ownerView, templateId, popupMenuId, kind) {
    BuildPointTableMenu(menuBar_);
    SetMenuBar(&menuBar_);
    if (popupMenuId != 0) {
        BuildPointTablePopup(popupMenu_);
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
