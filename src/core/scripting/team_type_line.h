#pragma once

#include "core/document/pane.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

// One entry of the team type composer's unit list: "Kind of unit:" and "Number of units:".
struct UnitEntry {
    std::string typeCode;
    std::string count;
    bool operator==(const UnitEntry&) const = default;
};

// One entry of the order list: "Order number:" and "Order parameter:".
struct OrderEntry {
    std::string code;
    std::string parameter;
    bool operator==(const OrderEntry&) const = default;
};

// How a list shows an entry and how the team type line writes it: the two texts as typed,
// joined by a colon ("3TNK:2", "3:5"). A colon or comma inside a text stays as it is.
std::string entryText(const UnitEntry& entry);
std::string entryText(const OrderEntry& entry);

// "Add unit" and "Add order" add an entry only when both of its texts are filled.
bool canAdd(const UnitEntry& entry);
bool canAdd(const OrderEntry& entry);

// The fields of the team type composer that go into the line, each text exactly as typed.
struct TeamTypeInput {
    std::string name;
    std::string country;
    std::string hiddenAutocreate;  // the text of "Number:", not the selected button
    std::string unknown1;
    std::string unknown2;
    std::string autocreatedTeams;
    std::string waypoint;
    std::string attachedTrigger;
    std::vector<UnitEntry> units;   // in the order they were added
    std::vector<OrderEntry> orders; // in the order they were added
    std::string comment;            // optional
};

// The values the composer starts each team type from, after opening and after Done:
// "Unknown 1:" and "Unknown 2:" "0", waypoint and attached trigger "-1", "Number:" "0"
// (the first hidden/autocreate button), everything else empty and both lists empty.
// Opening keeps the comment as it was; Done empties it too.
TeamTypeInput freshTeamType();

// "&Done" writes a line only when these eight texts are filled: name, country, "Number:",
// both unknowns, the number of autocreated teams, waypoint and attached trigger. The
// lists may be empty and the comment is optional.
bool mandatoryFieldsFilled(const TeamTypeInput& input);

// The [TeamType] line, or nothing when a mandatory text is empty. Texts are copied
// unchanged; each list is written as its entry count and then its entries:
//   name=country,number,unknown1,unknown2,teams,waypoint,trigger,U,unit...,O,order...[ ; comment]
std::optional<std::string> composeTeamTypeLine(const TeamTypeInput& input);

// Where the fixed values stand among the line's comma-separated values, counting from 0;
// the unit count follows them, then the units, the order count and the orders.
inline constexpr std::size_t kTeamTypeCountryField = 0;
inline constexpr std::size_t kTeamTypeHiddenAutocreateField = 1;
inline constexpr std::size_t kTeamTypeAutocreatedTeamsField = 4;
inline constexpr std::size_t kTeamTypeWaypointField = 5;
inline constexpr std::size_t kTeamTypeTriggerField = 6;
inline constexpr std::size_t kTeamTypeUnitCountField = 7;

// Appends the line to the team type pane; false (and the pane untouched) when a mandatory
// text is empty.
bool appendTeamType(const TeamTypeInput& input, Pane& teamTypes);

} // namespace vexa
