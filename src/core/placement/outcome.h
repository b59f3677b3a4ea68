#pragma once

#include <string_view>

namespace vexa {

// How a command that computes cells ended: the position calculator's "&Ok" and every
// dialog's Create.
//  - Refused: a required text was empty or the spacing was not usable; nothing was done.
//  - Done: the command ran to its end (possibly placing nothing).
//  - Overflow: signed 32-bit arithmetic overflowed; the command stopped there. Lines
//    appended before that stay; the error box shows kIntegerOverflowText.
enum class Outcome { Refused, Done, Overflow };

// The text an integer overflow is reported with; the error box adds the full stop.
inline constexpr std::string_view kIntegerOverflowText = "Heltalsspill";

} // namespace vexa
