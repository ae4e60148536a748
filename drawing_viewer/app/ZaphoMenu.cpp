#include "drawing_viewer/app/ZaphoMenu.h"

#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/ui/MenuTable.h"

namespace zapho {

namespace {

using platform::MenuEntry;

// The variant bit of a kind of menu.
constexpr unsigned Bit(MenuKind kind) {
    return 1U << static_cast<unsigned>(kind);
}

constexpr unsigned kNoDocument = Bit(MenuKind::kNoDocument);
constexpr unsigned kPlot = Bit(MenuKind::kPlot);
constexpr unsigned kFigure = Bit(MenuKind::kFigure);
constexpr unsigned kDocument = kPlot | kFigure;

constexpr MenuEntry kMenuBar[] = {
    MenuEntry::Popup(u8"ﾌｧｲﾙ(Fﾌ)"),
    MenuEntry::Item(ID_FILE_OPEN, u8"図面ﾌｧｲﾙを開く(Oﾋ)..."),
    MenuEntry::Item(ID_FILE_CLOSE, u8"閉じる(Cﾄ)", kDocument),
    MenuEntry::Item(ID_FILE_SAVE, u8"上書き保存(Sﾎ)\tCtrl+S", kFigure),
    MenuEntry::Item(ID_FILE_SAVE_AS, u8"名前を付けて保存(Aﾅ)...", kFigure),
    MenuEntry::Item(ID_FILE_SAVE_AS, u8"図面ﾌｧｲﾙとして保存(Aﾅ)...", kPlot),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_FILE_PRINT, u8"印刷(Pｲ)...\tCtrl+P", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_PREVIEW, u8"印刷ﾌﾟﾚﾋﾞｭｰ(Vﾚ)", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_SETUP, u8"ﾌﾟﾘﾝﾀの設定(Rﾌ)..."),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_DXF_OUTPUT, u8"DXFﾌｧｲﾙ出力(D)...", kDocument),
    MenuEntry::Item(ID_SYSTEM_SETTINGS, u8"ｼｽﾃﾑ設定(Y)...", kDocument),
    // Plot output is reopened from its file; the other menus list the recent files instead.
    MenuEntry::Separator(),
    MenuEntry::Item(ID_PLOT_REOPEN, u8"作図出力ﾌｧｲﾙ再ｵｰﾌﾟﾝ(L)", kPlot),
    MenuEntry::Item(ID_FILE_MRU_FILE1, u8"以前開いたファイル", kNoDocument | kFigure),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_APP_EXIT, u8"終了(Xﾘ)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"編集(Eﾍ)", kDocument),
    MenuEntry::Item(ID_EDIT_COPY, u8"全体ｺﾋﾟｰ(&C)\tCtrl+C"),
    MenuEntry::Item(ID_COPY_RANGE, u8"選択ｺﾋﾟｰ(&S)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"文字(S)", kDocument),
    MenuEntry::Item(ID_STRING_INPUT, u8"入力(I)"),
    MenuEntry::Item(ID_STRING_SELECT, u8"選択(S)"),
    MenuEntry::Item(ID_STRING_DELETE, u8"削除(D)"),
    MenuEntry::Item(ID_STRING_SIZE, u8"文字ｻｲｽﾞ変更(C)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_STRING_FONT, u8"ﾌｫﾝﾄ(F)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"表示(Vﾋ)"),
    MenuEntry::Item(ID_VIEW_TOOLBAR, u8"ﾂｰﾙﾊﾞｰ(Tﾊ)"),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_VIEW_ALL_MODEL, u8"全体表示(Oｵ)\tCtrl+A", kDocument),
    MenuEntry::Item(ID_PAGE_NEXT, u8"次頁へｼﾞｬﾝﾌﾟ(F)  \tf･5", kDocument),
    MenuEntry::Item(ID_PAGE_PREVIOUS, u8"前頁へｼﾞｬﾝﾌﾟ(B)  \tShift+f･5", kDocument),
    MenuEntry::End(),
    MenuEntry::Popup(u8"ﾍﾙﾌﾟ(Hﾍ)"),
    MenuEntry::Item(ID_APP_ABOUT, u8"ﾊﾞｰｼﾞｮﾝ情報(Aﾊ)..."),
    MenuEntry::End(),
};

} // namespace

void BuildMenu(CMenu& bar, MenuKind kind) {
    platform::BuildMenuBar(bar, kMenuBar, Bit(kind));
}

} // namespace zapho
