#include "core/placement/outcome.h"

#include "core/placement/placement_run.h"

namespace vexa {

std::string errorText(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Outcome::Overflow:
        return std::string(kIntegerOverflowText);
    case Outcome::TooManyCells:
        return "Too many cells in one run: " + std::to_string(outcome.cells) + " (at most " +
               std::to_string(kMaxRunCells) + ")";
    case Outcome::Refused:
    case Outcome::Done:
        break;
    }
    return {};
}

} // namespace vexa
