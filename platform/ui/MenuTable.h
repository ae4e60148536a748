#pragma once
// A menu written as data rather than as calls: a flat list in which a pop-up's entries follow
// it up to its End. A program builds several bars from one table (with and without a document,
// say): each entry names the variants it stands in as a bit mask, and a pop-up left out takes
// its entries with it. Labels are the program's UTF-8 texts, as in MenuBuilding.h.

#include "platform/ui/CMenu.h"

#include <span>

namespace platform {

struct MenuEntry {
    enum class Kind { kItem, kSeparator, kPopup, kEnd };

    static constexpr unsigned kEveryVariant = ~0U;

    Kind kind = Kind::kItem;
    UINT id = 0;
    const char8_t* label = nullptr;
    unsigned variants = kEveryVariant;

    static constexpr MenuEntry Item(UINT id, const char8_t* label, unsigned variants = kEveryVariant) {
        return {Kind::kItem, id, label, variants};
    }
    static constexpr MenuEntry Separator(unsigned variants = kEveryVariant) {
        return {Kind::kSeparator, 0, nullptr, variants};
    }
    static constexpr MenuEntry Popup(const char8_t* label, unsigned variants = kEveryVariant) {
        return {Kind::kPopup, 0, label, variants};
    }
    static constexpr MenuEntry End() { return {Kind::kEnd, 0, nullptr, kEveryVariant}; }
};

// Appends the table's entries that stand in the variant (one bit) to menu.
void AppendMenuTable(CMenu& menu, std::span<const MenuEntry> table, unsigned variant);
// A new pop-up holding the table's entries of the variant.
CMenu* NewPopupMenu(std::span<const MenuEntry> table, unsigned variant);
// Makes bar a menu bar holding the table's entries of the variant.
void BuildMenuBar(CMenu& bar, std::span<const MenuEntry> table, unsigned variant);

} // namespace platform
