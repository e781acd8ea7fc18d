#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "records/fact_table.h"
#include "teach/auto_teach.h"

namespace sb {
namespace {

std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}

class AutoTeach : public ::testing::Test {
protected:
    void SetUp() override { reset(); }

    // A fresh program state for the next row of a table.
    void reset()
    {
        p.settings = Settings{};
        p.drill = Drill{};
        p.main = MainModel{};
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        s().autoTeach = 1;
    }

    DrillSettings& s() { return p.cur(); }

    // Operation, first-number ranges and second numbers in play; everything else off.
    void select(std::int16_t op, const std::vector<int>& ranges, const std::vector<int>& seconds)
    {
        s().operation = op;
        s().firstRange = {};
        for (int r : ranges) {
            s().firstRange[at(r)] = 1;
        }
        s().secondNum = {};
        for (int n : seconds) {
            s().secondNum[at(n)] = 1;
        }
    }

    // Second numbers that have begun at this level.
    void begun(std::initializer_list<int> seconds, std::int16_t steps = 5)
    {
        for (int n : seconds) {
            s().activeSteps(n) = steps;
        }
    }

    void beginAll() { begun({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}); }

    // As a new drill does: facts and pool for the selection.
    void build()
    {
        BuildFacts(p.drill, s(), f.random);
        BuildPool(p.drill, s(), 0, 0);
    }

    // Retires every pooled fact of second number n, as the remove rules would.
    void retireRow(int n)
    {
        std::vector<std::int16_t> row;
        for (int k = 1; k <= p.drill.poolCount; ++k) {
            const std::int16_t i = p.drill.pool[at(k)];
            if (p.drill.fact(i).second == n) {
                row.push_back(i);
            }
        }
        for (std::int16_t i : row) {
            p.drill.curFact = i;
            RetireFact(p.drill, s());
        }
    }

    std::vector<int> pool() const
    {
        std::vector<int> out;
        for (int k = 1; k <= p.drill.poolCount; ++k) {
            out.push_back(p.drill.pool[at(k)]);
        }
        return out;
    }

    std::vector<int> seconds() const
    {
        std::vector<int> out;
        for (int n = 1; n <= 10; ++n) {
            if (p.cur().secondNum[at(n)] == 1) {
                out.push_back(n);
            }
        }
        return out;
    }

    std::array<std::int16_t, 4> ranges() const
    {
        const auto& r = p.cur().firstRange;
        return {r[1], r[2], r[3], r[4]};
    }

