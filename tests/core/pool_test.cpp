#include "drill/pool.h"

#include <gtest/gtest.h>

#include <map>

#include "support/test_support.h"

namespace sb::test {
namespace {

using I16 = std::int16_t;
using Fact = std::array<I16, 5>; // first, second, answer, group, remainder
const std::vector<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// firstRange and secondNum set to 1 for the numbers listed.
DrillSettings selection(I16 operation, std::vector<int> ranges = {1},
                        std::vector<int> seconds = kAll)
{
    DrillSettings s;
    s.operation = operation;
    for (int r : ranges) {
        s.firstRange[static_cast<std::size_t>(r)] = 1;
    }
    for (int n : seconds) {
        s.secondNum[static_cast<std::size_t>(n)] = 1;
    }
    return s;
}

TEST(BuildFacts, EachOperationHasItsFactsAndDivRDrawsOneRemainderPerFactInIndexOrder)
{
    // Operation 7 (a damaged file) keeps the fact's place but gives no answer. Counters clear.
    const std::vector<std::tuple<I16, int, Fact>> rows{
        {OpAdd, 33, {13, 2, 15, 2, 0}},    {Op10Sub, 181, {11, 10, 1, 1, 0}},
        {OpSub, 120, {26, 6, 20, 4, 0}},   {OpMult, 75, {15, 4, 60, 3, 0}},
        {OpDiv, 200, {200, 10, 20, 4, 0}}, {7, 57, {17, 3, 0, 4, 0}}};
    for (const auto& [op, index, f] : rows) {
        Drill d;
        d.fact(index) = FactRec{1, 1, 1, 1, 4, 1, 1, 2, 1, 1, 1, 5};
        ScriptedRandom noDraws;
        BuildFacts(d, selection(op), noDraws);
        EXPECT_EQ(d.factCount, 200);
        EXPECT_EQ(d.fact(index), (FactRec{f[0], f[1], f[2], f[3], f[4]})) << op << " " << index;
    }
    // Draw `index` is u; every other draw is 0.
    const std::map<int, std::pair<double, Fact>> draws{
        {21, {0.125, {2, 2, 1, 1, 0}}},     // 2.5 -> 2 (tie to even), mod 2 = 0
        {22, {0.15, {5, 2, 2, 1, 1}}},      // 3 mod 2 = 1
        {41, {0.625, {3, 3, 1, 1, 0}}},     // 12.5 -> 12, mod 3 = 0 (rounding up gives 1)
        {120, {0.999, {122, 6, 20, 4, 2}}}, // 19.98 -> 20, mod 6 = 2 (truncating gives 1)
        {200, {0.44, {209, 10, 20, 4, 9}}}, // 8.8 -> 9, mod 10 = 9
    };
    ScriptedRandom random;
    for (int i = 1; i <= 200; ++i) {
        random.push({draws.contains(i) ? draws.at(i).first : 0.0});
    }
    Drill d;
    BuildFacts(d, selection(OpDivR), random);
    EXPECT_EQ(random.left(), 0u);
    for (const auto& [index, draw] : draws) {
        const Fact& f = draw.second;
        EXPECT_EQ(d.fact(index), (FactRec{f[0], f[1], f[2], f[3], f[4]})) << index;
    }
}

TEST(BuildPool, PoolHoldsTheSelectedFactsInAscendingOrder)
{
    // Only exactly 1 selects (range 1 holds 2 and second number 9 holds -1 when not selected);
    // an operation out of range pools like Add.
    using Row = std::tuple<I16, std::vector<int>, std::vector<int>, std::vector<I16>>;
    const std::vector<Row> rows{
        {OpAdd, {2}, {2, 5}, {31, 32, 33, 91, 92, 93}},
        {Op10Sub, {1}, kAll, {9, 28, 47, 66, 85, 104, 123, 142, 161}},
        {Op10Sub, {1}, {10}, {}},
        {OpSub, {1, 4}, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 18, 19, 20}},
        {7, {3}, {4}, {74, 75, 76}}};
    for (const auto& [op, ranges, seconds, pool] : rows) {
        DrillSettings s = selection(op, ranges, seconds);
        s.firstRange[1] = s.firstRange[1] == 1 ? 1 : 2;
        s.secondNum[9] = s.secondNum[9] == 1 ? 1 : -1;
        Drill d;
        ConstantRandom random(0.3);
        BuildFacts(d, s, random);
        BuildPool(d, s, PoolMode::ResetAll, 0);
        EXPECT_EQ(std::vector<I16>(d.pool.begin() + 1, d.pool.begin() + 1 + d.poolCount), pool)
            << "operation " << op;
    }
}

TEST(Selections, OnlyRangesSecondNumbersAndOperationDecideWhetherTheyAreTheSame)
{
    DrillSettings a = selection(OpAdd, {1, 2}), b = selection(OpAdd, {2});
    EXPECT_FALSE(SameSelections(a, b) || SameSelections(b, a));
    b = a;
    b.switchAB = b.autoTeach = 1;
    EXPECT_TRUE(SameSelections(a, b));
}

} // namespace
} // namespace sb::test
