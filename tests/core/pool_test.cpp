// SPDX-License-Identifier: GPL-3.0-or-later

#include <map>

#include "support/test_support.h"

namespace sb::test {
namespace {

using I16 = std::int16_t;

TEST(BuildFacts, EachOperationHasItsFactsAndDivRDrawsOneRemainderPerFactInIndexOrder)
{
    // Operation 7 (a damaged file) keeps the fact's place but gives no answer. Counters clear.
    // Only the operation decides which facts are built. A fact: first, second, answer, group,
    // remainder.
    const std::vector<std::tuple<I16, int, FactRec>> rows{
        {OpAdd, 33, {13, 2, 15, 2, 0}},    {Op10Sub, 181, {11, 10, 1, 1, 0}},
        {OpSub, 120, {26, 6, 20, 4, 0}},   {OpMult, 75, {15, 4, 60, 3, 0}},
        {OpDiv, 200, {200, 10, 20, 4, 0}}, {7, 1, {1, 1, 0, 1, 0}}};
    for (const auto& [op, index, f] : rows) {
        Drill d;
        d.fact(index) = FactRec{1, 1, 1, 1, 4, 1, 1, 2, 1, 1, 1, 5};
        ScriptedRandom noDraws;
        BuildFacts(d, DrillSettings{.operation = op}, noDraws);
        EXPECT_EQ(std::tuple(d.factCount, d.fact(index)), std::tuple(200, f)) << op << " " << index;
    }
    // Draw `index` is u; every other draw is 0.
    const std::map<int, std::pair<double, FactRec>> draws{
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
    BuildFacts(d, DrillSettings{.operation = OpDivR}, random);
    EXPECT_EQ(random.left(), 0u);
    for (const auto& [index, draw] : draws) {
        EXPECT_EQ(d.fact(index), draw.second) << index;
    }
}

// A drill is built anew when any box or the operation differs from the drill's start.
TEST(BuildFacts, EveryBoxAndTheOperationMakeASelectionDiffer)
{
    const DrillSettings start = originalDefaults();
    EXPECT_TRUE(SameSelections(start, start));
    for (std::size_t box = 1; box <= 15; ++box) {
        DrillSettings now = start;
        I16& changed = box <= 4    ? now.firstRange[box]
                       : box <= 14 ? now.secondNum[box - 4]
                                   : now.operation;
        changed = I16(changed == 1 ? 2 : 1);
        EXPECT_FALSE(SameSelections(now, start)) << box;
    }
}
} // namespace
} // namespace sb::test
