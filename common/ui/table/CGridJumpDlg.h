#pragma once
// The jump dialog of the table: a row number up to 32000; zero and negative numbers pass
// (the jump itself reports that there is no such row).

#include "common/ui/table/CGridNumberDlg.h"

#include <climits>

class CGridJumpDlg : public CGridNumberDlg {
public:
    CGridJumpDlg(CGridDlg* table, int row)
        : CGridNumberDlg(table,
                         {912, 922, u8"指定行ジャンプ", u8"行番号(Nﾗ)：", INT_MIN, 32000,
                          u8"0～32000 の範囲を入力してください"},
                         row) {}
};
