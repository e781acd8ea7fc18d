// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sb {

// Wall-clock facts the program needs: the minute of the hour (0..59), counted by the drill
// clock, and a seed for the random generator taken once at start-up.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int16_t minuteOfHour() = 0;
    virtual std::uint64_t seed() = 0;
};

class SystemClock final : public Clock {
public:
    std::int16_t minuteOfHour() override;
    std::uint64_t seed() override;
};

} // namespace sb
