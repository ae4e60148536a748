#include "section_editor/app/MerdokMenu.h"

#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/GuideStrings.h"
#include "common/ui/shell/SectionMenus.h"
#include "platform/ui/MenuBuilding.h"

#include <map>

namespace merdok {

namespace {

using platform::AppendMenuItem;
using platform::AppendMenuSeparator;
using platform::NewPopupMenu;

CMenu* SystemSettingsMenu() {
    CMenu* menu = NewPopupMenu();
    AppendMenuItem(*menu, ID_TITLE_REGISTER, u8"ﾀｲﾄﾙ登録(T)...");
    AppendMenuItem(*menu, ID_SYSTEM_SETTINGS, u8"編集･印刷(O)");
    return menu;
}

CMenu* FileMenu(bool withDocument) {
    CMenu* menu = NewPopupMenu();
    AppendMenuItem(*menu, ID_FILE_NEW, u8"新規作成(N)\tCtrl+N");
    AppendMenuItem(*menu, ID_FILE_OPEN, u8"開く(O)...\tCtrl+O");
    if (withDocument) {
        AppendMenuItem(*menu, ID_FILE_CLOSE, u8"閉じる(C)");
        AppendMenuItem(*menu, ID_FILE_SAVE, u8"上書き保存(S)\t[Ctrl+S]");
        AppendMenuItem(*menu, ID_FILE_SAVE_AS, u8"名前を付けて保存(A)...");
        AppendMenuSeparator(*menu);
        AppendMenuItem(*menu, ID_FILE_INPUT_DXF, u8"DXFﾌｧｲﾙ読み込み(M)...");
        AppendMenuItem(*menu, ID_FILE_DXF_OUT, u8"DXFﾌｧｲﾙ出力(U)...");
        AppendMenuSeparator(*menu);
        AppendMenuItem(*menu, ID_EDIT_TITLE, u8"ﾀｲﾄﾙ(T)...");
        menu->AppendMenu(MF_POPUP, SystemSettingsMenu(), CString(u8"ｼｽﾃﾑ設定(Y)...").GetString());
        AppendMenuSeparator(*menu);
        AppendMenuItem(*menu, ID_FILE_PRINT, u8"画面印刷(P)...\t[Ctrl+P]");
        AppendMenuItem(*menu, ID_FILE_PRINT_PREVIEW, u8"印刷ﾌﾟﾚﾋﾞｭｰ(V)");
    }
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_FILE_MRU_FILE1, u8"最近使ったﾌｧｲﾙ");
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_APP_EXIT, u8"ｱﾌﾟﾘｹｰｼｮﾝの終了(X)");
    return menu;
}

CMenu* EditMenu() {
    CMenu* menu = NewPopupMenu();
    AppendMenuItem(*menu, ID_EDIT_SELECT, u8"選択(S)");
    AppendMenuItem(*menu, ID_EDIT_SELECT_ALL, u8"全選択(Z)");
    AppendMenuItem(*menu, ID_SELECT_UNUSED_POINTS, u8"未使用点選択(U)");
    AppendMenuItem(*menu, ID_EDIT_DESELECT, u8"選択解除(R)");
    AppendMenuItem(*menu, ID_SELECT_TARGETS, u8"選択対象設定(F)...");
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_EDIT_DELETE, u8"削除(D)\t[Del]");
    AppendMenuItem(*menu, ID_EDIT_MOVE, u8"座標移動(M)");
    AppendMenuItem(*menu, ID_CHANGE_POINT_COORDINATES, u8"選択点の座標変更(C)...");
    AppendMenuItem(*menu, ID_SNAP_TO_POINT, u8"既存点にｽﾅｯﾌﾟ(P)");
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_INPUT_GROUND_LINE, u8"地表線座標入力(L)...");
    AppendMenuItem(*menu, ID_INPUT_MEASURE_POINTS, u8"計測点座標入力(S)...");
    AppendMenuItem(*menu, ID_INPUT_BOUND_POINTS, u8"境界点座標入力(B)...");
    return menu;
}

CMenu* DrawMenu() {
    CMenu* menu = NewPopupMenu();
    AppendMenuItem(*menu, ID_DRAW_GROUND_LINE, u8"単線(L)");
    AppendMenuItem(*menu, ID_DRAW_CONTINUOUS_LINE, u8"連続線(G)");
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_DRAW_GROUND_POINT, u8"地表点(N)");
    AppendMenuItem(*menu, ID_DRAW_MEASURE_POINT, u8"計測点(K)");
    AppendMenuItem(*menu, ID_DRAW_UNDER_BOUND_POINT, u8"地中境界点(B)");
    AppendMenuItem(*menu, ID_DRAW_LEFT_BOUND_POINT, u8"左地表境界点(L)");
    AppendMenuItem(*menu, ID_DRAW_RIGHT_BOUND_POINT, u8"右地表境界点(R)");
    return menu;
}

