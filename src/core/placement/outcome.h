#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexa {

// How a command that computes cells ended: the position calculator's "&Ok" and every
// dialog's Create.
//  - Refused: a required text was empty or the spacing was not usable; nothing was done.
//  - Done: the command ran to its end (possibly placing nothing).
//  - Overflow: signed 32-bit arithmetic overflowed; the command stopped there. Lines
//    appended before that stay.
//  - TooManyCells: the run was longer than any map could need (cells says how long);
//    nothing was done.
struct Outcome {
    enum Kind { Refused, Done, Overflow, TooManyCells };

    constexpr Outcome(Kind kind = Refused, std::int64_t cells = 0) : kind(kind), cells(cells) {}
    bool operator==(const Outcome&) const = default;

    Kind kind;
    std::int64_t cells;
};

// The text an integer overflow is reported with; the error box adds the full stop.
inline constexpr std::string_view kIntegerOverflowText = "Heltalsspill";

// What the error box says for an outcome that is an error; empty for Refused and Done.
std::string errorText(const Outcome& outcome);

} // namespace vexa
