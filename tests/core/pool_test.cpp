#include "drill/pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "records/codec.h"

namespace {

using sb::Drill;
using sb::DrillSettings;
using sb::FactRec;
using sb::test::ConstantRandom;
using sb::test::ScriptedRandom;

using Ranges = std::array<std::int16_t, 4>;   // firstRange slots 1..4
using Seconds = std::array<std::int16_t, 10>; // secondNum slots 1..10

constexpr Seconds kAllSeconds{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

DrillSettings selection(std::int16_t operation, Ranges ranges = {1, 0, 0, 0},
                        Seconds seconds = kAllSeconds)
{
    DrillSettings s;
    s.operation = operation;
    for (std::size_t g = 0; g < 4; ++g) {
        s.firstRange[g + 1] = ranges[g];
    }
    for (std::size_t n = 0; n < 10; ++n) {
        s.secondNum[n + 1] = seconds[n];
    }
    return s;
}

std::vector<int> poolOf(const Drill& d)
{
    std::vector<int> out;
    for (int k = 1; k <= d.poolCount; ++k) {
        out.push_back(d.pool[static_cast<std::size_t>(k)]);
    }
    return out;
}

// A fact that has been drilled: queued, with counters that a reset must clear.
void markDrilled(FactRec& f)
{
    f.fastRun = 1;
    f.repeatsLeft = 2;
    f.state = 2;
    f.rightRun = 1;
    f.slowQueued = 1;
    f.correct = 3;
    f.asked = 5;
}

// The counters: "drilled" (as markDrilled left them), "cleared" or "mixed".
std::string counters(const FactRec& f)
{
    const std::array<int, 6> v{f.fastRun,    f.repeatsLeft, f.rightRun,
                               f.slowQueued, f.correct,     f.asked};
    if (v == std::array<int, 6>{1, 2, 1, 1, 3, 5}) {
        return "drilled";
    }
    return v == std::array<int, 6>{} ? "cleared" : "mixed";
}

TEST(BuildFacts, RecordsHoldTheFactOfEachOperation)
{
    struct Row {
        std::int16_t operation;
        int index;
        std::int16_t first, second, answer, group;
    };
    // clang-format off
    const std::vector<Row> rows{
        {sb::OpAdd, 1, 1, 1, 2, 1},         {sb::OpAdd, 33, 13, 2, 15, 2},
        {sb::OpAdd, 154, 14, 8, 22, 3},     {sb::OpAdd, 200, 20, 10, 30, 4},
        {sb::Op10Sub, 9, 10, 1, 9, 1},      {sb::Op10Sub, 181, 11, 10, 1, 1},
        {sb::Op10Sub, 200, 30, 10, 20, 4},  {sb::OpSub, 120, 26, 6, 20, 4},
        {sb::OpMult, 75, 15, 4, 60, 3},     {sb::OpDiv, 93, 65, 5, 13, 2},
        {sb::OpDiv, 200, 200, 10, 20, 4},
        // Operations a damaged file may carry: the fact keeps its place but no answer.
        {0, 200, 20, 10, 0, 4},             {7, 57, 17, 3, 0, 4},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "operation " << row.operation << " fact " << row.index);
        Drill d;
        for (int i = 1; i <= 200; ++i) {
            markDrilled(d.fact(i));
            d.fact(i).remainder = 4;
        }
        ScriptedRandom noDraws; // only DivR draws
        BuildFacts(d, selection(row.operation), noDraws);

        EXPECT_EQ(noDraws.used(), 0u);
        EXPECT_EQ(d.factCount, 200);
        const FactRec& f = d.fact(row.index);
        EXPECT_EQ(f.first, row.first);
        EXPECT_EQ(f.second, row.second);
        EXPECT_EQ(f.answer, row.answer);
        EXPECT_EQ(f.group, row.group);
        EXPECT_EQ(f.remainder, 0);
        EXPECT_EQ(f.state, 0);
        EXPECT_EQ(counters(f), "cleared");
    }
}

TEST(BuildFacts, DivRDrawsOneRemainderPerFactInIndexOrder)
{
    // Draw k feeds fact k; every draw not listed is 0.
    std::vector<double> u(200, 0.0);
    u[5 - 1] = 0.875;   // second number 1: 17.5 -> 18, mod 1 = 0
    u[21 - 1] = 0.125;  // 2.5 -> 2 (tie to even), mod 2 = 0
    u[22 - 1] = 0.15;   // 3 mod 2 = 1
    u[41 - 1] = 0.625;  // 12.5 -> 12, mod 3 = 0 (rounding up would give 1)
    u[42 - 1] = 0.25;   // 5 mod 3 = 2
    u[120 - 1] = 0.999; // 19.98 -> 20, mod 6 = 2 (truncating would give 1)
    u[199 - 1] = 0.625; // 12.5 -> 12, mod 10 = 2
    u[200 - 1] = 0.44;  // 8.8 -> 9, mod 10 = 9
    ScriptedRandom random;
    for (double v : u) {
        random.push(v);
    }
    Drill d;
    BuildFacts(d, selection(sb::OpDivR), random);
    EXPECT_EQ(random.used(), 200u);

    struct Row {
        int index;
        std::int16_t first, second, answer, remainder, group;
    };
    const std::vector<Row> rows{
        {5, 5, 1, 5, 0, 1},      {21, 2, 2, 1, 0, 1},      {22, 5, 2, 2, 1, 1},
        {23, 6, 2, 3, 0, 1},     {41, 3, 3, 1, 0, 1},      {42, 8, 3, 2, 2, 1},
        {120, 122, 6, 20, 2, 4}, {199, 192, 10, 19, 2, 4}, {200, 209, 10, 20, 9, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "fact " << row.index);
        const FactRec& f = d.fact(row.index);
        EXPECT_EQ(f.first, row.first);
        EXPECT_EQ(f.second, row.second);
        EXPECT_EQ(f.answer, row.answer);
        EXPECT_EQ(f.remainder, row.remainder);
        EXPECT_EQ(f.group, row.group);
    }
}

TEST(BuildPool, PoolHoldsTheSelectedFactsInAscendingOrder)
{
    struct Row {
        const char* what;
        std::int16_t operation;
        Ranges ranges;
        Seconds seconds;
        std::vector<int> pool;
    };
    // clang-format off
    const std::vector<Row> rows{
        {"Add, 11..13, second numbers 2 and 5", sb::OpAdd,
         {0, 1, 0, 0}, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0}, {31, 32, 33, 91, 92, 93}},
        {"10Sub, 1..10, every second number", sb::Op10Sub,
         {1, 0, 0, 0}, kAllSeconds, {9, 28, 47, 66, 85, 104, 123, 142, 161}},
        {"10Sub, second number 10 only", sb::Op10Sub,
         {1, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {}},
        {"Mult, 17..20, second number 10", sb::OpMult,
         {0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {197, 198, 199, 200}},
        {"Sub, 1..10 and 17..20, second number 1", sb::OpSub,
         {1, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 18, 19, 20}},
        {"every range, every second number", sb::OpAdd,
         {1, 1, 1, 1}, kAllSeconds, [] { std::vector<int> v(200); std::iota(v.begin(), v.end(), 1); return v; }()},
        {"only exactly 1 selects", sb::OpAdd,
         {2, 1, -1, 0}, {1, 2, -1, 32767, 0, 0, 0, 0, 0, 0}, {11, 12, 13}},
        {"operation out of range pools like Add", 7,
         {0, 0, 1, 0}, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, {74, 75, 76}},
        {"nothing selected", sb::OpAdd,
         {0, 0, 0, 0}, kAllSeconds, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const DrillSettings s = selection(row.operation, row.ranges, row.seconds);
        Drill d;
        ConstantRandom random(0.3);
        BuildFacts(d, s, random);
        BuildPool(d, s, 0, 0);
        EXPECT_EQ(poolOf(d), row.pool);
    }
}

// Range 1..10, every second number: 100 facts. Fact 45 (second number 3) and fact 65 (second
// number 4) are in the pool; fact 51 (second number 3, column 11) is not.
TEST(BuildPool, ModeAndRowSayWhichPooledFactsAreReset)
{
    struct Row {
        std::int16_t mode, row;
        std::int16_t state45;
        bool reset45;
        std::int16_t state65;
        bool reset65;
    };
    const std::vector<Row> rows{
        {0, 0, 1, true, 1, true},   {0, 3, 1, true, 1, true},    {1, 0, 2, false, 2, false},
        {1, 3, 1, true, 2, false},  {2, 3, 0, true, 2, false},   {2, 4, 2, false, 0, true},
        {2, 0, 2, false, 2, false}, {1, 11, 2, false, 2, false}, {7, 3, 1, true, 2, false},
        {-1, 4, 2, false, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "BuildPool(" << row.mode << ", " << row.row << ")");
        const DrillSettings s = selection(sb::OpAdd);
        Drill d;
        ScriptedRandom noDraws;
        BuildFacts(d, s, noDraws);
        for (int i = 1; i <= 200; ++i) {
            markDrilled(d.fact(i));
        }
        d.repeatList[1] = 45;
        d.repeatCount = 1;

        BuildPool(d, s, row.mode, row.row);

        EXPECT_EQ(d.poolCount, 100);
        EXPECT_EQ(d.pool[25], 45);
        EXPECT_EQ(d.pool[35], 65);
        EXPECT_EQ(d.fact(45).state, row.state45);
        EXPECT_EQ(counters(d.fact(45)), row.reset45 ? "cleared" : "drilled");
        EXPECT_EQ(d.fact(65).state, row.state65);
        EXPECT_EQ(counters(d.fact(65)), row.reset65 ? "cleared" : "drilled");
        // Facts outside the selection are never touched, and the repeat list stays as it was.
        EXPECT_EQ(d.fact(51).state, 2);
        EXPECT_EQ(counters(d.fact(51)), "drilled");
        EXPECT_EQ(d.repeatCount, 1);
        EXPECT_EQ(d.repeatList[1], 45);
    }
}

TEST(BuildPool, RefillAfterRetirementsKeepsRetiredFactsAsTheyWere)
{
    DrillSettings s = selection(sb::OpAdd);
    s.removeOverridesRepeat() = 1;
    Drill d;
    ScriptedRandom noDraws;
    BuildFacts(d, s, noDraws);
    BuildPool(d, s, 0, 0);
    ASSERT_EQ(d.poolCount, 100);

    for (int retire : {5, 47}) {
        markDrilled(d.fact(retire));
        d.curFact = static_cast<std::int16_t>(retire);
        RetireFact(d, s);
    }
    ASSERT_EQ(d.poolCount, 98);
    ASSERT_EQ(d.pool[5], 6);

    BuildPool(d, s, 1, 0);

    EXPECT_EQ(d.poolCount, 100);
    EXPECT_EQ(d.pool[5], 5);
    EXPECT_EQ(d.pool[27], 47);
    for (int retired : {5, 47}) {
        EXPECT_EQ(d.fact(retired).state, 0);
        EXPECT_EQ(counters(d.fact(retired)), "drilled");
    }
}

// Values a damaged record file may hold: every field of the settings and of the fact table,
// and both arguments, any 16-bit value. Nothing may be indexed out of range (run this under
// the sanitizer build too), and the pool stays a list of distinct facts in ascending order.
TEST(BuildPool, AnyFieldValueKeepsThePoolWithinTheTable)
{
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> any16(-32768, 32767);
    std::uniform_int_distribution<int> coin(0, 3);
    constexpr std::array<int, 8> likely{-1, 0, 1, 1, 2, 6, 7, 10};
    auto pick = [&]() {
        const int c = coin(gen);
        const int v = c == 0 ? any16(gen) : likely[static_cast<std::size_t>(any16(gen) & 7)];
        return static_cast<std::int16_t>(v);
    };

    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        sb::SettingsSlot slot{};
        for (std::size_t at = 0; at < sb::kSlotDataSize; at += 2) {
            sb::putI16(slot, at, pick());
        }
        const DrillSettings s = *sb::decodeSettings(slot);
        Drill d;
        for (int i = 0; i <= 201; ++i) {
            FactRec& f = d.fact(i);
            for (std::int16_t* field :
                 {&f.first, &f.second, &f.answer, &f.group, &f.remainder, &f.fastRun,
                  &f.repeatsLeft, &f.state, &f.rightRun, &f.slowQueued, &f.correct, &f.asked}) {
                *field = pick();
            }
        }
        const std::int16_t mode = pick();
        const std::int16_t row = pick();

        // Once over the table as it stands (as after loading a damaged fact file), then again
        // over a freshly built one.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                sb::StdRandom random(static_cast<std::uint64_t>(round));
                BuildFacts(d, s, random);
                for (int i = 1; i <= 200; ++i) {
                    const FactRec& f = d.fact(i);
                    ASSERT_GE(f.remainder, 0);
                    ASSERT_LT(f.remainder, std::max<std::int16_t>(f.second, 1));
                }
            }
            BuildPool(d, s, mode, row);
            ASSERT_GE(d.poolCount, 0);
            ASSERT_LE(d.poolCount, 200);
            for (int k = 1; k <= d.poolCount; ++k) {
                const int fact = d.pool[static_cast<std::size_t>(k)];
                ASSERT_GE(fact, 1);
                ASSERT_LE(fact, 200);
                if (k > 1) {
                    ASSERT_GT(fact, d.pool[static_cast<std::size_t>(k - 1)]);
                }
            }
        }
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
        {"nothing", [](DrillSettings&) {}, true},
        {"firstRange 1", [](DrillSettings& s) { s.firstRange[1] = 0; }, false},
        {"firstRange 4", [](DrillSettings& s) { s.firstRange[4] = 1; }, false},
        {"secondNum 10", [](DrillSettings& s) { s.secondNum[10] = 0; }, false},
        {"operation", [](DrillSettings& s) { s.operation = sb::OpDivR; }, false},
        {"firstRange 0", [](DrillSettings& s) { s.firstRange[0] = 9; }, true},
        {"switchAB", [](DrillSettings& s) { s.switchAB = 0; }, true},
        {"autoTeach", [](DrillSettings& s) { s.autoTeach = 1; }, true},
        {"name", [](DrillSettings& s) { sb::setName(s, "Ann"); }, true},
        {"numStats", [](DrillSettings& s) { s.answerCount(2) = 40; }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        sb::Settings all;
        sb::LoadOriginalDefaults(all);
        const DrillSettings start = all.defaultSettings;
        DrillSettings cur = start;
        row.change(cur);
        EXPECT_EQ(sb::SameSelections(cur, start), row.same);
        EXPECT_EQ(sb::SameSelections(start, cur), row.same);
    }
}

TEST(FixSelectionValues, MakesTheSelectionNonEmpty)
{
    struct Row {
        const char* what;
        std::int16_t autoTeach;
        Ranges ranges;
        Seconds seconds;
        Ranges expectedRanges;
        Seconds expectedSeconds;
    };
    // clang-format off
    const std::vector<Row> rows{
        {"none ticked, Auto Teach off", 0,
         {0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 0}, kAllSeconds},
        {"none ticked, Auto Teach on", 1,
         {0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"values other than 1, Auto Teach on", 1,
         {2, -1, 0, 3}, {2, 2, -1, 0, 5, 0, 0, 0, 0, 9},
         {1, -1, 0, 3}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"Auto Teach 2 counts as off", 2,
         {0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 2},
         {0, 0, 1, 0}, kAllSeconds},
        {"something ticked stays as it is", 1,
         {0, 1, 0, 1}, {0, 0, 0, 1, 0, 2, 0, 0, 0, 0},
         {0, 1, 0, 1}, {0, 0, 0, 1, 0, 2, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DrillSettings s = selection(sb::OpMult, row.ranges, row.seconds);
        s.autoTeach = row.autoTeach;
        s.firstRange[0] = 7;
        s.secondNum[0] = 7;
        const DrillSettings before = s;

        sb::fixSelectionValues(s);

        DrillSettings expected = selection(sb::OpMult, row.expectedRanges, row.expectedSeconds);
        expected.autoTeach = row.autoTeach;
        expected.firstRange[0] = 7;
        expected.secondNum[0] = 7;
        EXPECT_EQ(s.firstRange, expected.firstRange);
        EXPECT_EQ(s.secondNum, expected.secondNum);
        // Only the two selections may change.
        DrillSettings rest = s;
        rest.firstRange = before.firstRange;
        rest.secondNum = before.secondNum;
        EXPECT_EQ(rest, before);
    }
}

} // namespace
