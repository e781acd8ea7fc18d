#include "teach/auto_teach.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "drill/pool.h"
#include "flow/answering.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"
#include "flow/run_control.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// An array with 1 in the slots listed.
template <std::size_t N> std::array<std::int16_t, N> ones(const std::vector<int>& slots)
{
    std::array<std::int16_t, N> out{};
    for (int k : slots) {
        out[static_cast<std::size_t>(k)] = 1;
    }
    return out;
}

const std::vector<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// Auto Teach on over the original defaults; each step is run as the program runs it, with its
// captions and selection shown on the main window.
class AutoTeach : public ::testing::Test {
protected:
    AutoTeach()
    {
        LoadOriginalDefaults(p.settings);
        s() = p.settings.defaultSettings;
        s().autoTeach = 1;
    }
    DrillSettings& s() { return p.cur(); }

    // Operation, first-number ranges and second numbers in play, and the second numbers that
    // have begun at this level; then the table and pool are built.
    void select(std::int16_t op, const std::vector<int>& ranges, const std::vector<int>& seconds,
                const std::vector<int>& begun)
    {
        s().operation = op;
        s().firstRange = ones<5>(ranges);
        s().secondNum = ones<11>(seconds);
        for (int n : begun) {
            s().activeSteps(n) = 5;
        }
        BuildFacts(p.drill, s(), random);
        BuildPool(p.drill, s(), PoolMode::ResetAll, 0);
    }
    // Retires every pooled fact of second number n.
    void retireRow(int n)
    {
        for (int i = 1; i <= 200; ++i) {
            if (p.drill.fact(i).second == n) {
                p.drill.curFact = static_cast<std::int16_t>(i);
                RetireFact(p.drill, s());
            }
        }
    }
    std::string step()
    {
        p.main.DsBgn = p.main.DsEnd = "-";
        static_cast<void>(RunAutoTeachStep(p));
        return p.main.DsBgn + "|" + p.main.DsEnd;
    }
    void counted()
    {
        p.drill.score = 3;
        p.drill.total = 4;
        p.drill.drillMinutes = 5;
    }
    int counters() const { return p.drill.score + p.drill.total + p.drill.drillMinutes; }

    ConstantRandom random{0.0};
    ProgramFixture f{random};
    Program& p = f.program;
};

TEST_F(AutoTeach, BeginsTheNextSecondNumberOnlyWhenAnsweredWellEnough)
{
    // Defaults: averageOver 15, advancePercent 80. Below 15 answers the column is a count.
    struct Row {
        std::int16_t count, percent;
        bool begins;
    };
    for (const Row row : {Row{15, 80, true}, Row{15, 79, false}, Row{14, 12, false},
                          Row{16, 80, true}}) {
        SCOPED_TRACE(::testing::Message() << row.percent << " after " << row.count);
        select(OpAdd, {1}, {3}, {1, 2, 3});
        s().activeSteps(4) = 0;
        s().answerCount(3) = row.count;
        s().percentCorrect(3) = row.percent;
        p.drill.fact(41).asked = 5; // a fact in play keeps its counters
        p.drill.fact(61).asked = 9; // a stale counter of the number about to begin

        EXPECT_EQ(step(), row.begins ? "Begin: 4|-" : "-|-");

        EXPECT_EQ(p.drill.fact(41).asked, 5);
        EXPECT_EQ(s().activeSteps(3), 6);
        EXPECT_EQ(s().activeSteps(4), 0); // begun in this pass: not yet counted
        EXPECT_EQ(s().secondNum, ones<11>(row.begins ? std::vector<int>{3, 4} : std::vector{3}));
        EXPECT_EQ(p.drill.poolCount, row.begins ? 20 : 10);
        EXPECT_EQ(p.drill.fact(61).asked, row.begins ? 0 : 9);
        EXPECT_EQ(p.main.b[4].value, row.begins ? 1 : 0) << "the selection is shown";
        EXPECT_EQ(p.settings.startSettings, p.cur());
    }
}

