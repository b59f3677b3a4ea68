#pragma once

#include "core/document/pane.h"

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

// Appends the line to the trigger pane; false (and the pane untouched) when a mandatory
// text is empty.
bool appendTrigger(const TriggerInput& input, Pane& trigs);

} // namespace vexa
