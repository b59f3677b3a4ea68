#include "core/placement/type_menu.h"

#include <utility>

namespace vexa {

TypeMenuItem typeEntry(std::string caption, std::string code, std::optional<std::int32_t> spacing)
{
    return TypeMenuItem{std::move(caption), std::move(code), spacing, {}};
}

TypeMenuItem typeSubmenu(std::string caption, std::vector<TypeMenuItem> items)
{
    return TypeMenuItem{std::move(caption), {}, std::nullopt, std::move(items)};
}

namespace {

void collectEntries(const std::vector<TypeMenuItem>& items, std::vector<const TypeMenuItem*>& entries)
{
    for (const TypeMenuItem& item : items) {
        if (item.isSubmenu())
            collectEntries(item.items, entries);
        else
            entries.push_back(&item);
    }
}

} // namespace

std::vector<const TypeMenuItem*> typeEntries(const TypeMenuBar& bar)
{
    std::vector<const TypeMenuItem*> entries;
    collectEntries(bar, entries);
    return entries;
}

} // namespace vexa
