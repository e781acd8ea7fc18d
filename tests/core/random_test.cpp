#include "platform/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/fakes.h"

namespace {

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
        {0.125, 20, 2, 0}, // 2.5 -> 2 (rounding up would give 1)
        {0.875, 20, 7, 4}, // 17.5 -> 18
        {0.999, 20, 6, 2}, // 19.98 -> 20 (truncating would give 1)
        {0.44, 20, 10, 9}, // 8.8 -> 9 (truncating would give 8)
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.u << " x " << row.scale << " mod " << row.modulus);
        sb::test::ScriptedRandom random{row.u};
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
