#include "platform/ui/MenuTable.h"

#include "platform/ui/MenuBuilding.h"

#include <cstddef>

namespace platform {

namespace {

// The position after the End that closes the pop-up opened at position `popup`.
std::size_t PastEnd(std::span<const MenuEntry> table, std::size_t popup) {
    int depth = 0;
    for (std::size_t i = popup; i < table.size(); ++i) {
        if (table[i].kind == MenuEntry::Kind::kPopup) {
            ++depth;
        } else if (table[i].kind == MenuEntry::Kind::kEnd && --depth == 0) {
            return i + 1;
        }
    }
    return table.size();
}

} // namespace

void AppendMenuTable(CMenu& menu, std::span<const MenuEntry> table, unsigned variant) {
    std::size_t i = 0;
    while (i < table.size() && table[i].kind != MenuEntry::Kind::kEnd) {
        const MenuEntry& entry = table[i];
        const bool shown = (entry.variants & variant) != 0;
        if (entry.kind == MenuEntry::Kind::kPopup) {
            const std::size_t next = PastEnd(table, i);
            if (shown) {
                AppendPopupMenu(menu, NewPopupMenu(table.subspan(i + 1, next - i - 1), variant), entry.label);
            }
            i = next;
            continue;
        }
        if (shown && entry.kind == MenuEntry::Kind::kSeparator) {
            AppendMenuSeparator(menu);
        } else if (shown) {
            AppendMenuItem(menu, entry.id, entry.label);
        }
        ++i;
    }
}

CMenu* NewPopupMenu(std::span<const MenuEntry> table, unsigned variant) {
    CMenu* popup = NewPopupMenu();
    AppendMenuTable(*popup, table, variant);
    return popup;
}

void BuildMenuBar(CMenu& bar, std::span<const MenuEntry> table, unsigned variant) {
    bar.CreateMenu();
    AppendMenuTable(bar, table, variant);
}

} // namespace platform
