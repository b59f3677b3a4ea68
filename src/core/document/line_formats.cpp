#include "core/document/line_formats.h"

namespace vexa {

namespace {
constexpr std::size_t kNo = static_cast<std::size_t>(-1);

constexpr std::optional<std::size_t> at(std::size_t index)
{
    return index == kNo ? std::nullopt : std::optional<std::size_t>(index);
}

// country,type,health,cell,... then the trigger, direction and order at their places in each format.
constexpr LineFormat placed(PaneId pane, std::size_t fields, std::size_t trigger, std::size_t direction,
                            std::size_t order, std::size_t subPosition = kNo)
{
    return {pane, fields, false, 3, trigger, 0, CountryForm::Name, true, 1, at(subPosition), true, 2, direction, at(order)};
}

constexpr LineFormat decoration(PaneId pane, std::optional<std::size_t> fields, std::size_t cell, std::size_t trigger)
{
    return {pane, fields, true, at(cell), at(trigger), std::nullopt, CountryForm::None, false, std::nullopt, std::nullopt};
}
} // namespace

const std::array<LineFormat, 11> kLineFormats = {{
    placed(PaneId::Structures, 8, 5, 4, kNo),  // country,type,health,cell,direction,trigger,1,repair
    placed(PaneId::Units, 7, 6, 4, 5),         // country,type,health,cell,direction,order,trigger
    placed(PaneId::Ships, 7, 6, 4, 5),
    placed(PaneId::Infantry, 8, 7, 6, 5, 4),   // country,type,health,cell,sub-position,order,direction,trigger
    decoration(PaneId::Terrain, std::nullopt, kNo, kNo),  // cell=type
    decoration(PaneId::Smudge, 3, 1, kNo),                // cell=type,cell,0
    decoration(PaneId::Overlay, std::nullopt, kNo, kNo),  // cell=type
    {PaneId::Waypoints, 1, false, 0, std::nullopt, std::nullopt, CountryForm::None, false, std::nullopt, std::nullopt},  // number=cell
    decoration(PaneId::CellTriggers, 1, kNo, 0),          // cell=trigger
    {PaneId::Trigs, 18, false, std::nullopt, std::nullopt, 1, CountryForm::Number, false, std::nullopt, std::nullopt},
    {PaneId::TeamType, std::nullopt, false, std::nullopt, std::nullopt, 0, CountryForm::Number, false, std::nullopt,
     std::nullopt},
}};

const LineFormat* formatOf(PaneId pane)
{
    for (const LineFormat& format : kLineFormats) {
        if (format.pane == pane)
            return &format;
    }
    return nullptr;
}

} // namespace vexa
