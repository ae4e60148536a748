#pragma once
// The menus of the coordinate tables: the bar's "行編集(E)" with the row commands and
// "ｼﾞｬﾝﾌﾟ(Jｲ)" with jumping and searching, and the pop-up menu with the row commands. Their
// items enable the table's row commands.

class CMenu;

// Which row commands a table offers: all, or only deleting and inserting blank rows.
enum class GridRowCommands { kAll, kDeleteAndInsertBlank };

void BuildGridTableMenu(CMenu& menuBar, GridRowCommands rows = GridRowCommands::kAll, bool withJump = true);
void BuildGridRowPopup(CMenu& popup, GridRowCommands rows = GridRowCommands::kAll);
