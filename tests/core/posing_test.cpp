#include "drill/posing.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "drill/feedback.h"
#include "drill/pool.h"
#include "drill/problem_drawing.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// Draw values and what they give (R = round half to even):
//   R(u*10) mod 3 + 1:  0.0 -> 1, 0.1 -> 2, 0.2 -> 3, 0.35 -> R(3.5)=4 -> 2
//   R(u*10) mod 2:      0.0 -> 0 (direction -1), 0.1 -> 1 (direction +1)
//   R(u*223) mod n + 1: 0.0 -> slot 1, 0.5 -> R(111.5)=112
constexpr double kSlot1 = 0.0, kSlot2 = 0.1, kSlot3 = 0.2;
constexpr double kT1 = 0.0, kT2 = 0.1, kT3 = 0.2;
constexpr double kBack = 0.0, kAhead = 0.1;
constexpr double kNoSwap = 0.0, kSwap = 0.1;

// The original defaults (Add, range 1..10, every second number), facts built, pool of 100.
struct Posing {
    explicit Posing(std::int16_t operation = OpAdd)
    {
        Settings all;
        LoadOriginalDefaults(all);
        s = all.defaultSettings;
        s.operation = operation;
        ConstantRandom none(0.0);
        BuildFacts(d, s, none);
        BuildPool(d, s, PoolMode::ResetAll, 0);
        d.repeatDelay = 0;
    }
    void onlyInPool(std::int16_t fact)
    {
        d.pool[1] = fact;
        d.poolCount = 1;
    }
    bool next() { return NextProblem(d, s, random); }
    std::vector<std::string> texts() const
    {
        return {d.answerText[1], d.answerText[2], d.answerText[3]};
    }

    DrillSettings s;
    Drill d;
    ScriptedRandom random;
};

TEST(NextProblem, DrawsPoolPickSlotsWrongFactsAndSwapInThatOrder)
{
    Posing t;
    t.random.push({
        0.5,         // pool pick: 112 mod 100 + 1 = slot 13 = fact 23 (3 + 2)
        kSlot3,      // rightSlot 3
        kSlot3,      // wrongSlot1 equals rightSlot: drawn again
        0.35,        // wrongSlot1 2 (R(3.5) = 4)
        kT1, kAhead, // w1 = 24
        kT1, kAhead, // 24 again: refused for w2
        kT2, kBack,  // w2 = 21
        kNoSwap,     // swap draw
    });
    t.d.shockLeft = 0;
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.d.curFact, 23);
    EXPECT_EQ(t.d.rightSlot * 100 + t.d.wrongSlot1 * 10 + t.d.wrongSlot2, 321);
    EXPECT_EQ(t.d.problemText, "3 + 2");
    EXPECT_EQ(t.texts(), (std::vector<std::string>{"3", "6", "5"}));
    EXPECT_EQ(t.d.shockLeft, 10);
    EXPECT_EQ(t.random.left(), 0u);
}

