#include "drill/pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "records/codec.h"
#include "support/test_support.h"

namespace {

using sb::Drill;
using sb::DrillSettings;
using sb::FactRec;
using sb::test::ScriptedRandom;
using I16 = std::int16_t;

// Slots 1..4 of firstRange and 1..10 of secondNum set to 1 for the numbers listed.
DrillSettings selection(I16 operation, std::vector<int> ranges = {1},
                        std::vector<int> seconds = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
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

// A fact that has been drilled and queued: a reset clears its counters (asked stands for all).
void markDrilled(FactRec& f)
{
    f.state = 2;
    f.asked = 5;
}

std::array<I16, 5> shape(const FactRec& f)
{
    return {f.first, f.second, f.answer, f.remainder, f.group};
}

TEST(BuildFacts, RecordsHoldTheFactOfEachOperation)
{
    struct Row {
        I16 operation;
        int index;
        std::array<I16, 5> fact; // first, second, answer, remainder, group
    };
    // Operation 7 (a damaged file) keeps the fact's place but gives no answer.
    const std::vector<Row> rows{
        {sb::OpAdd, 33, {13, 2, 15, 0, 2}},    {sb::Op10Sub, 181, {11, 10, 1, 0, 1}},
        {sb::OpSub, 120, {26, 6, 20, 0, 4}},   {sb::OpMult, 75, {15, 4, 60, 0, 3}},
        {sb::OpDiv, 200, {200, 10, 20, 0, 4}}, {7, 57, {17, 3, 0, 0, 4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "operation " << row.operation << " fact " << row.index);
        Drill d;
        markDrilled(d.fact(row.index));
        d.fact(row.index).remainder = 4;
        ScriptedRandom noDraws; // only DivR draws
        BuildFacts(d, selection(row.operation), noDraws);

        EXPECT_EQ(d.factCount, 200);
        EXPECT_EQ(shape(d.fact(row.index)), row.fact);
        EXPECT_EQ(d.fact(row.index).state + d.fact(row.index).asked, 0);
    }
}

TEST(BuildFacts, DivRDrawsOneRemainderPerFactInIndexOrder)
{
    struct Row {
        int index;
        double u;                // draw number `index`; every other draw is 0
        std::array<I16, 5> fact; // first, second, answer, remainder, group
    };
    const std::vector<Row> rows{
        {21, 0.125, {2, 2, 1, 0, 1}},     // 2.5 -> 2 (tie to even), mod 2 = 0
        {22, 0.15, {5, 2, 2, 1, 1}},      // 3 mod 2 = 1
        {41, 0.625, {3, 3, 1, 0, 1}},     // 12.5 -> 12, mod 3 = 0 (rounding up gives 1)
        {120, 0.999, {122, 6, 20, 2, 4}}, // 19.98 -> 20, mod 6 = 2 (truncating gives 1)
        {200, 0.44, {209, 10, 20, 9, 4}}, // 8.8 -> 9, mod 10 = 9
    };
    ScriptedRandom random;
    for (int i = 1; i <= 200; ++i) {
        const auto row =
            std::find_if(rows.begin(), rows.end(), [i](const Row& r) { return r.index == i; });
        random.push({row == rows.end() ? 0.0 : row->u});
    }
    Drill d;
    BuildFacts(d, selection(sb::OpDivR), random);
    EXPECT_EQ(random.used(), 200u);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "fact " << row.index);
        EXPECT_EQ(shape(d.fact(row.index)), row.fact);
    }
}

TEST(BuildPool, PoolHoldsTheSelectedFactsInAscendingOrder)
{
    struct Row {
        I16 operation;
        std::vector<int> ranges;
        std::vector<int> seconds;
        std::vector<int> pool;
    };
    const std::vector<Row> rows{
        {sb::OpAdd, {2}, {2, 5}, {31, 32, 33, 91, 92, 93}},
        {sb::Op10Sub,
         {1},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         {9, 28, 47, 66, 85, 104, 123, 142, 161}},
        {sb::Op10Sub, {1}, {10}, {}},
        {sb::OpSub, {1, 4}, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 18, 19, 20}},
        {7, {3}, {4}, {74, 75, 76}}, // an operation out of range pools like Add
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "operation " << row.operation << " pool " << row.pool.size());
        DrillSettings s = selection(row.operation, row.ranges, row.seconds);
        s.firstRange[1] = s.firstRange[1] == 1 ? 1 : 2; // only exactly 1 selects
        s.secondNum[9] = s.secondNum[9] == 1 ? 1 : -1;
        Drill d;
        sb::test::ConstantRandom random(0.3);
        BuildFacts(d, s, random);
        BuildPool(d, s, sb::PoolMode::ResetAll, 0);
        EXPECT_EQ(std::vector<int>(d.pool.begin() + 1, d.pool.begin() + 1 + d.poolCount), row.pool);
    }
}