    test::ProgramFixture f;
    Program& p = f.program;
};

TEST_F(AutoTeach, BeginsNextSecondNumberOnlyWhenAnsweredWellEnough)
{
    // averageOver 15, advancePercent 80 (the defaults). During the first 15 answers the
    // percentage column holds a count of right answers; after 14 answers with 12 right it is
    // 12, the 15th (right) makes it 86, a 16th (wrong) 80.
    struct Row {
        const char* what;
        std::int16_t count;
        std::int16_t percent;
        bool begins;
    };
    const std::vector<Row> rows{
        {"80 percent after 15 answers", 15, 80, true},
        {"79 percent after 15 answers", 15, 79, false},
        {"12 right of 14 answers is still a count", 14, 12, false},
        {"all right but only 14 answers", 14, 100, false},
        {"15th answer right: 86", 15, 86, true},
        {"16th answer wrong: 80", 16, 80, true},
        {"moving average down to 79", 40, 79, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(OpAdd, {1}, {3});
        begun({1, 2, 3});
        s().answerCount(3) = row.count;
        s().percentCorrect(3) = row.percent;
        build();
        p.main.DsBgn.clear();

        EXPECT_EQ(AutoTeachStep(p), 1);

        if (row.begins) {
            EXPECT_EQ(p.main.DsBgn, "Begin: 4");
            EXPECT_EQ(seconds(), (std::vector<int>{3, 4}));
            // Begun in this pass: not yet counted.
            EXPECT_EQ(s().activeSteps(4), 0);
            EXPECT_EQ(pool(), (std::vector<int>{41, 42, 43, 44, 45, 46, 47, 48, 49, 50,
                                                61, 62, 63, 64, 65, 66, 67, 68, 69, 70}));
        } else {
            EXPECT_EQ(p.main.DsBgn, "");
            EXPECT_EQ(seconds(), (std::vector<int>{3}));
            EXPECT_EQ(p.drill.poolCount, 10);
        }
        EXPECT_EQ(s().activeSteps(3), 6);
    }
}

TEST_F(AutoTeach, BeginKeepsCountersOfFactsAlreadyInPlay)
{
    select(OpAdd, {1}, {3});
    begun({1, 2, 3});
    s().answerCount(3) = 15;
    s().percentCorrect(3) = 100;
    build();
    p.drill.fact(41).correct = 4;
    p.drill.fact(41).asked = 5;
    p.drill.fact(42).state = 0;
    p.drill.fact(61).asked = 9; // a stale counter of the number about to begin

    AutoTeachStep(p);

    EXPECT_EQ(p.drill.fact(41).correct, 4);
    EXPECT_EQ(p.drill.fact(41).asked, 5);
    EXPECT_EQ(p.drill.fact(42).state, 0);
    EXPECT_EQ(p.drill.fact(61).asked, 0);
    EXPECT_EQ(p.drill.fact(61).state, 1);
}

TEST_F(AutoTeach, SecondNumberTenCompletesTheLevelOneStepLater)
{
    select(OpAdd, {1}, {9});
    begun({1, 2, 3, 4, 5, 6, 7, 8, 9});
    s().answerCount(9) = 15;
    s().percentCorrect(9) = 100;
    build();

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, "Begin: 10");
    EXPECT_EQ(ranges(), (std::array<std::int16_t, 4>{1, 0, 0, 0}));

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Begin 11~13");
    EXPECT_EQ(p.main.DsEnd, " ");
    EXPECT_EQ(ranges(), (std::array<std::int16_t, 4>{0, 1, 0, 0}));
    EXPECT_EQ(seconds(), (std::vector<int>{1}));
    EXPECT_EQ(pool(), (std::vector<int>{11, 12, 13}));
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(s().answerCount(n), 0) << n;
        EXPECT_EQ(s().percentCorrect(n), 0) << n;
        EXPECT_EQ(s().activeSteps(n), 0) << n;
    }
}

TEST_F(AutoTeach, CompleteLevelMovesEveryRangeInPlayUpByOne)
{
    struct Row {
        const char* what;
        std::int16_t op;
        std::vector<int> before;
        std::array<std::int16_t, 4> after;
        std::string dsBgn;
        std::int16_t opAfter;
    };
    const std::vector<Row> rows{
        {"Add 1..10", OpAdd, {1}, {0, 1, 0, 0}, ":Begin 11~13", OpAdd},
        {"Add 11..13", OpAdd, {2}, {0, 0, 1, 0}, ":Begin 14~16", OpAdd},
        {"Sub 14..16", OpSub, {3}, {0, 0, 0, 1}, ":Begin 17~20", OpSub},
        {"Add 1..10 and 11..13: the lower new range is named",
         OpAdd,
         {1, 2},
         {0, 1, 1, 0},
         ":Begin 11~13",
         OpAdd},
        {"Add 14..16 and 17..20: the top range drops out",
         OpAdd,
         {3, 4},
         {0, 0, 0, 1},
         ":Begin 17~20",
         OpAdd},
        {"Sub 1..10 and 17..20", OpSub, {1, 4}, {0, 1, 0, 0}, ":Begin 11~13", OpSub},
        {"Add 17..20: next operation", OpAdd, {4}, {1, 0, 0, 0}, ":Level 10Sub", Op10Sub},
        {"Sub 17..20: next operation", OpSub, {4}, {1, 0, 0, 0}, ":Level Mult", OpMult},
        {"Mult never moves to another range", OpMult, {1, 2}, {1, 0, 0, 0}, ":Level Div", OpDiv},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(row.op, row.before, {10});
        beginAll();
        s().reviewCount = 57;
        build();

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.main.DsBgn, row.dsBgn);
        EXPECT_EQ(ranges(), row.after);
        EXPECT_EQ(s().operation, row.opAfter);
        EXPECT_EQ(s().reviewCount, 0);
        EXPECT_EQ(s().reviewLeft, kNoReview);
        const std::vector<int> expectSeconds = row.opAfter == Op10Sub
                                                   ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                                   : std::vector<int>{1};
        EXPECT_EQ(seconds(), expectSeconds);
    }
}