TEST(NextProblem, WrongFactsStayInsideTheTableWithAStrictUpperBound)
{
    struct Row {
        std::int16_t fact;
        std::vector<double> wrongDraws; // t, d pairs for w1 and then w2
        std::vector<std::string> texts;
    };
    const std::vector<Row> rows = {
        // fact 1 (1 + 1): 0 is refused; 4 taken; 4 refused for w2; 2 taken.
        {1, {kT1, kBack, kT3, kAhead, kT3, kAhead, kT1, kAhead}, {"2", "5", "3"}},
        // fact 199 (19 + 10): 200 is refused (the last fact is never a wrong answer),
        // 198 taken; 201 refused; 197 taken.
        {199, {kT1, kAhead, kT1, kBack, kT2, kAhead, kT2, kBack}, {"29", "28", "27"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("fact " + std::to_string(row.fact));
        Posing t;
        t.onlyInPool(row.fact);
        t.random.push({kSlot1, kSlot1, kSlot2});
        for (double u : row.wrongDraws) {
            t.random.push({u});
        }
        t.random.push({kNoSwap});
        ASSERT_TRUE(t.next());
        EXPECT_EQ(t.d.curFact, row.fact);
        EXPECT_EQ(t.texts(), row.texts);
        EXPECT_EQ(t.random.left(), 0u);
    }
}

// Fact 195 (second number 10, column 15) is queued; it is not in the pool. The pool pick is
// drawn whether or not the repetition is due, and the new delay is drawn as R(u x 10) mod
// repeatWithin + 1, rounded, not truncated.
TEST(NextProblem, RepetitionPathDrawsThePoolPickAndARoundedDelay)
{
    struct Row {
        const char* what;
        std::int16_t delayBefore;
        std::vector<double> delayDraw;
        std::int16_t fact, delayAfter;
    };
    const std::vector<Row> rows{
        {"due: R(1.7) = 2", 0, {0.17}, 195, 3},
        {"due: R(2.5) = 2, a tie goes to even", 0, {0.25}, 195, 3},
        {"due: R(0.6) = 1", 0, {0.06}, 195, 2},
        {"not yet due: the pool pick stands", 2, {}, 23, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Posing t;
        t.s.repeatWithin() = 3;
        t.d.repeatList[1] = 195;
        t.d.repeatCount = 1;
        t.d.repeatDelay = row.delayBefore;
        t.random.push({0.5});
        for (double u : row.delayDraw) {
            t.random.push({u});
        }
        t.random.push({kSlot1, kSlot2, kT1, kBack, kT1, kAhead, kNoSwap});
        ASSERT_TRUE(t.next());
        EXPECT_EQ(t.d.curFact, row.fact);
        EXPECT_EQ(t.d.repeatDelay, row.delayAfter);
        EXPECT_EQ(t.d.repeatCount, 1) << "the list is only shortened by answers";
        EXPECT_EQ(t.random.left(), 0u);
    }
}

TEST(NextProblem, RepetitionsComeBackWithinRepeatWithinProblems)
{
    // repeatWithin 1 leaves exactly one pool problem between repetitions; 0 (a damaged
    // record) counts as 1.
    using Row = std::pair<int, std::set<int>>;
    for (const auto& [within, expected] : {Row{1, {1}}, Row{0, {1}}, Row{3, {1, 2, 3}}}) {
        SCOPED_TRACE(within);
        Posing t;
        StdRandom random(7);
        t.s.repeatWithin() = static_cast<std::int16_t>(within);
        t.d.repeatList[1] = 195;
        t.d.repeatCount = 1;
        std::set<int> gaps;
        int sinceLast = 0;
        for (int n = 0; n < 1000; ++n) {
            ASSERT_TRUE(NextProblem(t.d, t.s, random));
            if (t.d.curFact != 195) {
                ++sinceLast;
            } else {
                if (n > 0) {
                    gaps.insert(sinceLast);
                }
                sinceLast = 0;
            }
        }
        EXPECT_EQ(gaps, expected);
    }
}

TEST(NextProblem, RefillsAnEmptyPoolAndRefusesWhatHasNoFactToPose)
{
    Posing t;
    t.d.poolCount = 0;
    t.random.push({0.0, kSlot1, kSlot2, kT1, kAhead, kT2, kAhead, kNoSwap});
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.d.poolCount, 100);
    EXPECT_EQ(t.d.curFact, 1);

    Posing tenSub(Op10Sub);
    tenSub.s.secondNum = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    tenSub.d.poolCount = 0;
    EXPECT_FALSE(tenSub.next());
    Posing unbuilt;
    unbuilt.d.factCount = 199;
    EXPECT_FALSE(unbuilt.next());
    EXPECT_EQ(tenSub.random.used() + unbuilt.random.used(), 0u);
}

// 13 / 4 = 3 R 1 (second number 4, column 3) between 8 / 4 = 2 and 19 / 4 = 4 R 3.
TEST(NextProblem, DivisionShowsRemaindersAndItsSignOnBothDisplays)
{
    Posing t(OpDiv);
    t.s.operation = OpDivR;
    t.d.fact(63).first = 13;
    t.d.fact(63).remainder = 1;
    t.d.fact(64).first = 19;
    t.d.fact(64).remainder = 3;
    t.onlyInPool(63);
    t.random.push({kSlot1, kSlot1, kSlot2, kT1, kBack, kT1, kAhead, kSwap});
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.d.problemText, "13 -  4");
    EXPECT_EQ(t.texts(), (std::vector<std::string>{"3 R 1", "2", "4 R 3"}));
    // The pop-up's smaller font puts the division sign's parts further back.
    EXPECT_EQ(ProblemOnScreen(t.d, OpDivR), (ProblemDrawing{"13 -  4", "13 -", true, 55, 160}));
    EXPECT_EQ(SolvedProblem(t.d, OpDivR),
              (ProblemDrawing{"13 -  4 = 3 R 1", "13 -", true, 65, 165}));
    EXPECT_EQ(SolvedProblem(t.d, OpDiv), (ProblemDrawing{"13 -  4 = 3", "13 -", true, 65, 165}));
    EXPECT_FALSE(SolvedProblem(t.d, OpMult).divisionSign);
    EXPECT_FALSE(ProblemOnScreen(t.d, OpAdd).divisionSign);
}

TEST(DrawProblem, OnlyAddAndMultSwapAndOnlyWithSwitchAB)
{
    struct Row {
        std::int16_t operation, switchAB;
        double swapDraw;
        const char* text; // fact 23: second number 2, column 3
    };
    const std::vector<Row> rows = {
        {OpAdd, 1, kSwap, "2 + 3"},   {OpAdd, 0, kSwap, "3 + 2"},
        {OpAdd, 1, 0.15, "3 + 2"}, // R(1.5) = 2: even, no swap
        {OpMult, 1, kSwap, "2 x 3"},  {OpSub, 1, kSwap, "5 - 2"},
        {OpDiv, 1, kSwap, "6 -  2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.operation) + " " + std::to_string(row.switchAB));
        Posing t(row.operation);
        t.s.switchAB = row.switchAB;
        t.d.curFact = 23;
        t.random.push({row.swapDraw});
        DrawProblem(t.d, t.s, t.random, 24, 21);
        EXPECT_EQ(t.d.problemText, row.text);
        EXPECT_EQ(t.random.left(), 0u);
    }
}

// x = R(box - text) \ 2 (rounded first, then halved toward zero), m = R(x + mark width).
TEST(LayoutProblem, RoundsBeforeHalvingAndHalvesTowardZero)
{
    struct Row {
        double boxW, boxH, textW, textH, markW;
        int hyphenBack, colonBack;
        std::array<int, 5> layout; // x, y, mark, hyphen, colon
    };
    const std::vector<Row> rows{
        // R(411.4) = 411 \ 2 = 205 (not R(205.7) = 206); R(405.5) = 406 (tie to even)
        {1000, 500, 588.6, 300.4, 200.5, 55, 160, {205, 100, 406, 351, 246}},
        // wider than its box: R(-23) \ 2 = -11, not -12; R(-11 + 101.5) = 90 (tie to even)
        {1000, 300, 1023, 303, 101.5, 65, 165, {-11, -1, 90, 25, -75}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.textW);
        ProblemDrawing drawing;
        drawing.hyphenBack = r.hyphenBack;
        drawing.colonBack = r.colonBack;
        const ProblemLayout l = layoutProblem(r.boxW, r.boxH, r.textW, r.textH, r.markW, drawing);
        EXPECT_EQ((std::array<int, 5>{l.x, l.y, l.mark, l.hyphenX, l.colonX}), r.layout);
    }
}

} // namespace
} // namespace sb::test