// Range 1..10, every second number. Facts 45 (second number 3) and 65 (second number 4) are
// pooled; fact 51 (column 11) is not and is never touched.
TEST(BuildPool, ModeAndRowSayWhichPooledFactsAreReset)
{
    struct Row {
        I16 mode, row;
        std::array<I16, 4> after; // state and asked of fact 45, then of fact 65
    };
    const std::vector<Row> rows{
        {0, 0, {1, 0, 1, 0}}, {1, 0, {2, 5, 2, 5}},  {1, 3, {1, 0, 2, 5}},
        {2, 3, {0, 0, 2, 5}}, {2, 4, {2, 5, 0, 0}}, {1, 11, {2, 5, 2, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "BuildPool(" << row.mode << ", " << row.row << ")");
        const DrillSettings s = selection(sb::OpAdd);
        Drill d;
        ScriptedRandom noDraws;
        BuildFacts(d, s, noDraws);
        for (int i : {45, 51, 65}) {
            markDrilled(d.fact(i));
        }

        BuildPool(d, s, static_cast<sb::PoolMode>(row.mode), row.row);

        EXPECT_EQ(d.poolCount, 100);
        const FactRec &f45 = d.fact(45), &f65 = d.fact(65), &f51 = d.fact(51);
        EXPECT_EQ((std::array<I16, 4>{f45.state, f45.asked, f65.state, f65.asked}), row.after);
        EXPECT_EQ(f51.state + f51.asked, 7); // not selected: never touched
    }
}

// Values a damaged record file may hold, in every field of the settings and of the fact table
// and in both arguments: nothing is indexed out of range (run under the sanitizer build too),
// and the pool stays a list of distinct facts in ascending order.
TEST(BuildPool, AnyFieldValueKeepsThePoolWithinTheTable)
{
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> any16(-32768, 32767);
    constexpr std::array<int, 8> likely{-1, 0, 1, 1, 2, 6, 7, 10};
    auto pick = [&]() {
        const int v = any16(gen);
        return static_cast<I16>((v & 0x300) == 0 ? v : likely[static_cast<std::size_t>(v & 7)]);
    };

    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        sb::SettingsSlot slot{};
        for (std::size_t at = 0; at < sb::kSlotDataSize; at += 2) {
            sb::putI16(slot, at, pick());
        }
        const DrillSettings s = *sb::decodeSettings(slot);
        Drill d;
        for (FactRec& f : d.facts) {
            f = FactRec{pick(), pick(), pick(), pick(), pick(), pick(),
                        pick(), pick(), pick(), pick(), pick(), pick()};
        }
        const I16 mode = pick();
        const I16 row = pick();

        // Over the table as loaded from a damaged fact file, then over a freshly built one.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                sb::StdRandom random(static_cast<std::uint64_t>(round));
                BuildFacts(d, s, random);
            }
            BuildPool(d, s, static_cast<sb::PoolMode>(mode), row);
            ASSERT_TRUE(d.poolCount >= 0 && d.poolCount <= 200) << d.poolCount;
            for (int k = 1; k <= d.poolCount; ++k) {
                const int fact = d.pool[static_cast<std::size_t>(k)];
                ASSERT_GT(fact, k == 1 ? 0 : d.pool[static_cast<std::size_t>(k - 1)]);
                ASSERT_LE(fact, 200);
            }
        }
    }
}

TEST(FixSelectionValues, MakesTheSelectionNonEmpty)
{
    struct Row {
        const char* what;
        I16 autoTeach;
        std::vector<int> ranges, seconds, expectedRanges, expectedSeconds;
        I16 sixAfter; // secondNum 6 starts at 2
    };
    const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<Row> rows{
        {"none ticked, Auto Teach off", 0, {}, {}, {1}, all, 1},
        {"none ticked, Auto Teach on", 1, {}, {}, {1}, {1}, 0},
        {"something ticked stays as it is", 1, {2, 4}, {4}, {2, 4}, {4}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DrillSettings s = selection(sb::OpMult, row.ranges, row.seconds);
        s.autoTeach = row.autoTeach;
        s.secondNum[6] = 2; // not ticked: only exactly 1 is

        sb::fixSelectionValues(s);

        DrillSettings expected = selection(sb::OpMult, row.expectedRanges, row.expectedSeconds);
        expected.secondNum[6] = row.sixAfter;
        EXPECT_EQ(s.firstRange, expected.firstRange);
        EXPECT_EQ(s.secondNum, expected.secondNum);
    }
}

TEST(SameSelections, ComparesRangesSecondNumbersAndOperationOnly)
{
    struct Row {
        const char* what;
        void (*change)(DrillSettings&);
        bool same;
    };
    const std::vector<Row> rows{
        {"switchAB, name and Smart Repeat", [](DrillSettings& s) {
             s.switchAB = 1;
             sb::setName(s, "Ann");
             s.removeStreak() = 9;
         }, true},
        {"range 4", [](DrillSettings& s) { s.firstRange[4] = 0; }, false},
        {"second number 10", [](DrillSettings& s) { s.secondNum[10] = 2; }, false},
        {"operation", [](DrillSettings& s) { s.operation = sb::Op10Sub; }, false},
    };
    const DrillSettings start = selection(sb::OpAdd, {1, 4}, {2, 10});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DrillSettings cur = start;
        row.change(cur);
        EXPECT_EQ(sb::SameSelections(cur, start), row.same);
    }
}

} // namespace
