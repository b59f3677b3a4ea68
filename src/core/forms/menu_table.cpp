#include "core/forms/menu_table.h"

#include <utility>

namespace vexa {

MenuItem menuEntry(std::string caption, std::string code, std::optional<std::int32_t> spacing)
{
    MenuItem entry;
    entry.caption = std::move(caption);
    entry.code = std::move(code);
    entry.spacing = spacing;
    return entry;
}

MenuItem submenu(std::string caption, MenuTable children)
{
    MenuItem menu;
    menu.caption = std::move(caption);
    menu.children = std::move(children);
    return menu;
}

namespace {

void collectEntries(const MenuTable& items, std::vector<const MenuItem*>& entries)
{
    for (const MenuItem& item : items) {
        if (item.isSubmenu())
            collectEntries(item.children, entries);
        else
            entries.push_back(&item);
    }
}

} // namespace

std::vector<const MenuItem*> menuEntries(const MenuTable& table)
{
    std::vector<const MenuItem*> entries;
    collectEntries(table, entries);
    return entries;
}

const MenuItem* menuEntryAt(const MenuTable& table, std::size_t index)
{
    const std::vector<const MenuItem*> entries = menuEntries(table);
    return index < entries.size() ? entries[index] : nullptr;
}

} // namespace vexa
