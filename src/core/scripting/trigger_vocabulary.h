#pragma once

#include "core/scripting/vocabulary.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vexa {

// The trigger events (T1, T2) and actions (R1, R2) of the game, in code order. Events run
// from 0 to 32; actions from 0 to 36, and the game has no action 14. An event's slot is
// 0, 1 or 2; an action's 0 to 4, where 4 names parameter 1 and also puts a waypoint in
// parameter 3.
inline constexpr std::size_t kEventCount = 33;
inline constexpr std::size_t kActionCount = 36;
extern const std::array<MenuItem, kEventCount> kEvents;
extern const std::array<MenuItem, kActionCount> kActions;

// Both event menus split the events into "0 - 16" and "17 - 32"; both action menus split
// the actions into "0 - 18" and "19 - 36".
const MenuTable& eventSubmenus();
const MenuTable& actionSubmenus();

// The trigger composer's menu bar, in order.
enum class TriggerMenu { Countries, T1, T2, R1, R2 };
inline constexpr std::size_t kTriggerMenuCount = 5;
const MenuTable& triggerMenuBar();

// "Repeateable:": the caption of each repeat mode, indexed by the mode.
inline constexpr std::string_view kRepeatModeTitle = "Repeateable:";
inline constexpr std::array<std::string_view, 3> kRepeatModeCaptions = {
    "No", "All affected", "Free repeater",
};

// "When to activate:": the caption of each activation mode, indexed by the mode, as stored
// ("&&" shows as one "&").
inline constexpr std::string_view kActivationModeTitle = "When to activate:";
inline constexpr std::array<std::string_view, 7> kActivationModeCaptions = {
    "T1 -> R1",
    "T1 -> R1 && R2",
    "T1 && T2 -> R1",
    "T1 && T2 -> R1 && R2",
    "T1 or T2 -> R1",
    "T1 or T2 -> R1 && R2",
    "T1 -> R1, T2 -> R2",
};

inline constexpr std::string_view kTriggerInformationText =
    "Information on how to find the possible T1, T2, R1 and R2 parameter values are in the manual.";

// The labels of the parameter fields when no entry has relabelled them.
inline constexpr std::array<std::string_view, 3> kParameterLabels = {
    "Parameter 1:", "Parameter 2:", "Parameter 3:",
};
inline constexpr std::string_view kWaypointLabel = "Waypoint #:";

// An event has two parameters, an action three.
enum class TriggerPart { Event, Action };
std::size_t parameterCount(TriggerPart part);

struct ParameterSetting {
    std::string_view label;
    std::string_view value;  // "-1", or empty where the user is to type the parameter
};

// What choosing an entry in an event or action menu does to its fields.
struct ParameterFill {
    std::string_view code;                    // for the code field
    std::vector<ParameterSetting> parameters; // one per parameter, in order
    // The parameter that takes the focus (0-based); none: the focus moves on to the next
    // field after this group (T1 -> T2's code, T2 -> R1's code, R1 -> R2's code,
    // R2 -> the trigger name).
    std::optional<std::size_t> focusParameter;
};

// The event or action whose code the text gives as a whole number, or nothing.
const MenuItem* triggerPartEntry(TriggerPart part, std::string_view code);

// The slot rule: the parameter the slot names is emptied, takes the prompt as its label
// and gets the focus; every other parameter is set to "-1" under its plain label, except
// that slot 4 labels parameter 3 "Waypoint #:". A slot naming a parameter this part lacks
// behaves as slot 0.
ParameterFill fillParameters(TriggerPart part, const MenuItem& entry);

} // namespace vexa
