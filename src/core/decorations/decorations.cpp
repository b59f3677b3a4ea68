#include "core/decorations/decorations.h"

#include "core/placement/integers.h"
#include "core/placement/placement_lines.h"
#include "core/placement/placement_run.h"

namespace vexa {

PaneId decorationPane(DecorationFormat format)
{
    switch (format) {
    case DecorationFormat::Terrain:
        return PaneId::Terrain;
    case DecorationFormat::Smudge:
        return PaneId::Smudge;
    case DecorationFormat::Overlay:
        return PaneId::Overlay;
    case DecorationFormat::CellTriggers:
        break;
    }
    return PaneId::CellTriggers;
}

std::string decorationLine(DecorationFormat format, std::int32_t cell, std::string_view kind,
                           std::string_view comment)
{
    const std::string key = decimalText(cell);
    // A smudge line repeats its cell after the kind and ends in a 0.
    if (format == DecorationFormat::Smudge)
        return keyedLine(key, joinFields({kind, key, "0"}), comment);
    return keyedLine(key, kind, comment);
}

Outcome createDecorations(DecorationFormat format, const DecorationInput& in, Pane& pane)
{
    if (!allFilled({in.first, in.last, in.spacing, in.kind}))
        return Outcome::Refused;
    const auto run = readPlacementRun(in.first, in.last, in.spacing, kDecorationSpacingFallback);
    if (!run)
        return Outcome::Refused;
    return walkPlacementRun(*run, [&](std::int32_t cell) {
        pane.append(decorationLine(format, cell, in.kind, in.comment));
    });
}

} // namespace vexa
