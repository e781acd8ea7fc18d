// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sb {

// Wall-clock facts the program needs: the minute of the hour (0..59), counted by the drill
// clock, and a seed for the random generator taken once at start-up; for the answer history,
// the time in milliseconds since 1970-01-01 UTC and how far local time is ahead of UTC then.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int16_t minuteOfHour() = 0;
    virtual std::uint64_t seed() = 0;
    // The system's time unless a test's clock says otherwise.
    virtual std::int64_t utcMillis();
    virtual std::int32_t utcOffsetSeconds(std::int64_t utcMillis);
};

class SystemClock final : public Clock {
public:
    std::int16_t minuteOfHour() override;
    std::uint64_t seed() override;
};

} // namespace sb
