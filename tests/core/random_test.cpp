#include "platform/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/fakes.h"

namespace {

using sb::test::ScriptedRandom;

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    struct Row {
        double x;
        std::int32_t expected;
    };
    const std::vector<Row> rows{
        {0.5, 0},   {1.5, 2},  {2.5, 2},   {3.5, 4},    {12.5, 12},  {17.5, 18},
        {19.5, 20}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},  {2.4999, 2}, {2.5001, 3},
        {0.0, 0},   {0.49, 0}, {0.51, 1},  {19.98, 20}, {-2.51, -3}, {20.0, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(sb::roundHalfEven(row.x), row.expected);
    }
}

TEST(DrawMod, RoundsTheScaledDrawThenReduces)
{
    struct Row {
        double u;
        double scale;
        int modulus;
        std::int16_t expected;
    };
    // u values with an exact binary form, so the ties below are real ties.
    const std::vector<Row> rows{
        {0.125, 20, 2, 0},                    // 2.5 -> 2 (rounding up would give 1)
        {0.125, 20, 3, 2},                    // 2.5 -> 2
        {0.625, 20, 10, 2},                   // 12.5 -> 12
        {0.875, 20, 7, 4},                    // 17.5 -> 18
        {0.999, 20, 6, 2},                    // 19.98 -> 20 (truncating would give 1)
        {0.44, 20, 10, 9},                    // 8.8 -> 9 (truncating would give 8)
        {0.0, 20, 5, 0},    {0.125, 4, 9, 0}, // 0.5 -> 0
        {0.375, 4, 9, 2},                     // 1.5 -> 2
        {0.5, 3, 4, 2},                       // 1.5 -> 2
        {0.9, 20, 1, 0},                      // anything mod 1 is 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.u << " x " << row.scale << " mod " << row.modulus);
        ScriptedRandom random{row.u};
        EXPECT_EQ(sb::drawMod(random, row.scale, row.modulus), row.expected);
        EXPECT_EQ(random.used(), 1u);
    }
}

TEST(StdRandom, SameSeedGivesSameDrawsInsideTheUnitInterval)
{
    sb::StdRandom a(1234);
    sb::StdRandom b(1234);
    sb::StdRandom c(1235);
    int differences = 0;
    for (int i = 0; i < 1000; ++i) {
        const double u = a.next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        EXPECT_EQ(u, b.next());
        differences += u != c.next() ? 1 : 0;
    }
    EXPECT_GT(differences, 990);
}

} // namespace
