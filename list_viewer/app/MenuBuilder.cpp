#include "list_viewer/app/MenuBuilder.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/ui/MenuTable.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <Qt>

namespace wenux {

namespace {

using platform::MenuEntry;

// The three menu bars: no list open, a result list open, a log open.
constexpr unsigned kNoDocument = 1U << 0;
constexpr unsigned kResultList = 1U << 1;
constexpr unsigned kLog = 1U << 2;
constexpr unsigned kDocument = kResultList | kLog;

constexpr MenuEntry kMenuBar[] = {
    MenuEntry::Popup(u8"ﾌｧｲﾙ(Fﾌ)"),
    MenuEntry::Item(ID_FILE_OPEN, u8"開く(Oﾋ)...\tCtrl+O"),
    MenuEntry::Item(ID_FILE_CLOSE, u8"閉じる(Cﾄ)", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_FILE_PRINT, u8"印刷(Pｲ)...\tCtrl+P", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_SETUP, u8"ﾌﾟﾘﾝﾀの設定(Rﾌ)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_FILE_MRU_FILE1, u8"以前開いたファイル"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_APP_EXIT, u8"終了(Xﾘ)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"ｼﾞｬﾝﾌﾟ(J)", kDocument),
    MenuEntry::Item(ID_JUMP_PAGE, u8"指定頁へｼﾞｬﾝﾌﾟ(J)...\tCtrl+J"),
    MenuEntry::Item(ID_JUMP_TOP, u8"先頭へｼﾞｬﾝﾌﾟ(T)\tCtrl+T"),
    MenuEntry::Item(ID_JUMP_BOTTOM, u8"最後へｼﾞｬﾝﾌﾟ(B)\tCtrl+B"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_JUMP_NEXT, u8"次頁へｼﾞｬﾝﾌﾟ(N)  \tf･5"),
    MenuEntry::Item(ID_JUMP_PREVIOUS, u8"前頁へｼﾞｬﾝﾌﾟ(F)\tShift+f･5"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"検索(S)", kDocument),
    MenuEntry::Item(ID_SEARCH_STRING, u8"文字列の検索(S)...\tCtrl+F"),
    MenuEntry::Item(ID_SEARCH_ITEM_LIST, u8"項目ﾘｽﾄより検索(L)\tCtrl+L"),
    MenuEntry::Item(ID_SEARCH_AGAIN, u8"次行から再検索(C)\tf･3", kResultList),
    MenuEntry::Item(ID_SEARCH_AGAIN, u8"次行より再検索(C)\tf･3", kLog),
    MenuEntry::End(),
    MenuEntry::Popup(u8"ﾌｫﾝﾄ(O)", kDocument),
    MenuEntry::Item(ID_FONT_DISPLAY, u8"表示ﾌｫﾝﾄ(V)..."),
    MenuEntry::Item(ID_FONT_PRINT, u8"印刷ﾌｫﾝﾄ(P)..."),
    MenuEntry::End(),
    MenuEntry::Popup(u8"表示(Vﾋ)"),
    MenuEntry::Item(ID_VIEW_TOOLBAR, u8"ﾂｰﾙﾊﾞｰ(Tﾊ)"),
    MenuEntry::Item(ID_VIEW_STATUS_BAR, u8"ｽﾃｰﾀｽﾊﾞｰ(Sｽ)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"ｳｨﾝﾄﾞｳ(Wｳ)", kDocument),
    MenuEntry::Item(ID_WINDOW_CASCADE, u8"重ねて表示(Cｶ)"),
    MenuEntry::Item(ID_WINDOW_TILE_HORZ, u8"並べて表示(Tﾅ)"),
    MenuEntry::End(),
    MenuEntry::Popup(u8"ﾍﾙﾌﾟ(Hﾍ)"),
    MenuEntry::Item(ID_HELP_INDEX, u8"目次(Cﾓ)"),
    MenuEntry::Item(ID_HELP_MENU_COMMANDS, u8"ﾒﾆｭｰ･ｺﾏﾝﾄﾞ(M)", kDocument),
    MenuEntry::Item(ID_HELP_USING, u8"ﾍﾙﾌﾟの使い方(Hﾍ)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_APP_ABOUT, u8"ﾊﾞｰｼﾞｮﾝ情報"),
    MenuEntry::End(),
};

} // namespace

void BuildNoDocumentMenu(CMenu& menu) {
    platform::BuildMenuBar(menu, kMenuBar, kNoDocument);
}

void BuildDocumentMenu(CMenu& menu, bool resultList) {
    platform::BuildMenuBar(menu, kMenuBar, resultList ? kResultList : kLog);
}

const std::vector<platform::Accelerator>& Accelerators() {
    static const std::vector<platform::Accelerator> keys = {
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},        {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
        {Qt::CTRL | Qt::Key_J, ID_JUMP_PAGE},        {Qt::CTRL | Qt::Key_T, ID_JUMP_TOP},
        {Qt::CTRL | Qt::Key_B, ID_JUMP_BOTTOM},      {QKeyCombination(Qt::Key_F5), ID_JUMP_NEXT},
        {Qt::SHIFT | Qt::Key_F5, ID_JUMP_PREVIOUS},  {Qt::CTRL | Qt::Key_F, ID_SEARCH_STRING},
        {Qt::CTRL | Qt::Key_L, ID_SEARCH_ITEM_LIST}, {QKeyCombination(Qt::Key_F3), ID_SEARCH_AGAIN},
        {QKeyCombination(Qt::Key_F1), ID_HELP},      {Qt::SHIFT | Qt::Key_F1, ID_CONTEXT_HELP},
    };
    return keys;
}

const std::vector<StatusTip>& StatusTips() {
    static const std::vector<StatusTip> tips = {
        {ID_FILE_PRINT, u8"作業中の文書を印刷"},
        {ID_JUMP_PAGE, u8"指定した頁を表示"},
        {ID_JUMP_TOP, u8"ﾘｽﾄの先頭行を表示"},
        {ID_JUMP_BOTTOM, u8"ﾘｽﾄの最終行を表示"},
        {ID_JUMP_NEXT, u8"次の頁を表示"},
        {ID_JUMP_PREVIOUS, u8"前の頁を表示"},
        {ID_SEARCH_STRING, u8"指定文字列を検索して表示"},
        {ID_SEARCH_AGAIN, u8"次の行から前回の検索を繰り返す"},
        {ID_SEARCH_ITEM_LIST, u8"項目ﾘｽﾄより選択した文字列で検索"},
        {ID_FONT_DISPLAY, u8"表示に使用するﾌｫﾝﾄを設定"},
        {ID_FONT_PRINT, u8"印刷時に使用するﾌｫﾝﾄを設定"},
    };
    return tips;
}

void SetStatusTips(const CMenu& menu) {
    for (const StatusTip& tip : StatusTips()) {
        if (QAction* action = menu.FindAction(tip.id)) {
            action->setStatusTip(platform::ToQString(CString(tip.text)));
        }
    }
}

} // namespace wenux