CMenu* ViewMenu(bool withDocument) {
    CMenu* menu = NewPopupMenu();
    AppendMenuItem(*menu, ID_VIEW_TOOLBAR, u8"ﾂｰﾙﾊﾞｰ(T)");
    AppendMenuItem(*menu, ID_VIEW_STATUS_BAR, u8"ｽﾃｰﾀｽﾊﾞｰ(S)");
    if (!withDocument) {
        return menu;
    }
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_VIEW_ALL, u8"全体表示(O)\t[Ctrl+A]");
    // PageDown enlarges and PageUp reduces; the labels name the keys so bound.
    AppendMenuItem(*menu, ID_VIEW_ZOOM_IN, u8"縮尺の1%拡大(Z)\tPageDn");
    AppendMenuItem(*menu, ID_VIEW_ZOOM_OUT, u8"縮尺の1%縮小(S)\tPageUp");
    AppendMenuItem(*menu, ID_VIEW_MODEL_SIZE, u8"ﾓﾃﾞﾙの大きさ(R)...");
    AppendMenuSeparator(*menu);
    AppendMenuItem(*menu, ID_VIEW_PROPERTIES, u8"表示ﾌﾟﾛﾊﾟﾃｨ(F)...");
    AppendMenuItem(*menu, ID_MODEL_INFO, u8"ﾓﾃﾞﾙ情報(I)...");
    return menu;
}

const shell::SectionMenuParts kMenuParts{FileMenu, EditMenu, DrawMenu, ViewMenu};

} // namespace

const std::vector<platform::CommandPrompt>& CommandPrompts() {
    static const std::vector<platform::CommandPrompt> prompts = shell::WithSharedPrompts({
        {ID_DRAW_GROUND_LINE, u8"単線を描く\n単線"},
        {ID_DRAW_CONTINUOUS_LINE, u8"連続線を描く\n連続線"},
        {ID_DRAW_GROUND_POINT, u8"地表点を描く\n地表点"},
        {ID_DRAW_MEASURE_POINT, u8"計測点を描く\n計測点"},
        {ID_DRAW_UNDER_BOUND_POINT, u8"地中境界点を描く\n地中境界点"},
        {ID_FILE_INPUT_DXF, u8"DXF形式ﾌｧｲﾙより読み込む"},
        {ID_FILE_DXF_OUT, u8"DXF形式ﾌｧｲﾙで保存"},
        {ID_EDIT_TITLE, u8"ﾌｧｲﾙ識別ﾀｲﾄﾙを指定"},
        {ID_SYSTEM_SETTINGS, u8"編集や印刷時の設定を行う"},
        {ID_MODEL_INFO, u8"点や線の個数情報とﾓﾃﾞﾙｻｲｽﾞを表示"},
        {ID_EDIT_SELECT_ALL, u8"対象指定されている全ての図形を選択"},
        {ID_SELECT_UNUSED_POINTS, u8"線で使用されていない点を選択"},
        {ID_SELECT_TARGETS, u8"選択する対象を指定"},
        {ID_EDIT_MOVE, u8"選択点を移動"},
    });
    return prompts;
}

void BuildMainMenu(CMenu& menu) {
    shell::BuildSectionMainMenu(menu, kMenuParts);
}

void BuildDocumentMenu(CMenu& menu) {
    shell::BuildSectionDocumentMenu(menu, kMenuParts);
}

const std::vector<platform::Accelerator>& Accelerators() {
    return shell::SectionAccelerators();
}

void RegisterMerdokGuideStrings() {
    const std::pair<UINT, const char8_t*> strings[] = {
        {4000, u8">ﾒﾆｭｰ選択"},
        {4001, u8"描画(D) 点(P)"},
        {4004, u8"描画(D) 地表線(L)"},
        {4005, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4006, u8">次の点をｸﾘｯｸ  [TAB]座標  [+SHIFT]水平鉛直"},
        {4007, u8"描画(D) 連続地表線(G)"},
        {4008, u8">最初の点をｸﾘｯｸ  [TAB]座標"},
        {4009, u8">次の点をｸﾘｯｸ  [TAB]座標  [右ｸﾘｯｸ]確定  [+SHIFT]水平鉛直  [+CTRL]閉じる [BS]戻る"},
        {4035, u8"描画(D) 地表点(N)"},
        {4036, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4038, u8"描画(D) 計測点(K)"},
        {4039, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4041, u8"描画(D) 地中境界点(B)"},
        {4042, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4044, u8"描画(D) 左地表境界点(L)"},
        {4045, u8"描画(D) 右地表境界点(R)"},
        {4046, u8">指定位置でｸﾘｯｸ  [TAB]座標"},
        {4048, u8"編集(E) 選択(S)"},
        {4049, u8">選択対象(又は囲む矩形の隅点)をｸﾘｯｸ"},
        {4050, u8">選択対象を囲む矩形の対角点をｸﾘｯｸ  [右ｸﾘｯｸ]中止"},
        {4051, u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ"},
        {4052, u8">節点(又は囲む矩形の隅点)をｸﾘｯｸ"},
        {4053, u8">節点を囲む矩形の対角点をｸﾘｯｸ  [右ｸﾘｯｸ]中止"},
        {4060, u8">確認後、戻るをｸﾘｯｸ"},
    };
    std::map<UINT, CString> table;
    for (const auto& [id, text] : strings) {
        table[id] = CString(text);
    }
    section::RegisterGuideStrings(std::move(table));
}

} // namespace merdok
