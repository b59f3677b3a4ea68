#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// A dialog's type menu is data. An item is either an entry (caption, type code and, in the
// dialogs that have one, a default spacing) or a submenu (caption and items). A menu bar
// is a list of items too; its items are the menus. Entries and submenus may be mixed in
// one menu, in the order they are shown.
struct TypeMenuItem {
    std::string caption;
    std::string code;                   // an entry's type code; empty for a submenu
    std::optional<std::int32_t> spacing; // the spacing an entry puts into the dialog, if any
    std::vector<TypeMenuItem> items;     // a submenu's items; empty for an entry

    bool isSubmenu() const { return !items.empty(); }
};

using TypeMenuBar = std::vector<TypeMenuItem>;

TypeMenuItem typeEntry(std::string caption, std::string code, std::optional<std::int32_t> spacing = std::nullopt);
TypeMenuItem typeSubmenu(std::string caption, std::vector<TypeMenuItem> items);

// Every entry of a menu bar, depth first in menu order: the index of an entry here is a
// stable way to carry it as a menu action's data.
std::vector<const TypeMenuItem*> typeEntries(const TypeMenuBar& bar);

} // namespace vexa
