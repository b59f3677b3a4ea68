#include "core/placement/buildings.h"

#include "core/placement/integers.h"
#include "core/placement/placement_lines.h"
#include "core/placement/placement_run.h"

namespace vexa {

namespace {

constexpr std::size_t kBaseHeaderLines = 2;

// Gives the base pane its two header lines where they are missing, so that entry
// numbers never go below zero. A pane holding just one line keeps it as line 0, which the
// header rewrite after the run replaces.
void completeBaseHeader(Pane& base)
{
    if (base.lineCount() == 0)
        base.append("Player=");
    if (base.lineCount() == 1)
        base.append("Count=0");
}

void rewriteBaseHeader(Pane& base, std::string_view country)
{
    std::string player = "Player=";
    player.append(country);
    base.replace(0, player);
    if (base.lineCount() >= kBaseHeaderLines)
        base.replace(1, "Count=" + std::to_string(base.lineCount() - kBaseHeaderLines));
}

} // namespace

std::string baseEntryNumber(std::size_t k)
{
    std::string number = std::to_string(k);
    if (number.size() < 3)
        number.insert(0, 3 - number.size(), '0');
    return number;
}

std::string baseEntry(std::size_t k, std::string_view typeCode, std::int32_t cell)
{
    std::string entry = baseEntryNumber(k);
    entry.push_back('=');
    entry.append(typeCode).push_back(',');
    entry.append(decimalText(cell));
    return entry;
}

Outcome createBuildings(const BuildingsInput& in, Pane& structures, Pane& base)
{
    if (!allFilled({in.country, in.typeCode, in.health, in.direction, in.first, in.last, in.spacing, in.trigger}))
        return Outcome::Refused;
    const auto run = readPlacementRun(in.first, in.last, in.spacing, kBuildingsSpacingFallback);
    if (!run)
        return Outcome::Refused;

    const std::string_view repair = in.repair ? "1" : "0";
    const Outcome outcome = walkPlacementRun(*run, [&](std::int32_t cell) {
        const std::string n = decimalText(cell);
        appendNumberedLine(structures,
                           joinFields({in.country, in.typeCode, in.health, n, in.direction, in.trigger, "1", repair}),
                           in.comment);
        if (in.addToBase) {
            completeBaseHeader(base);
            base.append(baseEntry(base.lineCount() - kBaseHeaderLines, in.typeCode, cell));
        }
    });
    if (outcome == Outcome::Done && in.addToBase)
        rewriteBaseHeader(base, in.country);
    return outcome;
}

} // namespace vexa
