#pragma once

#include <chrono>
#include <optional>

namespace vexa {

// When the recovery copy of a changing document is written: once the typing has paused
// for kQuietTime, and during uninterrupted typing at least every kLongestWait. Fed with
// times, so it holds no clock of its own.
class CopySchedule {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kQuietTime = std::chrono::seconds(2);
    static constexpr Clock::duration kLongestWait = std::chrono::seconds(30);

    // The document changed at `now`.
    void changed(Clock::time_point now);
    // A copy of everything changed so far was taken.
    void copied();
    // Nothing changed that a copy lacks.
    bool upToDate() const { return !firstUncopied_.has_value(); }
    // When the next copy is due; nothing while the copy is up to date.
    std::optional<Clock::time_point> due() const;

private:
    std::optional<Clock::time_point> firstUncopied_;
    Clock::time_point lastChange_{};
};

} // namespace vexa
