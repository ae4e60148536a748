#include "common/ui/table/GridMenus.h"

#include "common/ui/table/GridDlg.h"
#include "platform/ui/CMenu.h"

void BuildGridTableMenu(CMenu& menuBar) {
    menuBar.CreateMenu();
    auto* rows = new CMenu;
    rows->CreatePopupMenu();
    rows->AppendMenu(MF_STRING, ID_GRID_COPY, CString(u8"ｺﾋﾟｰ(Cﾌ)\tCtrl+C"));
    rows->AppendMenu(MF_STRING, ID_GRID_DELETE, CString(u8"削除(Dｻ)\tCtrl+D"));
    rows->AppendMenu(MF_STRING, ID_GRID_INSERT_BLANK, CString(u8"空白行の挿入(Iｽ)\tCtrl+I"));
    rows->AppendMenu(MF_STRING, ID_GRID_INSERT_SELECTED, CString(u8"選択行の挿入(Vｿ)\tCtrl+V"));
    rows->AppendMenu(MF_STRING, ID_GRID_PASTE, CString(u8"選択行の貼付(Pﾍ)\tCtrl+P"));
    menuBar.AppendMenu(MF_POPUP, rows, CString(u8"行編集(E)"));
    auto* jump = new CMenu;
    jump->CreatePopupMenu();
    jump->AppendMenu(MF_STRING, ID_GRID_JUMP, CString(u8"指定行ｼﾞｬﾝﾌﾟ(Jｲ)\tCtrl+J"));
    jump->AppendMenu(MF_STRING, ID_GRID_FIND, CString(u8"文字列の検索(Fｹ)\tCtrl+F"));
    jump->AppendMenu(MF_STRING, ID_GRID_FIND_AGAIN, CString(u8"検索ﾘﾋﾟｰﾄ\tF3"));
    menuBar.AppendMenu(MF_POPUP, jump, CString(u8"ｼﾞｬﾝﾌﾟ(Jｲ)"));
}
