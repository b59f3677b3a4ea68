#pragma once

#include "core/scripting/team_type_line.h"
#include "core/scripting/trigger_line.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Edit in composer: a [Trigs] or [TeamTypes] line read back into the fields of the
// composer that writes such lines, so that composing them again gives the line back.
// A line the composer cannot show is refused with the reason, in one sentence.
template <typename Input>
struct ComposerReading {
    std::optional<Input> input;
    std::string refusal;  // why there is no input
};

// Refused: a line that is no name=values line, a trigger without exactly 18 values, a
// word where a number goes, a repeat value other than 0 to 2, an activation pair that no
// "When to activate:" button writes (such as 3,1).
ComposerReading<TriggerInput> readTriggerLine(std::string_view line);

// Refused: a line that is no name=values line, a team type whose unit or order count does
// not match its entries, an entry without a colon. Every other value is a text the
// composer shows as it stands.
ComposerReading<TeamTypeInput> readTeamTypeLine(std::string_view line);

// The labels of an event's or action's parameter fields once its code is written: as
// the menu entry of that code labels them, or the plain labels for a code no menu offers.
// An event uses the first two.
std::array<std::string_view, 3> parameterLabelsFor(TriggerPart part, std::string_view code);

} // namespace vexa
