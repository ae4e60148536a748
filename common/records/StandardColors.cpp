#include "StandardColors.h"

#include <utility>

namespace {

struct StandardColor {
    const char8_t* name;
    COLORREF color;
};

const StandardColor kColors[16] = {
    {u8"黒", 0x000000},   {u8"栗色", 0x000080},     {u8"緑", 0x008000},   {u8"オリーブ", 0x008080},
    {u8"濃紺", 0x800000}, {u8"紫", 0x800080},       {u8"緑青", 0x808000}, {u8"灰色", 0x808080},
    {u8"銀", 0xC0C0C0},   {u8"赤", 0x0000FF},       {u8"黄緑", 0x00FF00}, {u8"黄", 0x00FFFF},
    {u8"青", 0xFF0000},   {u8"明るい紫", 0xFF00FF}, {u8"水色", 0xFFFF00}, {u8"白", 0xFFFFFF},
};

int TableIndex(int index, StandardColorOrder order) {
    if (order == StandardColorOrder::Plot && (index == 7 || index == 8)) {
        return 15 - index;
    }
    return index;
}

} // namespace

COLORREF GetStandardColor(int index, CString* name, StandardColorOrder order) {
    if (index < 0 || index > 15) {
        return 0;
    }
    const StandardColor& entry = kColors[TableIndex(index, order)];
    if (name) {
        *name = CString(entry.name);
    }
    return entry.color;
}

int FindStandardColor(COLORREF color, StandardColorOrder order) {
    for (int index = 0; index < 16; ++index) {
        if (kColors[TableIndex(index, order)].color == color) {
            return index;
        }
    }
    return -1;
}
