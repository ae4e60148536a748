#pragma once
// A menu built in code: items carry command ids, pop-ups nest. A frame shows a menu as its
// menu bar (SetMenu); before a pop-up opens, the frame runs the update handlers of its items.
// The letter in parentheses of a label is its keyboard mnemonic (see QtLabel).
// The item ID_FILE_MRU_FILE1 stands for the recent-file list (four entries, hidden when unused).
// A CMenu owns its pop-ups and must outlive the frame that shows it.

#include "platform/core/CString.h"
#include "platform/ui/AfxRes.h"

#include <QMenu>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;
class CWnd;

class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT flags, UINT id = 0, const char* text = nullptr);
    // Appends popup as a sub-menu; the menu takes ownership of it.
    BOOL AppendMenu(UINT flags, CMenu* popup, const char* text);
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    CMenu* GetSubMenu(int position) const;
    // Shows the menu at screen point (x, y); the chosen id goes to owner's command route.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    QMenu* Menu() const { return menu_; }
    // The action of an id in this menu or its pop-ups, or null.
    QAction* FindAction(UINT id) const;
    // Id an action carries (0 for none).
    static UINT ActionId(const QAction* action);
    static void SetActionId(QAction* action, UINT id);
    // Qt's text of an item label: the letter a label shows in parentheses ("ﾌｧｲﾙ(Fﾌ)",
    // "開く(O)...\tCtrl+O") becomes its mnemonic (Alt+F) unless the label marks one with '&'.
    static QString QtLabel(const CString& label);

private:
    QAction* ItemAt(UINT idOrPosition, UINT flags) const;

    QPointer<QMenu> menu_;
    std::vector<std::unique_ptr<CMenu>> popups_;
};
