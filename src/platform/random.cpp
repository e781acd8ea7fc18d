// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random.h"

#include <cassert>
#include <cmath>

namespace sb {

std::int32_t roundHalfEven(double x)
{
    // Ties go to the even neighbour. Written out rather than left to std::nearbyint so the
    // result never depends on the floating-point rounding mode of the process.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        r = 2.0 * std::round(x / 2.0);
    }
    return static_cast<std::int32_t>(r);
}

std::int16_t drawMod(Random& random, double scale, int modulus)
{
    assert(modulus >= 1);
    const std::int32_t v = roundHalfEven(random.next() * scale);
    return static_cast<std::int16_t>(v % modulus);
}

} // namespace sb
