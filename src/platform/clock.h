// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace sb {

// Wall-clock facts the program needs: the minute of the hour (0..59), counted by the drill
// clock, and a seed for the random generator taken once at start-up; for the answer history
// and the locks, the time in milliseconds since 1970-01-01 UTC and how far local time is ahead
// of UTC then. For waits (a lock another computer holds): a monotonic time and a sleep, so
// that a test's clock can move on instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int16_t minuteOfHour() = 0;
    virtual std::uint64_t seed() = 0;
    // The system's time unless a test's clock says otherwise.
    virtual std::int64_t utcMillis();
    virtual std::int32_t utcOffsetSeconds(std::int64_t utcMillis);
    // Time that never goes back, from an arbitrary start: how long a wait has lasted.
    virtual std::chrono::steady_clock::time_point steadyNow() = 0;
    // Does nothing for this long (the calling thread waits).
    virtual void sleepFor(std::chrono::milliseconds pause) = 0;
};

class SystemClock final : public Clock {
public:
    std::int16_t minuteOfHour() override;
    std::uint64_t seed() override;
    std::chrono::steady_clock::time_point steadyNow() override;
    void sleepFor(std::chrono::milliseconds pause) override;
};

} // namespace sb
