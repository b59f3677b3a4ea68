#pragma once

#include "core/document/pane.h"
#include "core/scripting/trigger_vocabulary.h"

#include <array>
#include <optional>
#include <string>

namespace vexa {

// The fields of the trigger composer, each text exactly as typed.
struct EventInput {
    std::string code;
    std::array<std::string, 2> parameters;
};

struct ActionInput {
    std::string code;
    std::array<std::string, 3> parameters;
};

struct TriggerInput {
    std::string name;
    std::string country;
    int repeatMode = 0;      // 0 to 2, the selected "Repeateable:" button
    int activationMode = 0;  // 0 to 6, the selected "When to activate:" button
    EventInput t1;
    EventInput t2;
    ActionInput r1;
    ActionInput r2;
    std::string comment;     // optional
};

// The [Trigs] line, or nothing when any of the sixteen mandatory texts (all but the
// comment) is empty. Texts are copied unchanged; no number is checked:
//   name=repeat,country,mode/2,mode%2,T1,p1,p2,T2,p1,p2,R1,p1,p2,p3,R2,p1,p2,p3[ ; comment]
std::optional<std::string> composeTriggerLine(const TriggerInput& input);

// Where each value stands among the line's comma-separated values, counting from 0.
inline constexpr std::size_t kTriggerValueCount = 18;
inline constexpr std::size_t kTriggerRepeatField = 0;
inline constexpr std::size_t kTriggerCountryField = 1;
inline constexpr std::size_t kTriggerActivationField = 2;  // and the next: the mode / 2, the mode % 2

// The activation mode 0 to 6 whose two values (mode / 2, mode % 2) the texts are, or
// nothing for a pair no "When to activate:" button writes, such as 3,1.
std::optional<std::size_t> activationModeOf(std::string_view high, std::string_view low);

// The repeat mode 0 to 2 the text gives, or nothing.
std::optional<std::size_t> repeatModeOf(std::string_view text);

// An event or action of the line: its code, then its parameters.
struct TriggerPartLayout {
    std::string_view name;  // "T1"
    TriggerPart part;
    std::size_t codeField;
};
inline constexpr std::array<TriggerPartLayout, 4> kTriggerParts = {{
    {"T1", TriggerPart::Event, 4},
    {"T2", TriggerPart::Event, 7},
    {"R1", TriggerPart::Action, 10},
    {"R2", TriggerPart::Action, 14},
}};

// Appends the line to the trigger pane; false (and the pane untouched) when a mandatory
// text is empty.
bool appendTrigger(const TriggerInput& input, Pane& trigs);

} // namespace vexa