TEST_F(AutoTeach, NewRangeResetsFactsAndDrillCounters)
{
    select(OpAdd, {1}, {10});
    beginAll();
    build();
    p.drill.fact(11).asked = 3;
    p.drill.fact(11).state = 0;
    p.drill.score = 12;
    p.drill.total = 14;
    p.drill.drillMinutes = 6;

    AutoTeachStep(p);

    EXPECT_EQ(p.drill.fact(11).asked, 0);
    EXPECT_EQ(p.drill.fact(11).state, 1);
    EXPECT_EQ(p.drill.score, 0);
    EXPECT_EQ(p.drill.total, 0);
    EXPECT_EQ(p.drill.drillMinutes, 0);
}

TEST_F(AutoTeach, TenSubBeginsWithAllTenAndCompletesAtTheNextStep)
{
    select(OpAdd, {4}, {10});
    beginAll();
    build();

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Level 10Sub");
    EXPECT_EQ(p.main.DsEnd, "");
    EXPECT_EQ(s().operation, Op10Sub);
    EXPECT_EQ(seconds(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ranges(), (std::array<std::int16_t, 4>{1, 0, 0, 0}));
    // The facts were built anew for 10Sub: only the nine that make 10 are pooled.
    EXPECT_EQ(pool(), (std::vector<int>{9, 28, 47, 66, 85, 104, 123, 142, 161}));
    EXPECT_EQ(p.drill.fact(28).first, 10);
    EXPECT_EQ(p.drill.fact(28).answer, 8);

    // Second number 10 has no fact that makes 10, so nothing of it is in play.
    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Level Sub");
    EXPECT_EQ(s().operation, OpSub);
    EXPECT_EQ(seconds(), (std::vector<int>{1}));
    EXPECT_EQ(pool(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(p.drill.fact(3).first, 4);
    EXPECT_EQ(p.drill.fact(3).answer, 3);
}

TEST_F(AutoTeach, SwitchedOnWithAllTenSecondNumbersCompletesAtOnce)
{
    const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<int> rowOne{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    struct Row {
        const char* what;
        std::int16_t op;
        std::vector<int> selected;
        std::string dsBgn;
        std::int16_t opAfter;
        std::array<std::int16_t, 4> rangesAfter;
        std::vector<int> poolAfter;
    };
    const std::vector<Row> rows{
        {"Add: next range", OpAdd, all, ":Begin 11~13", OpAdd, {0, 1, 0, 0}, {11, 12, 13}},
        {"Sub: next range", OpSub, all, ":Begin 11~13", OpSub, {0, 1, 0, 0}, {11, 12, 13}},
        {"10Sub: next operation", Op10Sub, all, ":Level Sub", OpSub, {1, 0, 0, 0}, rowOne},
        {"Mult: next operation", OpMult, all, ":Level Div", OpDiv, {1, 0, 0, 0}, rowOne},
        // A 10Sub level set up without 10 is complete with 1..9 alone.
        {"10Sub without 10",
         Op10Sub,
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         ":Level Sub",
         OpSub,
         {1, 0, 0, 0},
         rowOne},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(row.op, {1}, row.selected);
        build();

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.main.DsBgn, row.dsBgn);
        EXPECT_EQ(s().operation, row.opAfter);
        EXPECT_EQ(ranges(), row.rangesAfter);
        EXPECT_EQ(seconds(), (std::vector<int>{1}));
        EXPECT_EQ(pool(), row.poolAfter);
        EXPECT_EQ(p.settings.startSettings, p.cur());
    }
}

TEST_F(AutoTeach, DivisionWithRemainderIsBuiltWithItsOwnDraws)
{
    select(OpDiv, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    build();
    // One draw per fact, in index order; fact 64 is second number 4, column 4.
    for (int i = 1; i <= 200; ++i) {
        f.random.push(i == 64 ? 0.15 : 0.0);
    }

    AutoTeachStep(p);

    EXPECT_EQ(p.main.DsBgn, ":Level DivR");
    EXPECT_EQ(s().operation, OpDivR);
    EXPECT_EQ(f.random.left(), 0u);
    // R(0.15 x 20) = 3, 3 mod 4 = 3: 19 / 4 = 4 R 3.
    EXPECT_EQ(p.drill.fact(64).first, 19);
    EXPECT_EQ(p.drill.fact(64).answer, 4);
    EXPECT_EQ(p.drill.fact(64).remainder, 3);
}

TEST_F(AutoTeach, FinishingDivisionWithRemainderEndsAutoTeach)
{
    select(OpDivR, {1}, {10});
    beginAll();
    for (int i = 1; i <= 200; ++i) {
        f.random.push(0.0);
    }
    build();
    p.settings.startSettings = DrillSettings{};

    EXPECT_EQ(AutoTeachStep(p), 0);

    EXPECT_EQ(p.main.DsBgn, ":Congratulations!");
    EXPECT_EQ(p.main.DsEnd, "Great Job!");
    EXPECT_EQ(s().autoTeach, 0);
    EXPECT_EQ(s().operation, OpDivR);
    // The finishing step does not take the selection over as the drill's.
    EXPECT_EQ(p.settings.startSettings, DrillSettings{});
    // Auto Teach is off now: a further step does nothing.
    EXPECT_EQ(AutoTeachStep(p), 1);
    EXPECT_EQ(p.settings.startSettings, DrillSettings{});
}

TEST_F(AutoTeach, MasteredSecondNumberIsRemovedAndReportedOnce)
{
    select(OpAdd, {1}, {1, 2});
    begun({1, 2});
    s().answerCount(2) = 7;
    s().percentCorrect(2) = 6;
    build();
    retireRow(2);
    ASSERT_TRUE(RowMastered(p.drill, 2));
    p.drill.fact(21).asked = 2; // a retired fact still keeps its counters until now

    AutoTeachStep(p);

    EXPECT_EQ(p.main.DsEnd, "Remove: 2");
    EXPECT_EQ(seconds(), (std::vector<int>{1}));
    EXPECT_EQ(s().answerCount(2), 0);
    EXPECT_EQ(s().percentCorrect(2), 0);
    EXPECT_EQ(s().activeSteps(2), 6); // kept: 2 never begins again at this level
    // The facts of 2 are reset and retired where they stand in the pool.
    EXPECT_EQ(p.drill.poolCount, 20);
    EXPECT_EQ(p.drill.fact(21).asked, 0);
    EXPECT_EQ(p.drill.fact(21).state, 0);

    p.main.DsEnd.clear();
    s().answerCount(1) = 15;
    s().percentCorrect(1) = 100;
    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsEnd, "");
    EXPECT_EQ(p.main.DsBgn, "");
    EXPECT_EQ(seconds(), (std::vector<int>{1}));
}

TEST_F(AutoTeach, BeginComesBeforeRemovalOfTheSameNumber)
{
    select(OpAdd, {1}, {4});
    begun({1, 2, 3, 4});
    s().answerCount(4) = 20;
    s().percentCorrect(4) = 90;
    build();
    retireRow(4);

    AutoTeachStep(p);

    EXPECT_EQ(p.main.DsBgn, "Begin: 5");
    EXPECT_EQ(p.main.DsEnd, "Remove: 4");
    EXPECT_EQ(seconds(), (std::vector<int>{5}));
}

TEST_F(AutoTeach, RowMastered)
{
    struct Row {
        const char* what;
        bool built;
        void (*arrange)(Drill&);
        bool mastered;
    };
    const std::vector<Row> rows{
        {"table never built or loaded", false, [](Drill&) {}, false},
        {"every fact retired", true, [](Drill&) {}, true},
        {"a fact in play", true, [](Drill& d) { d.fact(25).state = 1; }, false},
        {"a fact queued for repetition", true, [](Drill& d) { d.fact(25).state = 2; }, false},
        {"an unselected column still in play", true, [](Drill& d) { d.fact(40).state = 1; }, false},
        {"another number in play", true, [](Drill& d) { d.fact(41).state = 1; }, true},
        {"slot 201 is not a fact", true,
         [](Drill& d) {
             d.facts[201].second = 2;
             d.facts[201].state = 1;
         },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Drill d;
        if (row.built) {
            BuildFacts(d, s(), f.random); // every state 0, factCount 200
        }
        row.arrange(d);
        EXPECT_EQ(RowMastered(d, 2), row.mastered);
    }
}

TEST_F(AutoTeach, ClosingWithoutDrillingRemovesNothing)
{
    // Shut-down runs one step; with no fact file the table was never built.
    select(OpAdd, {1}, {1, 2});
    begun({1});
    const DrillSettings before = s();

    EXPECT_EQ(AutoTeachStep(p), 1);

    EXPECT_EQ(p.main.DsEnd, "");
    EXPECT_EQ(seconds(), (std::vector<int>{1, 2}));
    EXPECT_EQ(s().secondNum, before.secondNum);
    EXPECT_EQ(s().operation, OpAdd);
    EXPECT_EQ(ranges(), (std::array<std::int16_t, 4>{1, 0, 0, 0}));
}

TEST_F(AutoTeach, OffChangesNothingAtAll)
{
    for (std::int16_t off : {std::int16_t{0}, std::int16_t{2}, std::int16_t{-1}}) {
        SCOPED_TRACE(off);
        reset();
        // A state in which a step would begin, remove, review and complete the level.
        select(OpAdd, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        beginAll();
        s().answerCount(9) = 15;
        s().percentCorrect(9) = 100;
        s().reviewCount = 199;
        build();
        retireRow(1);
        s().autoTeach = off;
        p.settings.startSettings = DrillSettings{};
        p.main.DsBgn = "Get Ready";
        p.main.DsEnd = "";
        p.drill.score = 3;
        const DrillSettings cur = s();
        const std::vector<int> poolBefore = pool();
        const auto factsBefore = p.drill.facts;

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(s(), cur);
        EXPECT_EQ(p.settings.startSettings, DrillSettings{});
        EXPECT_EQ(pool(), poolBefore);
        EXPECT_EQ(p.drill.facts, factsBefore);
        EXPECT_EQ(p.drill.score, 3);
        EXPECT_EQ(p.main.DsBgn, "Get Ready");
        EXPECT_EQ(p.main.DsEnd, "");
    }
}

TEST_F(AutoTeach, ReviewStartsAfterReviewAfterStepsAndEndsReviewLengthStepsLater)
{
    struct Row {
        std::int16_t after;
        std::int16_t length;
    };
    for (const Row row : {Row{200, 100}, Row{100, 50}}) {
        SCOPED_TRACE(::testing::Message() << row.after << "/" << row.length);
        reset();
        s().reviewAfter() = row.after;
        s().reviewLength() = row.length;
        // 1 and 2 have begun and left again; 3 is being learned.
        select(OpAdd, {1}, {3});
        begun({1, 2, 3});
        build();

        for (int step = 1; step < row.after; ++step) {
            AutoTeachStep(p);
        }
        EXPECT_EQ(p.main.DsBgn, "");
        EXPECT_EQ(s().reviewCount, row.after - 1);
        p.drill.score = 9;
        p.drill.total = 11;

        AutoTeachStep(p); // step reviewAfter
        EXPECT_EQ(p.main.DsBgn, ":Rev 1 to 3");
        EXPECT_EQ(seconds(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(s().reviewLeft, row.length);
        EXPECT_EQ(s().reviewCount, 0);
        EXPECT_EQ(p.drill.poolCount, 30);
        EXPECT_EQ(p.drill.score, 0);
        EXPECT_EQ(p.drill.total, 0);
        EXPECT_EQ(p.settings.startSettings, p.cur());
        const std::int16_t stepsOf3 = s().activeSteps(3);

        // While reviewing nothing begins or leaves, even when it is due.
        s().answerCount(3) = 30;
        s().percentCorrect(3) = 100;
        retireRow(1);
        for (int step = 1; step < row.length; ++step) {
            AutoTeachStep(p);
        }
        EXPECT_EQ(p.main.DsBgn, ":Rev 1 to 3");
        EXPECT_EQ(p.main.DsEnd, "");
        EXPECT_EQ(s().reviewLeft, 1);
        EXPECT_EQ(s().activeSteps(3), stepsOf3);
        EXPECT_EQ(seconds(), (std::vector<int>{1, 2, 3}));
        p.drill.score = 5;

        AutoTeachStep(p); // reviewLength steps after the start
        EXPECT_EQ(p.main.DsBgn, ":Rev End");
        EXPECT_EQ(s().reviewLeft, kNoReview);
        EXPECT_EQ(s().reviewCount, 0);
        EXPECT_EQ(seconds(), (std::vector<int>{3}));
        EXPECT_EQ(pool(), (std::vector<int>{41, 42, 43, 44, 45, 46, 47, 48, 49, 50}));
        EXPECT_EQ(p.drill.score, 0);

        AutoTeachStep(p);
        EXPECT_EQ(p.main.DsBgn, "Begin: 4");
        EXPECT_EQ(s().reviewCount, 1);
    }
}

TEST_F(AutoTeach, ReviewOfNothingStillEndsAndTheNextStepBeginsAgain)
{
    // A review running over no second number at all (only a damaged record holds one).
    select(OpAdd, {1}, {});
    s().reviewLeft = 1;

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Rev End");
    EXPECT_EQ(seconds(), (std::vector<int>{}));
    EXPECT_EQ(s().reviewLeft, kNoReview);

    // With nothing in play and nothing begun, the level starts again from 1.
    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, "Begin: 1");
    EXPECT_EQ(seconds(), (std::vector<int>{1}));
}

TEST_F(AutoTeach, ReviewIsFrozenWhileReviewIsOff)
{
    select(OpAdd, {1}, {1, 2, 3});
    begun({1, 2, 3});
    s().answerCount(3) = 30;
    s().percentCorrect(3) = 100;
    s().reviewLeft = 40;
    s().reviewCount = 0;
    s().reviewOn = 0;
    build();
    retireRow(1);

    for (int step = 0; step < 500; ++step) {
        EXPECT_EQ(AutoTeachStep(p), 1);
    }
    EXPECT_EQ(s().reviewLeft, 40);
    EXPECT_EQ(s().reviewCount, 0);
    EXPECT_EQ(s().activeSteps(3), 5);
    EXPECT_EQ(seconds(), (std::vector<int>{1, 2, 3})); // 1 is mastered but stays
    EXPECT_EQ(p.main.DsBgn, "");
    EXPECT_EQ(p.main.DsEnd, "");

    s().reviewOn = 1;
    for (int step = 1; step < 40; ++step) {
        AutoTeachStep(p);
    }
    EXPECT_EQ(s().reviewLeft, 1);
    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Rev End");
    EXPECT_EQ(seconds(), (std::vector<int>{3}));
}

TEST_F(AutoTeach, DamagedCountersStayInRange)
{
    struct Row {
        const char* what;
        std::int16_t reviewCount;
        std::int16_t reviewLeft;
        std::int16_t reviewLength;
        int steps;
        std::int16_t countAfter;
        std::int16_t leftAfter;
    };
    const std::vector<Row> rows{
        {"count wraps above 32700", 32700, kNoReview, 100, 1, 0, kNoReview},
        {"count at the top of 16 bits", 32767, kNoReview, 100, 1, 0, kNoReview},
        {"a stuck negative review runs out", 5, -7, 100, 1, 5, kNoReview},
        {"a negative review length starts a review", 29999, kNoReview, -3, 1, 0, -3},
        {"which ends at the next step", 29999, kNoReview, -3, 2, 0, kNoReview},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(OpAdd, {1}, {3});
        begun({1, 2, 3});
        s().reviewAfter() = 30000;
        s().reviewCount = row.reviewCount;
        s().reviewLeft = row.reviewLeft;
        s().reviewLength() = row.reviewLength;
        s().activeSteps(3) = 32767;
        build();

        for (int step = 0; step < row.steps; ++step) {
            AutoTeachStep(p);
        }

        EXPECT_EQ(s().reviewCount, row.countAfter);
        EXPECT_EQ(s().reviewLeft, row.leftAfter);
        EXPECT_EQ(s().activeSteps(3), 32767);
    }
}

} // namespace
} // namespace sb
