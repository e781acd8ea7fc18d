// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace sb {

// Source of uniform random numbers in [0, 1). Every draw of the drill goes through one
// of these, so a test can script the exact sequence of numbers the program sees.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

// The real generator: seeded once, at start-up, from the clock.
class StdRandom final : public Random {
public:
    explicit StdRandom(std::uint64_t seed) : m_engine(seed) {}
    double next() override { return m_dist(m_engine); }

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

// R(u * scale) mod modulus: u scaled, rounded to the nearest integer with ties going to the
// even neighbour (never truncated), then reduced. The rounding makes the draws slightly
// uneven on purpose; for example R(u * 10) mod 3 gives 0 and 1 a little more often than 2.
// modulus must be at least 1.
std::int16_t drawMod(Random& random, double scale, int modulus);

// The rounding of every draw: nearest integer, ties to even. The problem displays place their
// text with it too.
std::int32_t roundHalfEven(double x);

} // namespace sb