TEST_F(AutoTeach, CompleteLevelMovesEveryRangeUpOrGoesToTheNextOperation)
{
    struct Row {
        std::int16_t op;
        std::vector<int> ranges, selected, begun;
        const char* captions;
        std::int16_t opAfter;
        std::vector<int> rangesAfter, secondsAfter;
    };
    const std::vector<Row> rows{
        {OpAdd, {1}, {10}, kAll, ":Begin 11~13| ", OpAdd, {2}, {1}},
        {OpAdd, {1, 2}, {10}, kAll, ":Begin 11~13| ", OpAdd, {2, 3}, {1}},
        {OpAdd, {3, 4}, {10}, kAll, ":Begin 17~20| ", OpAdd, {4}, {1}},
        {OpAdd, {4}, {10}, kAll, ":Level 10Sub|", Op10Sub, {1}, kAll},
        {OpMult, {1, 2}, {10}, kAll, ":Level Div|", OpDiv, {1}, {1}},
        // 10 Sub is complete when 1..9 have begun (10 has no fact there)
        {Op10Sub, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, ":Level Sub|", OpSub, {1}, {1}},
        {Op10Sub, {1}, {1, 2, 3, 4, 5, 6, 7, 8}, {}, "-|-", Op10Sub, {1}, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.captions);
        select(row.op, row.ranges, row.selected, row.begun);
        s().reviewCount = 57;
        s().answerCount(7) = 9;
        counted();

        EXPECT_EQ(step(), row.captions);

        EXPECT_EQ(s().operation, row.opAfter);
        EXPECT_EQ(s().firstRange, ones<5>(row.rangesAfter));
        EXPECT_EQ(s().secondNum, ones<11>(row.secondsAfter));
        const bool moved = row.opAfter != row.op || row.rangesAfter != row.ranges;
        // a step that stays on the level counts itself in reviewCount
        EXPECT_EQ(counters() + s().answerCount(7) + s().reviewCount, moved ? 0 : 12 + 9 + 58);
        EXPECT_EQ(s().reviewLeft, kNoReview);
        EXPECT_EQ(p.main.op, row.opAfter);
        EXPECT_EQ(p.settings.startSettings, p.cur());
    }
}

TEST_F(AutoTeach, MasteredSecondNumberLeavesAfterTheNextBeginsAndIsReportedOnce)
{
    select(OpAdd, {1}, {4}, {1, 2, 3, 4});
    s().activeSteps(5) = 0;
    s().answerCount(4) = 20;
    s().percentCorrect(4) = 90;
    retireRow(4);
    p.drill.fact(61).asked = 2;

    EXPECT_EQ(step(), "Begin: 5|Remove: 4");
    EXPECT_EQ(s().secondNum, ones<11>({5}));
    EXPECT_EQ(s().answerCount(4) + s().percentCorrect(4) + p.drill.fact(61).asked, 0);
    EXPECT_EQ(s().activeSteps(4), 6); // kept: 4 never begins again at this level
    EXPECT_EQ(step(), "-|-");
}

