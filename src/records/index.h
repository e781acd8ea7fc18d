// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace sb {

// The program counts table slots from 1 in plain ints, as its records do. asIndex turns such a
// slot number into an array subscript; it is a bare conversion that checks nothing (a negative
// number becomes a huge one), so callers check the range first. i16 turns int arithmetic back
// into a 16-bit field value.
constexpr std::size_t asIndex(int i)
{
    return static_cast<std::size_t>(i);
}
constexpr std::int16_t i16(int v)
{
    return static_cast<std::int16_t>(v);
}

// A wide value brought into 16 bits by stopping at the ends instead of wrapping.
constexpr std::int16_t clamp16(std::int64_t v)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Adds `by` to a 16-bit count, stopping at 32767 (or -32768) instead of wrapping.
constexpr std::int16_t incSaturated(std::int16_t v, int by = 1)
{
    return clamp16(static_cast<std::int64_t>(v) + by);
}

// One more of a 32-bit count, stopping at its largest value.
constexpr std::int32_t inc32(std::int32_t v)
{
    return v == std::numeric_limits<std::int32_t>::max() ? v : v + 1;
}

} // namespace sb
