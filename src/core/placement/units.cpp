#include "core/placement/units.h"

#include "core/placement/integers.h"
#include "core/placement/placement_lines.h"
#include "core/placement/placement_run.h"

#include <cstdint>
#include <string_view>

namespace vexa {

namespace {

// A sub-position as it is written: one digit, 0 to 4.
constexpr std::string_view kSubPositionDigits = "01234";
static_assert(kSubPositionDigits.size() == kSubPositionCount);

bool requiredFilled(const UnitsInput& in)
{
    return allFilled({in.country, in.typeCode, in.health, in.direction, in.order, in.first, in.last, in.spacing,
                      in.trigger});
}

// Units and ships: one line per cell, the direction before the order.
Outcome createVehicles(const UnitsInput& in, Pane& pane, std::int32_t spacingFallback)
{
    if (!requiredFilled(in))
        return Outcome::Refused;
    const auto run = readPlacementRun(in.first, in.last, in.spacing, spacingFallback);
    if (!run)
        return Outcome::Refused;
    return walkPlacementRun(*run, [&](std::int32_t cell) {
        appendNumberedLine(pane,
                           joinFields({in.country, in.typeCode, in.health, decimalText(cell), in.direction, in.order,
                                       in.trigger}),
                           in.comment);
    });
}

} // namespace

Outcome createUnits(const UnitsInput& input, Pane& units)
{
    return createVehicles(input, units, kUnitsSpacingFallback);
}

Outcome createShips(const ShipsInput& input, Pane& ships)
{
    return createVehicles(input, ships, kShipsSpacingFallback);
}

Outcome createInfantry(const InfantryInput& in, Pane& infantry)
{
    if (!requiredFilled(in))
        return Outcome::Refused;
    const auto run = readPlacementRun(in.first, in.last, in.spacing, kInfantrySpacingFallback);
    if (!run)
        return Outcome::Refused;
    return walkPlacementRun(*run, [&](std::int32_t cell) {
        const std::string n = decimalText(cell);
        for (std::size_t s = 0; s < kSubPositionCount; ++s) {
            if (!in.subPositions[s])
                continue;
            const std::string_view subPosition = kSubPositionDigits.substr(s, 1);
            appendNumberedLine(infantry,
                               joinFields({in.country, in.typeCode, in.health, n, subPosition, in.order,
                                           in.direction, in.trigger}),
                               in.comment);
        }
    });
}

} // namespace vexa
