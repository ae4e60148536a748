#pragma once
// The menu bar of the coordinate tables: "行編集(E)" with the row commands and "ｼﾞｬﾝﾌﾟ(Jｲ)"
// with jumping and searching. Its items enable the table's row commands; its first
// sub-menu serves as the table's pop-up menu.

class CMenu;

void BuildGridTableMenu(CMenu& menuBar);
