// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/posing.h"

#include "drill/feedback.h"
#include "drill/problem_drawing.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

using I16 = std::int16_t;

// Draw values and what they give (R = round half to even):
//   R(u*10) mod 3 + 1:  0.0 -> 1, 0.1 -> 2, 0.2 -> 3, 0.35 -> R(3.5)=4 -> 2
//   R(u*10) mod 2:      0.0 -> 0 (direction -1), 0.1 -> 1 (direction +1)
//   R(u*223) mod n + 1: 0.0 -> slot 1, 0.5 -> R(111.5)=112
constexpr double kSlot1 = 0.0, kSlot2 = 0.1, kSlot3 = 0.2;
constexpr double kT1 = 0.0, kT2 = 0.1, kT3 = 0.2;
constexpr double kBack = 0.0, kAhead = 0.1;
constexpr double kNoSwap = 0.0, kSwap = 0.3; // R(0) even: as posed; R(3) odd: turned around

// The original defaults (Add, range 1..10, every second number), facts built, pool of 100;
// `draws` scripted, part after part.
struct Posing {
    explicit Posing(const std::vector<std::vector<double>>& draws, I16 operation = OpAdd)
    {
        s = originalDefaults();
        s.operation = operation;
        BuildFacts(d, s, random);
        BuildPool(d, s, PoolMode::ResetAll, 0);
        d.repeatDelay = 0;
        for (double u : draws | std::views::join) {
            random.push({u});
        }
    }
    bool next() { return NextProblem(d, s, random); }
    std::string texts() const
    {
        return d.answerText[1] + "," + d.answerText[2] + "," + d.answerText[3];
    }

    DrillSettings s;
    Drill d;
    ScriptedRandom random;
};

TEST(NextProblem, DrawsPoolPickSlotsWrongFactsInsideTheTableAndSwapInThatOrder)
{
    Posing t({{
        0.5,         // pool pick: 112 mod 100 + 1 = slot 13 = fact 23 (3 + 2)
        kSlot3,      // rightSlot 3
        kSlot3,      // wrongSlot1 equals rightSlot: drawn again
        0.35,        // wrongSlot1 2 (R(3.5) = 4)
        0.3, kAhead, // w1 = 24: R(3) mod 3 = 0, one place ahead
        kT1, kAhead, // 24 again: refused for w2
        kT2, 0.2,    // w2 = 21: R(2) mod 2 = 0, back
        kSwap,       // swap draw: Add shows the second number first (switchAB is on)
    }});
    ASSERT_TRUE(t.next());
    EXPECT_EQ(ints(t.d.curFact, t.d.rightSlot, t.d.wrongSlot1, t.d.wrongSlot2, t.d.shockLeft,
                   t.random.left(), t.d.posedTurnedAround),
              ints(23, 3, 2, 1, 10, 0, true));
    EXPECT_EQ(t.d.problemText + " " + t.texts(), "2 + 3 3,6,5");
    // Wrong answers come from inside the table, never from its last fact.
    // fact 1 (1 + 1): 0 is refused; 4 taken; 4 refused for w2; 2 taken.
    // fact 2 (2 + 1): 1, the first fact, is taken; 4 taken.
    // fact 199 (19 + 10): 200 is refused (the last fact is never a wrong answer), 198 taken;
    // 201 refused; 197 taken.
    const std::vector<std::tuple<I16, std::vector<double>, std::string>> rows{
        {1, {kT1, kBack, kT3, kAhead, kT3, kAhead, kT1, kAhead}, "2,5,3"},
        {2, {kT1, kBack, kT2, kAhead}, "3,2,5"},
        {199, {kT1, kAhead, kT1, kBack, kT2, kAhead, kT2, kBack}, "29,28,27"}};
    for (const auto& [fact, wrongDraws, texts] : rows) {
        Posing w({{kSlot1, kSlot1, kSlot2}, wrongDraws, {kNoSwap}});
        w.d.pool[1] = fact, w.d.poolCount = 1;
        ASSERT_TRUE(w.next());
        EXPECT_EQ(std::tuple(w.texts(), w.d.posedTurnedAround, w.random.left()),
                  std::tuple(texts, false, 0u));
    }
    // An empty pool is filled again; its facts go on with their counts.
    Posing refill(
        {{kSlot1, kSlot1, kSlot2, kT1, kBack, kT3, kAhead, kT3, kAhead, kT1, kAhead, kNoSwap}});
    refill.d.poolCount = 0;
    refill.d.fact(1).asked = 4;
    ASSERT_TRUE(refill.next());
    EXPECT_EQ(ints(refill.d.poolCount, refill.d.curFact, refill.d.fact(1).asked), ints(100, 1, 4));
}

