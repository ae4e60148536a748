#include "common/ui/table/GridMenus.h"

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/MenuBuilding.h"
#include "platform/ui/MenuTable.h"

namespace {

using platform::MenuEntry;

// Variant bits: every table's entries, and the copy and paste commands.
constexpr unsigned kEveryTable = 1U << 0;
constexpr unsigned kAllRows = 1U << 1;

constexpr MenuEntry kRowMenu[] = {
    MenuEntry::Item(ID_GRID_COPY, u8"ｺﾋﾟｰ(Cﾌ)\tCtrl+C", kAllRows),
    MenuEntry::Item(ID_GRID_DELETE, u8"削除(Dｻ)\tCtrl+D"),
    MenuEntry::Item(ID_GRID_INSERT_BLANK, u8"空白行の挿入(Iｽ)\tCtrl+I"),
    MenuEntry::Item(ID_GRID_INSERT_SELECTED, u8"選択行の挿入(Vｿ)\tCtrl+V", kAllRows),
    MenuEntry::Item(ID_GRID_PASTE, u8"選択行の貼付(Pﾍ)\tCtrl+P", kAllRows),
};

constexpr MenuEntry kJumpMenu[] = {
    MenuEntry::Item(ID_GRID_JUMP, u8"指定行ｼﾞｬﾝﾌﾟ(Jｲ)\tCtrl+J"),
    MenuEntry::Item(ID_GRID_FIND, u8"文字列の検索(Fｹ)\tCtrl+F"),
    MenuEntry::Item(ID_GRID_FIND_AGAIN, u8"検索ﾘﾋﾟｰﾄ\tF3"),
};

unsigned Variant(GridRowCommands rows) {
    return kEveryTable | (rows == GridRowCommands::kAll ? kAllRows : 0U);
}

} // namespace

void BuildGridTableMenu(CMenu& menuBar, GridRowCommands rows, bool withJump) {
    menuBar.CreateMenu();
    const unsigned variant = Variant(rows);
    platform::AppendPopupMenu(menuBar, platform::NewPopupMenu(kRowMenu, variant), u8"行編集(E)");
    if (withJump) {
        platform::AppendPopupMenu(menuBar, platform::NewPopupMenu(kJumpMenu, variant), u8"ｼﾞｬﾝﾌﾟ(Jｲ)");
    }
}

void BuildGridRowPopup(CMenu& popup, GridRowCommands rows) {
    popup.CreateMenu();
    platform::AppendPopupMenu(popup, platform::NewPopupMenu(kRowMenu, Variant(rows)), u8"rows");
}
