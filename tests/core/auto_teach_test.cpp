#include "teach/auto_teach.h"

#include <gtest/gtest.h>

#include "drill/pool.h"
#include "flow/answering.h"
#include "flow/main_form.h"
#include "flow/run_control.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// An array with 1 in the slots listed.
template <std::size_t N = 11> std::array<std::int16_t, N> ones(const std::vector<int>& slots)
{
    std::array<std::int16_t, N> out{};
    for (int k : slots) {
        out[static_cast<std::size_t>(k)] = 1;
    }
    return out;
}
const std::vector<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// Auto Teach on over the original defaults, with the operation, ranges and second numbers in
// play, the second numbers begun at this level, and the table and pool built; each step runs
// as the program runs it, its captions and selection shown on the main window.
struct Teaching : ProgramFixture {
    Teaching(std::int16_t op, const std::vector<int>& ranges, const std::vector<int>& seconds,
             const std::vector<int>& begun)
        : ProgramFixture(random)
    {
        LoadOriginalDefaults(p.settings);
        s = p.settings.defaultSettings;
        s.autoTeach = 1;
        s.operation = op;
        s.firstRange = ones<5>(ranges);
        s.secondNum = ones(seconds);
        for (int n : begun) {
            s.activeSteps(n) = 5;
        }
        BuildFacts(p.drill, s, random);
        BuildPool(p.drill, s, PoolMode::ResetAll, 0);
        p.drill.score = 3, p.drill.total = 4, p.drill.drillMinutes = 5;
    }
    void retireRow(int n)
    {
        for (int i = 1; i <= 200; ++i) {
            p.drill.curFact = static_cast<std::int16_t>(i);
            if (p.drill.current().second == n) {
                RetireFact(p.drill, s);
            }
        }
    }
    std::string step() // the captions it wrote ("-" when left alone)
    {
        p.main.DsBgn = p.main.DsEnd = "-";
        static_cast<void>(RunAutoTeachStep(p));
        return p.main.DsBgn + "|" + p.main.DsEnd;
    }
    int counters() const { return p.drill.score + p.drill.total + p.drill.drillMinutes; }

    ConstantRandom random{0.0};
    DrillSettings& s = p.settings.curSettings;
};

TEST(AutoTeach, BeginsTheNextSecondNumberOnlyWhenAnsweredWellEnough)
{
    // Defaults: averageOver 15, advancePercent 80. Below 15 answers the column is a count.
    for (const auto& [count, percent, begins] :
         std::vector<std::tuple<std::int16_t, std::int16_t, bool>>{
             {15, 80, true}, {15, 79, false}, {14, 12, false}, {16, 80, true}}) {
        SCOPED_TRACE(testing::Message() << percent << " after " << count);
        Teaching t(OpAdd, {1}, {3}, {1, 2, 3});
        t.s.answerCount(3) = count;
        t.s.percentCorrect(3) = percent;
        t.p.drill.fact(41).asked = 5; // a fact in play keeps its counters
        t.p.drill.fact(61).asked = 9; // a stale counter of the number about to begin
        EXPECT_EQ(t.step(), begins ? "Begin: 4|-" : "-|-");
        EXPECT_EQ(t.p.drill.fact(41).asked * 10 + t.p.drill.fact(61).asked, begins ? 50 : 59);
        EXPECT_EQ(t.s.activeSteps(3) * 10 + t.s.activeSteps(4), 60); // 4: counted from next step
        EXPECT_EQ(t.s.secondNum, ones(begins ? std::vector{3, 4} : std::vector{3}));
        EXPECT_EQ(t.p.drill.poolCount, begins ? 20 : 10);
        EXPECT_EQ(t.boxes(), begins ? "1000/0011000000" : "1000/0010000000") << "shown";
        EXPECT_EQ(t.p.settings.startSettings, t.p.cur());
    }
}

