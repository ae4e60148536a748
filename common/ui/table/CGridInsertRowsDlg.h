#pragma once
// The blank-row dialog of the table: how many empty rows to insert, 0 to 100.

#include "common/ui/table/CGridNumberDlg.h"

class CGridInsertRowsDlg : public CGridNumberDlg {
public:
    CGridInsertRowsDlg(CGridDlg* table, int count)
        : CGridNumberDlg(
              table,
              {911, 921, u8"空白行の挿入", u8"挿入する行数：", 0, 100, u8"0～100 の範囲を入力してください"},
              count) {}
};
