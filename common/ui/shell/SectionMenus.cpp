#include "common/ui/shell/SectionMenus.h"

#include "common/ui/section/SectionCommands.h"
#include "common/ui/shell/ShellIds.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/MenuBuilding.h"
#include "platform/ui/MenuTable.h"

#include <Qt>

namespace shell {

namespace {

using platform::AppendPopupMenu;
using platform::MenuEntry;
using platform::NewPopupMenu;

constexpr MenuEntry kWindowMenu[] = {
    MenuEntry::Item(ID_WINDOW_CASCADE, u8"重ねて表示(C)"),
    MenuEntry::Item(ID_WINDOW_TILE_HORZ, u8"並べて表示(T)"),
};

constexpr MenuEntry kHelpMenu[] = {
    MenuEntry::Item(ID_APP_ABOUT, u8"ﾊﾞｰｼﾞｮﾝ情報(A)..."),
};

const platform::CommandPrompt kSharedPrompts[] = {
    {ID_FILE_NEW, u8"新規にﾌｧｲﾙを作成\n新規作成"},
    {ID_FILE_OPEN, u8"既存のﾌｧｲﾙを開く\n開く"},
    {ID_FILE_CLOSE, u8"作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_FILE_SAVE, u8"作業中のﾌｧｲﾙを上書きして保存\n上書き保存"},
    {ID_FILE_SAVE_AS, u8"作業中のﾌｧｲﾙを新しい名前で保存\n名前を付けて保存"},
    {ID_FILE_PRINT, u8"作業中の図を印刷\n印刷"},
    {ID_FILE_PRINT_PREVIEW, u8"印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    {ID_APP_EXIT, u8"ｱﾌﾟﾘｹｰｼｮﾝを終了\n終了"},
    {ID_APP_ABOUT, u8"ﾌﾟﾛｸﾞﾗﾑ情報、ﾊﾞｰｼﾞｮﾝ、著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {section::ID_VIEW_ALL, u8"ﾓﾃﾞﾙ全体を表示\n全体表示"},
    {section::ID_VIEW_SCALE_UP, u8"縮尺を1%拡大 [Shift]10%\n拡大"},
    {section::ID_VIEW_SCALE_DOWN, u8"縮尺を1%縮小 [Shift]10%\n縮小"},
    {section::ID_VIEW_MODEL_SIZE, u8"全体表示するﾓﾃﾞﾙの範囲を指定\nﾓﾃﾞﾙの大きさ"},
    {ID_VIEW_PROPERTIES, u8"線や番号の色、ﾌｫﾝﾄ、ｻｲｽﾞを指定\n表示ﾌﾟﾛﾊﾟﾃｨ"},
    {ID_TITLE_REGISTER, u8"選択用のﾀｲﾄﾙ一覧の設定を変更"},
    {ID_DRAW_LEFT_BOUND_POINT, u8"すべり線の左側地表境界点を描く\n左地表境界点"},
    {ID_DRAW_RIGHT_BOUND_POINT, u8"すべり線の右側地表境界点を描く\n右地表境界点"},
    {ID_EDIT_SELECT, u8"対象指定されている図形を選択\n選択"},
    {ID_EDIT_DELETE, u8"選択した図形を削除\n削除"},
    {ID_EDIT_DESELECT, u8"選択を解除する"},
    {ID_CHANGE_POINT_COORDINATES, u8"選択点の座標を変更"},
    {ID_SNAP_TO_POINT, u8"描画時のｸﾘｯｸ位置を既存点に設定"},
};

} // namespace

void BuildSectionMainMenu(CMenu& menu, const SectionMenuParts& parts) {
    menu.CreateMenu();
    AppendPopupMenu(menu, NewPopupMenu(parts.file, kWithoutDocument), u8"ﾌｧｲﾙ(F)");
    AppendPopupMenu(menu, NewPopupMenu(parts.view, kWithoutDocument), u8"表示(V)");
    AppendPopupMenu(menu, NewPopupMenu(kHelpMenu, kWithoutDocument), u8"ﾍﾙﾌﾟ(H)");
}

void BuildSectionDocumentMenu(CMenu& menu, const SectionMenuParts& parts) {
    menu.CreateMenu();
    AppendPopupMenu(menu, NewPopupMenu(parts.file, kWithDocument), u8"ﾌｧｲﾙ(F)");
    AppendPopupMenu(menu, NewPopupMenu(parts.edit, kWithDocument), u8"編集(E)");
    AppendPopupMenu(menu, NewPopupMenu(parts.draw, kWithDocument), u8"描画(D)");
    AppendPopupMenu(menu, NewPopupMenu(parts.view, kWithDocument), u8"表示(V)");
    AppendPopupMenu(menu, NewPopupMenu(kWindowMenu, kWithDocument), u8"ｳｨﾝﾄﾞｳ(W)");
    AppendPopupMenu(menu, NewPopupMenu(kHelpMenu, kWithDocument), u8"ﾍﾙﾌﾟ(H)");
}

const std::vector<platform::Accelerator>& SectionAccelerators() {
    static const std::vector<platform::Accelerator> keys = {
        {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
        {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
        {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
        {Qt::CTRL | Qt::Key_A, section::ID_VIEW_ALL},
        // PageDown enlarges and PageUp reduces.
        {QKeyCombination(Qt::Key_PageDown), section::ID_VIEW_SCALE_UP},
        {QKeyCombination(Qt::Key_PageUp), section::ID_VIEW_SCALE_DOWN},
        {QKeyCombination(Qt::Key_Delete), ID_EDIT_DELETE},
    };
    return keys;
}

std::vector<platform::CommandPrompt> WithSharedPrompts(std::vector<platform::CommandPrompt> own) {
    own.insert(own.end(), std::begin(kSharedPrompts), std::end(kSharedPrompts));
    return own;
}

} // namespace shell