TEST(AutoTeach, CompleteLevelMovesEveryRangeUpOrGoesToTheNextOperation)
{
    // 10 Sub is complete when 1..9 have begun: 10 has no fact there.
    using Row = std::tuple<std::int16_t, std::vector<int>, std::vector<int>, std::vector<int>,
                           const char*, std::int16_t, std::vector<int>, std::vector<int>>;
    for (const auto& [op, ranges, seconds, begun, captions, opAfter, rangesAfter, secondsAfter] :
         std::vector<Row>{
             {OpAdd, {1}, {10}, kAll, ":Begin 11~13| ", OpAdd, {2}, {1}},
             {OpAdd, {1, 2}, {10}, kAll, ":Begin 11~13| ", OpAdd, {2, 3}, {1}},
             {OpAdd, {3, 4}, {10}, kAll, ":Begin 17~20| ", OpAdd, {4}, {1}},
             {OpAdd, {4}, {10}, kAll, ":Level 10Sub|", Op10Sub, {1}, kAll},
             {OpMult, {1, 2}, {10}, kAll, ":Level Div|", OpDiv, {1}, {1}},
             {Op10Sub, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, ":Level Sub|", OpSub, {1}, {1}},
             {Op10Sub,
              {1},
              {1, 2, 3, 4, 5, 6, 7, 8},
              {},
              "-|-",
              Op10Sub,
              {1},
              {1, 2, 3, 4, 5, 6, 7, 8}}}) {
        SCOPED_TRACE(captions);
        Teaching t(op, ranges, seconds, begun);
        t.s.reviewCount = 57;
        t.s.answerCount(7) = 9;
        EXPECT_EQ(t.step(), captions);
        EXPECT_EQ(t.s.operation * 10 + t.p.main.op, opAfter * 11);
        EXPECT_EQ(t.s.firstRange, ones<5>(rangesAfter));
        EXPECT_EQ(t.s.secondNum, ones(secondsAfter));
        // a step that stays on the level only counts itself in reviewCount
        const bool stays = opAfter == op && rangesAfter == ranges;
        EXPECT_EQ(t.counters() + t.s.answerCount(7) + t.s.reviewCount, stays ? 12 + 9 + 58 : 0);
        EXPECT_EQ(t.s.reviewLeft, kNoReview);
        EXPECT_EQ(t.p.settings.startSettings, t.p.cur());
    }
}

TEST(AutoTeach, AMasteredNumberLeavesAfterTheNextBeginsAndIsReportedOnce)
{
    Teaching t(OpAdd, {1}, {4}, {1, 2, 3, 4});
    t.s.answerCount(4) = 20;
    t.s.percentCorrect(4) = 90;
    t.retireRow(4);
    t.p.drill.fact(61).asked = 2;
    EXPECT_EQ(t.step(), "Begin: 5|Remove: 4");
    EXPECT_EQ(t.s.secondNum, ones({5}));
    EXPECT_EQ(t.s.answerCount(4) + t.s.percentCorrect(4) + t.p.drill.fact(61).asked, 0);
    EXPECT_EQ(t.s.activeSteps(4), 6); // kept: 4 never begins again at this level
    EXPECT_EQ(t.step(), "-|-");
}

TEST(AutoTeach, OffChangesNothingAtAll)
{
    // A state in which a step would begin, remove, review and complete the level; only 1 is on.
    Teaching t(OpAdd, {1}, kAll, kAll);
    t.s.answerCount(9) = 15;
    t.s.percentCorrect(9) = 100;
    t.s.reviewCount = 199;
    t.retireRow(1);
    t.s.autoTeach = 2;
    const Settings settings = t.p.settings;
    const Drill drill = t.p.drill;
    EXPECT_EQ(t.step(), "-|-");
    EXPECT_EQ(t.p.cur(), settings.curSettings);
    EXPECT_EQ(t.p.settings.startSettings, settings.startSettings);
    EXPECT_EQ(t.p.drill.facts, drill.facts);
}