TEST_F(AutoTeach, RowMastered)
{
    struct Row {
        const char* what;
        bool built;
        int fact;
        std::int16_t state;
        bool mastered;
    };
    const std::vector<Row> rows{
        {"table never built or loaded", false, 25, 0, false},
        {"every fact retired", true, 25, 0, true},
        {"a fact queued for repetition", true, 25, 2, false},
        {"an unselected column still in play", true, 40, 1, false},
        {"another number in play", true, 41, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Drill d;
        if (row.built) {
            BuildFacts(d, s(), random); // every state 0
        }
        d.fact(row.fact).state = row.state;
        EXPECT_EQ(RowMastered(d, 2), row.mastered);
    }
}

TEST_F(AutoTeach, OffChangesNothingAtAll)
{
    // A state in which a step would begin, remove, review and complete the level.
    select(OpAdd, {1}, kAll, kAll);
    s().answerCount(9) = 15;
    s().percentCorrect(9) = 100;
    s().reviewCount = 199;
    retireRow(1);
    s().autoTeach = 2; // only 1 is on
    const Settings settings = p.settings;
    const Drill drill = p.drill;

    EXPECT_EQ(step(), "-|-");
    EXPECT_EQ(p.cur(), settings.curSettings);
    EXPECT_EQ(p.settings.startSettings, settings.startSettings);
    EXPECT_EQ(p.drill.facts, drill.facts);
    EXPECT_EQ(p.drill.pool, drill.pool);
}

TEST_F(AutoTeach, ReviewStartsAtStep200AndEnds100StepsLaterWithFreshCounters)
{
    // 1 and 2 have begun and left again; 3 is being learned.
    select(OpAdd, {1}, {3}, {1, 2, 3});
    for (int n = 1; n < 200; ++n) {
        static_cast<void>(AutoTeachStep(p.settings, p.drill, random));
    }
    counted();
    EXPECT_EQ(step(), ":Rev 1 to 3|-");
    EXPECT_EQ(p.drill.poolCount, 30);
    EXPECT_EQ(counters(), 0);
    EXPECT_EQ(p.main.b[1].value, 1);

    // While reviewing nothing begins or leaves, even when it is due.
    s().answerCount(3) = 30;
    s().percentCorrect(3) = 100;
    retireRow(1);
    for (int n = 1; n < 100; ++n) {
        ASSERT_EQ(step(), "-|-");
    }
    EXPECT_EQ(s().secondNum, ones<11>({1, 2, 3}));

    counted();
    EXPECT_EQ(step(), ":Rev End|-");
    EXPECT_EQ(s().secondNum, ones<11>({3}));
    EXPECT_EQ(p.drill.poolCount, 10);
    EXPECT_EQ(counters(), 0);
    EXPECT_EQ(p.main.b[1].value, 0);
    EXPECT_EQ(step(), "Begin: 4|-");
}

TEST_F(AutoTeach, ReviewCountWrapsAbove32700AndARunningReviewCountsDown)
{
    struct Row {
        std::int16_t left, count;
        std::int16_t leftAfter, countAfter;
    };
    const std::vector<Row> rows{
        {kNoReview, 32699, kNoReview, 32700}, {kNoReview, 32700, kNoReview, 0},
        {5, 32700, 4, 32700},                 {5, 32701, 4, 0},
        {1, 3, kNoReview, 3}, // the review ends
        {-5, 3, kNoReview, 3}, // a damaged count runs out at once
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.left << " " << row.count);
        select(OpAdd, {1}, {1}, {1});
        s().reviewAfter() = 32767;
        s().reviewLeft = row.left;
        s().reviewCount = row.count;
        static_cast<void>(AutoTeachStep(p.settings, p.drill, random));
        EXPECT_EQ(s().reviewLeft, row.leftAfter);
        EXPECT_EQ(s().reviewCount, row.countAfter);
    }
}

TEST_F(AutoTeach, ReviewIsFrozenWhileReviewIsOff)
{
    select(OpAdd, {1}, {1, 2, 3}, {1, 2, 3});
    s().answerCount(3) = 30;
    s().percentCorrect(3) = 100;
    s().reviewLeft = 40;
    s().reviewOn = 0;
    retireRow(1);
    for (int n = 0; n < 300; ++n) {
        ASSERT_EQ(step(), "-|-");
    }
    EXPECT_EQ(s().reviewLeft, 40);
    EXPECT_EQ(s().reviewCount, 0);
    EXPECT_EQ(s().secondNum, ones<11>({1, 2, 3})); // 1 is mastered but stays
}

// A pupil who never makes a mistake climbs the whole ladder, answering at the window: every
// problem right, retired after removeStreak right answers in a row; Start again whenever the
// drill ends (after 200 problems, or when nothing is left to pose).
TEST(AutoTeachLadder, PupilWhoIsAlwaysRightClimbsToTheEnd)
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
    for (std::int16_t streak : {std::int16_t{6}, std::int16_t{2}}) {
        SCOPED_TRACE(streak);
        StdRandom random(streak);
        ProgramFixture f(random);
        Program& p = f.program;
        ProgramLoad(p);
        DrillSettings& s = p.cur();
        s.autoTeach = 1;
        s.reviewOn = 0;
        s.removeFastOn() = 0;
        s.removeStreak() = streak;
        bseln_click(p);
        b_click(p, 1, 1);

        std::vector<std::string> shown;
        int tenSubSeconds = -1;
        for (int n = 0; n < 100000 && s.autoTeach == 1; ++n) {
            p.main.DsBgn.clear();
            p.main.start ? StartDrill(p) : but_click(p, p.drill.rightSlot);
            if (!p.main.DsBgn.empty() && p.main.DsBgn != "Get Ready") {
                shown.push_back(p.main.DsBgn);
            }
            if (s.operation == Op10Sub && tenSubSeconds < 0) {
                tenSubSeconds = 0;
                for (std::size_t k = 1; k <= 10; ++k) {
                    tenSubSeconds += s.secondNum[k];
                }
            }
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(tenSubSeconds, 10);
        EXPECT_EQ(p.main.DsEnd, "Great Job!");
        EXPECT_EQ(s.autoTeach, 0);
        EXPECT_TRUE(p.main.start);
    }
}

} // namespace
} // namespace sb::test
