#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// One item of a dialog's vocabulary menus: either an entry the user chooses, or a submenu
// holding further items. Entries and submenus may be mixed at any level, in the order they
// are shown. A menu bar is a list of items too; its items are the menus.
//
// An entry carries what choosing it does to the dialog: the code it writes (a type code,
// an event, action or order number, a country's position), and where the dialog has them,
// the spacing it sets, the parameter it asks for with that parameter's prompt, and a
// parameter it fixes itself.
struct MenuItem {
    std::string caption;                 // as stored: "&" marks an access key, "&&" shows "&"
    std::string code;                    // an entry's code; empty for a submenu
    std::optional<std::int32_t> spacing; // the spacing an entry puts into the dialog, if any
    int slot = 0;                        // the parameter an entry asks for; 0: none
    std::string prompt;                  // the label that parameter takes
    std::string fixedParameter;          // a parameter the entry sets itself; empty: none
    std::vector<MenuItem> children;      // a submenu's items; empty for an entry

    bool isSubmenu() const { return !children.empty(); }
    bool operator==(const MenuItem&) const = default;
};

using MenuTable = std::vector<MenuItem>;

// An entry with a code and, where the dialog takes one, a default spacing.
MenuItem menuEntry(std::string caption, std::string code, std::optional<std::int32_t> spacing = std::nullopt);
MenuItem submenu(std::string caption, MenuTable children);

// Every entry of a table, depth first in menu order. An entry's position here is its
// stable index: menu actions carry it, and menuEntryAt() turns it back into the entry.
std::vector<const MenuItem*> menuEntries(const MenuTable& table);
const MenuItem* menuEntryAt(const MenuTable& table, std::size_t index);

} // namespace vexa
