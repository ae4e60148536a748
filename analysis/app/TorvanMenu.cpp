#include "analysis/app/TorvanMenu.h"

#include "analysis/app/TorvanIds.h"

#include "common/ui/shell/SectionMenus.h"
#include "platform/ui/MenuTable.h"

namespace torvan {

namespace {

using platform::MenuEntry;

// Entries only in the menu shown while an analysis is open.
constexpr unsigned kDocument = shell::kWithDocument;

constexpr MenuEntry kFileMenu[] = {
    MenuEntry::Item(ID_FILE_NEW, u8"新規作成(N)\tCtrl+N"),
    MenuEntry::Item(ID_FILE_OPEN, u8"開く(O)...\tCtrl+O"),
    MenuEntry::Item(ID_FILE_CLOSE, u8"閉じる(C)", kDocument),
    MenuEntry::Item(ID_FILE_SAVE, u8"上書き保存(S)\tCtrl+S", kDocument),
    MenuEntry::Item(ID_FILE_SAVE_AS, u8"名前を付けて保存(A)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_ANALYSIS_RUN, u8"解析実行(G)...", kDocument),
    MenuEntry::Item(ID_RELOAD_RESULT, u8"すべり線生成(E)", kDocument),
    MenuEntry::Item(ID_DRAWING_RUN, u8"作図実行(Z)...", kDocument),
    MenuEntry::Item(ID_FILE_DXF_OUT, u8"DXFﾌｧｲﾙ出力(U)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_FILE_PRINT, u8"印刷(P)...\tCtrl+P", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_PREVIEW, u8"印刷ﾌﾟﾚﾋﾞｭｰ(V)", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_SETUP, u8"ﾌﾟﾘﾝﾀの設定(R)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_FILE_MRU_FILE1, u8"最近使ったﾌｧｲﾙ"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_APP_EXIT, u8"ｱﾌﾟﾘｹｰｼｮﾝの終了(X)"),
};

constexpr MenuEntry kEditMenu[] = {
    MenuEntry::Item(ID_EDIT_SELECT, u8"選択(S)"),
    MenuEntry::Item(ID_EDIT_SELECT_ALL, u8"全選択(Z)"),
    MenuEntry::Item(ID_SELECT_UNUSED_POINTS, u8"未使用点選択(U)"),
    MenuEntry::Item(ID_EDIT_DESELECT, u8"選択解除(R)"),
    MenuEntry::Item(ID_SELECT_TARGETS, u8"選択対象設定(T)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_EDIT_DELETE, u8"削除(D)\tDel"),
    MenuEntry::Item(ID_EDIT_MOVE, u8"座標移動(M)"),
    MenuEntry::Item(ID_CHANGE_POINT_COORDINATES, u8"選択点の座標変更(C)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_INPUT_SURFACE_POINTS, u8"地表点座標入力(N)..."),
    MenuEntry::Item(ID_INPUT_MEASURE_POINTS, u8"計測点座標入力(K)..."),
    MenuEntry::Item(ID_INPUT_SURFACE_LINE, u8"地表線座標入力(G)..."),
    MenuEntry::Item(ID_INPUT_BOUND_POINTS, u8"境界点座標入力(B)..."),
    MenuEntry::Item(ID_EDIT_DISP_DATA, u8"変位ﾃﾞｰﾀ(E)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_DELETE_ALL_SLIP_LINES, u8"すべり線の全削除(L)"),
    MenuEntry::Item(ID_DELETE_ALL_BOUND_POINTS, u8"境界点の全削除(P)"),
};

constexpr MenuEntry kDrawMenu[] = {
    MenuEntry::Item(ID_DRAW_INNER_BOUND_POINT, u8"地中境界点(B)"),
    MenuEntry::Item(ID_DRAW_LEFT_BOUND_POINT, u8"左地表境界点(L)"),
    MenuEntry::Item(ID_DRAW_RIGHT_BOUND_POINT, u8"右地表境界点(R)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_DRAW_SURFACE_POINT, u8"地表点(N)"),
    MenuEntry::Item(ID_DRAW_MEASURE_POINT, u8"計測点(K)"),
    MenuEntry::Item(ID_DRAW_SURFACE_LINE, u8"地表線(I)"),
    MenuEntry::Item(ID_DRAW_HORIZONTAL_LINE, u8"水平地表線(H)"),
    MenuEntry::Item(ID_DRAW_VERTICAL_LINE, u8"鉛直地表線(V)"),
    MenuEntry::Item(ID_DRAW_POLYLINE, u8"連続地表線(G)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_SNAP_TO_POINT, u8"既存点にｽﾅｯﾌﾟ(P)"),
};

constexpr MenuEntry kViewMenu[] = {
    MenuEntry::Item(ID_VIEW_TOOLBAR, u8"ﾂｰﾙﾊﾞｰ(T)"),
    MenuEntry::Item(ID_VIEW_STATUS_BAR, u8"ｽﾃｰﾀｽﾊﾞｰ(S)"),
    MenuEntry::Item(ID_VIEW_TOOL_TEXT, u8"ﾂｰﾙ文字表示(X)"),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_VIEW_ALL, u8"全体表示(Oｵ)\t[Ctrl+A]", kDocument),
    // PageDown enlarges and PageUp reduces; the labels name the keys so bound.
    MenuEntry::Item(ID_VIEW_ZOOM_IN, u8"縮尺の1%拡大(Z)\tPageDown", kDocument),
    MenuEntry::Item(ID_VIEW_ZOOM_OUT, u8"縮尺の1%縮小(S)\tPageUp", kDocument),
    MenuEntry::Item(ID_VIEW_MODEL_SIZE, u8"ﾓﾃﾞﾙの大きさ(Rﾓ)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_VIEW_PROPERTIES, u8"表示ﾌﾟﾛﾊﾟﾃｨ(P)...", kDocument),
    MenuEntry::Item(ID_VIEW_DISP_VECTOR, u8"変位ﾍﾞｸﾄﾙ(V)...", kDocument),
    MenuEntry::Item(ID_TITLE_AND_REF_FILES, u8"ﾀｲﾄﾙと参照ﾌｧｲﾙ(F)...", kDocument),
    MenuEntry::Item(ID_TITLE_REGISTER, u8"ﾀｲﾄﾙ登録(G)...", kDocument),
    MenuEntry::Popup(u8"ｼｽﾃﾑ設定(Y)...", kDocument),
    MenuEntry::Item(ID_SYSTEM_SETTINGS, u8"編集･印刷(O)"),
    MenuEntry::End(),
};

const shell::SectionMenuParts kMenuParts{kFileMenu, kEditMenu, kDrawMenu, kViewMenu};

} // namespace

void BuildMainMenu(CMenu& menu) {
    shell::BuildSectionMainMenu(menu, kMenuParts);
}

void BuildDocumentMenu(CMenu& menu) {
    shell::BuildSectionDocumentMenu(menu, kMenuParts);
}

const std::vector<platform::Accelerator>& Accelerators() {
    return shell::SectionAccelerators();
}

const std::vector<platform::CommandPrompt>& CommandPrompts() {
    static const std::vector<platform::CommandPrompt> prompts = shell::WithSharedPrompts({
        {ID_FILE_PRINT_SETUP, u8"ﾌﾟﾘﾝﾀや印刷ｵﾌﾟｼｮﾝを変更\n印刷設定"},
        {ID_VIEW_TOOL_TEXT, u8"ﾂｰﾙﾊﾞｰのﾎﾞﾀﾝの文字を表示/非表示\nﾂｰﾙ文字表示"},
        {ID_DRAW_INNER_BOUND_POINT, u8"地中境界点を描く\n地中境界点"},
        // This program's own ids of the surface boundary point tools (the shared table holds
        // the section editor's).
        {ID_DRAW_LEFT_BOUND_POINT, u8"すべり線の左側地表境界点を描く\n左地表境界点"},
        {ID_DRAW_RIGHT_BOUND_POINT, u8"すべり線の右側地表境界点を描く\n右地表境界点"},
        {ID_DRAW_SURFACE_POINT, u8"地表点を描く\n地表点"},
        {ID_DRAW_MEASURE_POINT, u8"計測点を描く\n計測点"},
        {ID_DRAW_SURFACE_LINE, u8"地表線を描く\n地表線"},
        {ID_DRAW_HORIZONTAL_LINE, u8"水平地表線を描く\n水平地表線"},
        {ID_DRAW_VERTICAL_LINE, u8"鉛直地表線を描く\n鉛直地表線"},
        {ID_DRAW_POLYLINE, u8"連続地表線を描く\n連続地表線"},
        {ID_TITLE_AND_REF_FILES, u8"ﾌｧｲﾙ識別ﾀｲﾄﾙを指定"},
        {ID_INPUT_BOUND_POINTS, u8"境界点座標を表形式画面で編集\n境界点座標入力"},
        {ID_INPUT_SURFACE_LINE, u8"地表線座標を表形式画面で編集\n地表線座標入力"},
        {ID_INPUT_SURFACE_POINTS, u8"地表点座標を表形式画面で編集\n地表点座標入力"},
        {ID_INPUT_MEASURE_POINTS, u8"計測点座標を表形式画面で編集\n計測点座標入力"},
        {ID_SELECT_TARGETS, u8"選択する対象を指定"},
        {ID_ANALYSIS_RUN, u8"解析手法を選択して解析を実行\n解析実行"},
        {ID_DRAWING_RUN, u8"縮尺等の条件を指定して作図を実行\n作図実行"},
        {ID_RELOAD_RESULT, u8"現在の解析条件ですべり線を生成\nすべり線生成"},
    });
    return prompts;
}

} // namespace torvan
