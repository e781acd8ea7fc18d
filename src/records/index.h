#pragma once

#include <cstddef>
#include <cstdint>

namespace sb {

// The program counts table slots from 1 in plain ints, as its records do; these turn such a
// count into an array index, and int arithmetic back into a 16-bit field value.
constexpr std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}
constexpr std::int16_t i16(int v)
{
    return static_cast<std::int16_t>(v);
}

} // namespace sb