// Fact 195 (second number 10, column 15) is queued; it is not in the pool. The pool pick is
// drawn whether or not the repetition is due; the new delay is R(u x 10) mod repeatWithin + 1.
TEST(NextProblem, RepetitionPathDrawsThePoolPickAndARoundedDelay)
{
    // what, repeatWithin, repeatDelay before, the delay draw, fact posed, repeatDelay after
    using Row = std::tuple<const char*, I16, I16, std::vector<double>, I16, I16>;
    const std::vector<Row> rows{
        {"due: R(1.7) = 2", 3, 0, {0.17}, 195, 3},
        {"due: R(2.5) = 2, a tie goes to even", 3, 0, {0.25}, 195, 3},
        {"due: R(0.6) = 1", 3, 0, {0.06}, 195, 2},
        {"due: repeatWithin 0 (a damaged record) counts as 1", 0, 0, {0.06}, 195, 1},
        {"not yet due: the pool pick stands", 3, 2, {}, 23, 1}};
    for (const auto& [what, within, delay, draw, fact, delayAfter] : rows) {
        SCOPED_TRACE(what);
        Posing t({{0.5}, draw, {kSlot1, kSlot2, kT1, kBack, kT1, kAhead, kNoSwap}});
        t.s.repeatWithin() = within;
        t.d.repeatList[1] = 195, t.d.repeatCount = 1, t.d.repeatDelay = delay;
        ASSERT_TRUE(t.next());
        // the list is only shortened by answers
        EXPECT_EQ(ints(t.d.curFact, t.d.repeatDelay, t.d.repeatCount, t.random.left()),
                  ints(fact, delayAfter, 1, 0));
    }
}

// 13 / 4 = 3 R 1 (second number 4, column 3) between 8 / 4 = 2 and 19 / 4 = 4 R 3. The
// pop-up's smaller font puts the division sign's parts further back. Laid out, a position is
// rounded before it is halved and halved toward zero.
TEST(NextProblem, DivisionShowsRemaindersAndItsSignLaidOutOnBothDisplays)
{
    Posing t({{kSlot1, kSlot1, kSlot2, kT1, kBack, kT1, kAhead, kSwap}}, OpDiv);
    t.s.operation = OpDivR;
    t.d.fact(63).first = 13, t.d.fact(63).remainder = 1;
    t.d.fact(64).first = 19, t.d.fact(64).remainder = 3;
    t.d.pool[1] = 63, t.d.poolCount = 1;
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.d.problemText + " " + t.texts(), "13 -  4 3 R 1,2,4 R 3");
    EXPECT_EQ(ProblemOnScreen(t.d, OpDivR), (ProblemDrawing{"13 -  4", "13 -", true, 55, 160}));
    EXPECT_EQ(SolvedProblem(t.d, OpDivR),
              (ProblemDrawing{"13 -  4 = 3 R 1", "13 -", true, 65, 165}));
    EXPECT_EQ(SolvedProblem(t.d, OpDiv), (ProblemDrawing{"13 -  4 = 3", "13 -", true, 65, 165}));
    EXPECT_FALSE(SolvedProblem(t.d, OpMult).divisionSign ||
                 ProblemOnScreen(t.d, OpAdd).divisionSign);
    // R(411.4) = 411 \ 2 = 205 (not R(205.7) = 206); R(205 + 200.5) = 406 (tie to even).
    ProblemLayout l = layoutProblem(1000, 500, 588.6, 300.4, 200.5, ProblemOnScreen(t.d, OpDivR));
    EXPECT_EQ((std::array{l.x, l.y, l.mark, l.hyphenX, l.colonX}),
              (std::array{205, 100, 406, 351, 246}));
    // Wider than its box: R(-23) \ 2 = -11 (not -12); R(-11 + 101.5) = 90 (tie to even).
    l = layoutProblem(1000, 300, 1023, 303, 101.5, SolvedProblem(t.d, OpDivR));
    EXPECT_EQ((std::array{l.x, l.y, l.mark, l.hyphenX, l.colonX}),
              (std::array{-11, -1, 90, 25, -75}));
}

} // namespace
} // namespace sb::test
