#include "section_editor/app/MerdokMenu.h"

#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideStrings.h"
#include "common/ui/shell/SectionMenus.h"
#include "platform/ui/MenuTable.h"

namespace merdok {

namespace {

using platform::MenuEntry;

// Entries only in the menu shown while a section is open.
constexpr unsigned kDocument = shell::kWithDocument;

constexpr MenuEntry kFileMenu[] = {
    MenuEntry::Item(ID_FILE_NEW, u8"新規作成(N)\tCtrl+N"),
    MenuEntry::Item(ID_FILE_OPEN, u8"開く(O)...\tCtrl+O"),
    MenuEntry::Item(ID_FILE_CLOSE, u8"閉じる(C)", kDocument),
    MenuEntry::Item(ID_FILE_SAVE, u8"上書き保存(S)\t[Ctrl+S]", kDocument),
    MenuEntry::Item(ID_FILE_SAVE_AS, u8"名前を付けて保存(A)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_FILE_INPUT_DXF, u8"DXFﾌｧｲﾙ読み込み(M)...", kDocument),
    MenuEntry::Item(ID_FILE_DXF_OUT, u8"DXFﾌｧｲﾙ出力(U)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_EDIT_TITLE, u8"ﾀｲﾄﾙ(T)...", kDocument),
    MenuEntry::Popup(u8"ｼｽﾃﾑ設定(Y)...", kDocument),
    MenuEntry::Item(ID_TITLE_REGISTER, u8"ﾀｲﾄﾙ登録(T)..."),
    MenuEntry::Item(ID_SYSTEM_SETTINGS, u8"編集･印刷(O)"),
    MenuEntry::End(),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_FILE_PRINT, u8"画面印刷(P)...\t[Ctrl+P]", kDocument),
    MenuEntry::Item(ID_FILE_PRINT_PREVIEW, u8"印刷ﾌﾟﾚﾋﾞｭｰ(V)", kDocument),
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
    MenuEntry::Item(ID_SELECT_TARGETS, u8"選択対象設定(F)..."),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_EDIT_DELETE, u8"削除(D)\t[Del]"),
    MenuEntry::Item(ID_EDIT_MOVE, u8"座標移動(M)"),
    MenuEntry::Item(ID_CHANGE_POINT_COORDINATES, u8"選択点の座標変更(C)..."),
    MenuEntry::Item(ID_SNAP_TO_POINT, u8"既存点にｽﾅｯﾌﾟ(P)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_INPUT_GROUND_LINE, u8"地表線座標入力(L)..."),
    MenuEntry::Item(ID_INPUT_MEASURE_POINTS, u8"計測点座標入力(S)..."),
    MenuEntry::Item(ID_INPUT_BOUND_POINTS, u8"境界点座標入力(B)..."),
};

constexpr MenuEntry kDrawMenu[] = {
    MenuEntry::Item(ID_DRAW_GROUND_LINE, u8"単線(L)"),
    MenuEntry::Item(ID_DRAW_CONTINUOUS_LINE, u8"連続線(G)"),
    MenuEntry::Separator(),
    MenuEntry::Item(ID_DRAW_GROUND_POINT, u8"地表点(N)"),
    MenuEntry::Item(ID_DRAW_MEASURE_POINT, u8"計測点(K)"),
    MenuEntry::Item(ID_DRAW_UNDER_BOUND_POINT, u8"地中境界点(B)"),
    MenuEntry::Item(ID_DRAW_LEFT_BOUND_POINT, u8"左地表境界点(L)"),
    MenuEntry::Item(ID_DRAW_RIGHT_BOUND_POINT, u8"右地表境界点(R)"),
};

constexpr MenuEntry kViewMenu[] = {
    MenuEntry::Item(ID_VIEW_TOOLBAR, u8"ﾂｰﾙﾊﾞｰ(T)"),
    MenuEntry::Item(ID_VIEW_STATUS_BAR, u8"ｽﾃｰﾀｽﾊﾞｰ(S)"),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_VIEW_ALL, u8"全体表示(O)\t[Ctrl+A]", kDocument),
    // PageDown enlarges and PageUp reduces; the labels name the keys so bound.
    MenuEntry::Item(ID_VIEW_ZOOM_IN, u8"縮尺の1%拡大(Z)\tPageDn", kDocument),
    MenuEntry::Item(ID_VIEW_ZOOM_OUT, u8"縮尺の1%縮小(S)\tPageUp", kDocument),
    MenuEntry::Item(ID_VIEW_MODEL_SIZE, u8"ﾓﾃﾞﾙの大きさ(R)...", kDocument),
    MenuEntry::Separator(kDocument),
    MenuEntry::Item(ID_VIEW_PROPERTIES, u8"表示ﾌﾟﾛﾊﾟﾃｨ(F)...", kDocument),
    MenuEntry::Item(ID_MODEL_INFO, u8"ﾓﾃﾞﾙ情報(I)...", kDocument),
};

const shell::SectionMenuParts kMenuParts{kFileMenu, kEditMenu, kDrawMenu, kViewMenu};

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

// Beside the texts both section programs show (section::SharedGuideStrings).
void RegisterMerdokGuideStrings() {
    using namespace section::guide;
    static constexpr section::GuideString kOwn[] = {
        {kEditorPointTitle, u8"描画(D) 点(P)"},
        {kEditorRightBoundPointTitle, u8"描画(D) 右地表境界点(R)"},
        {kEditorNodePrompt, u8">節点(又は囲む矩形の隅点)をｸﾘｯｸ"},
        {kEditorNodeNextPrompt, u8">節点を囲む矩形の対角点をｸﾘｯｸ  [右ｸﾘｯｸ]中止"},
    };
    section::RegisterProgramGuideStrings(kOwn);
}

} // namespace merdok
