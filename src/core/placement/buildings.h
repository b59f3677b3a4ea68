#pragma once

#include "core/document/pane.h"
#include "core/placement/outcome.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexa {

// The texts and boxes of the "Create buildings" dialog, as they stand when Create runs.
// Texts other than the positions and the spacing are written as typed.
struct BuildingsInput {
    std::string country;
    std::string typeCode;
    std::string health;
    std::string direction;
    std::string first;
    std::string last;
    std::string spacing;
    std::string trigger;
    bool repair = false;
    std::string comment;
    bool addToBase = false;
};

// A spacing text that is no number is refused.
inline constexpr std::int32_t kBuildingsSpacingFallback = 0;

// Builds one row of buildings. Refused, with nothing done, when a required text (all but
// the comment) is empty or the spacing is zero, negative or no number. Otherwise, for each
// cell n of the run, appends to the structures pane
//     <line count>=country,type,health,n,direction,trigger,1,<1 if repair else 0>[ ; comment]
// and, with addToBase, a base entry <k>=type,n (k = base line count - 2, at least three
// digits); an empty base pane first gets the header "Player=" / "Count=0". After the run,
// with addToBase, base line 0 becomes "Player=<country>" and line 1 "Count=<entries>";
// lines that do not exist are not created. On Overflow the lines appended so far stay and
// the header is not rewritten.
Outcome createBuildings(const BuildingsInput& input, Pane& structures, Pane& base);

// A base entry's number: k with zeros in front up to three digits (007, 042, 100, 1234).
std::string baseEntryNumber(std::size_t k);

// A base entry: number "=" type "," cell.
std::string baseEntry(std::size_t k, std::string_view typeCode, std::int32_t cell);

} // namespace vexa