TEST(AutoTeach, ReviewStartsAtStep200AndEnds100StepsLaterWithFreshCounters)
{
    Teaching t(OpAdd, {1}, {3}, {1, 2, 3}); // 1 and 2 have begun and left; 3 is being learned
    for (int n = 1; n < 200; ++n) {
        static_cast<void>(AutoTeachStep(t.p.settings, t.p.drill, t.random));
    }
    EXPECT_EQ(t.step(), ":Rev 1 to 3|-");
    EXPECT_EQ(t.p.drill.poolCount * 100 + t.counters(), 3000);
    EXPECT_EQ(t.boxes(), "1000/1110000000");
    // While reviewing nothing begins or leaves, even when it is due.
    t.s.answerCount(3) = 30;
    t.s.percentCorrect(3) = 100;
    t.retireRow(1);
    for (int n = 1; n < 100; ++n) {
        ASSERT_EQ(t.step(), "-|-");
    }
    t.p.drill.score = 7;
    EXPECT_EQ(t.step(), ":Rev End|-");
    EXPECT_EQ(t.p.drill.poolCount * 100 + t.counters(), 1000);
    EXPECT_EQ(t.boxes(), "1000/0010000000");
    EXPECT_EQ(t.step(), "Begin: 4|-");
}

TEST(AutoTeach, ReviewCountWrapsAbove32700AndAReviewCountsDownWhileOn)
{
    // reviewOn, reviewLeft and reviewCount before and after; the last two rows end the review,
    // the last because a damaged negative count runs out at once
    using Row = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, std::int16_t>;
    for (const auto& [on, left, count, leftAfter, countAfter] :
         std::vector<Row>{{1, kNoReview, 32699, kNoReview, 32700},
                          {1, kNoReview, 32700, kNoReview, 0},
                          {1, 5, 32700, 4, 32700},
                          {1, 5, 32701, 4, 0},
                          {0, 5, 32701, 5, 32701},
                          {1, 1, 3, kNoReview, 3},
                          {1, -5, 3, kNoReview, 3}}) {
        SCOPED_TRACE(testing::Message() << left << " " << count);
        Teaching t(OpAdd, {1}, {1, 2}, {1, 2});
        t.s.reviewOn = on;
        t.s.reviewAfter() = 32767;
        t.s.reviewLeft = left;
        t.s.reviewCount = count;
        static_cast<void>(AutoTeachStep(t.p.settings, t.p.drill, t.random));
        EXPECT_EQ(t.s.reviewLeft * 100000 + t.s.reviewCount, leftAfter * 100000 + countAfter);
        EXPECT_EQ(
            t.s.secondNum,
            ones(leftAfter == kNoReview && left != kNoReview ? std::vector{2} : std::vector{1, 2}));
    }
}

// A pupil who never makes a mistake climbs the whole ladder at the window: every problem right,
// retired after removeStreak right answers in a row; Start again whenever the drill ends.
TEST(AutoTeach, APupilWhoIsAlwaysRightClimbsToTheEnd)
{
    std::vector<std::string> expected;
    for (const char* level : {":Begin 11~13", ":Begin 14~16", ":Begin 17~20", ":Level 10Sub",
                              ":Level Sub", ":Begin 11~13", ":Begin 14~16", ":Begin 17~20",
                              ":Level Mult", ":Level Div", ":Level DivR", ":Congratulations!"}) {
        // 10Sub begins all ten second numbers together and ends at the next step.
        for (int n = 2; std::string(level) != ":Level Sub" && n <= 10; ++n) {
            expected.push_back("Begin: " + std::to_string(n));
        }
        expected.push_back(level);
    }
    // A streak of 6 lets a second number begin the next by its percentage; with 2 it is
    // mastered first, and the next one must still begin instead of the pool running dry.
    for (int streak : {6, 2}) {
        SCOPED_TRACE(streak);
        StdRandom random(static_cast<std::uint64_t>(streak));
        ProgramFixture f(random);
        f.load();
        DrillSettings& s = f.p.cur();
        s.autoTeach = 1;
        s.reviewOn = s.removeFastOn() = 0;
        s.removeStreak() = static_cast<std::int16_t>(streak);
        f.setBoxes("1000/1000000000");
        std::vector<std::string> shown;
        for (int n = 0; n < 100000 && s.autoTeach == 1; ++n) {
            f.p.main.DsBgn.clear();
            f.p.main.start ? StartDrill(f.p) : f.right();
            if (!f.p.main.DsBgn.empty() && f.p.main.DsBgn != "Get Ready") {
                shown.push_back(f.p.main.DsBgn);
            }
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(f.p.main.DsEnd, "Great Job!");
        EXPECT_EQ(f.controls(), "1011111000");
    }
}

} // namespace
} // namespace sb::test
