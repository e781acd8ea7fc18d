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

    void build()
    {
        BuildFacts(p.drill, s(), f.random);
        BuildPool(p.drill, s(), 0, 0);
    }

    // Retires every pooled fact of second number n.
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
    // Defaults: averageOver 15, advancePercent 80. Below 15 answers the column is a count.
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
        {"15th answer right: 86", 15, 86, true},
        {"16th answer wrong: 80", 16, 80, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(OpAdd, {1}, {3});
        begun({1, 2, 3});
        s().answerCount(3) = row.count;
        s().percentCorrect(3) = row.percent;
        build();
        p.drill.fact(41).asked = 5; // a fact in play keeps its counters
        p.drill.fact(61).asked = 9; // a stale counter of the number about to begin
        p.main.DsBgn.clear();

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.drill.fact(41).asked, 5);

        if (row.begins) {
            EXPECT_EQ(p.main.DsBgn, "Begin: 4");
            EXPECT_EQ(seconds(), (std::vector<int>{3, 4}));
            // Begun in this pass: not yet counted.
            EXPECT_EQ(s().activeSteps(4), 0);
            EXPECT_EQ(pool(), (std::vector<int>{41, 42, 43, 44, 45, 46, 47, 48, 49, 50,
                                                61, 62, 63, 64, 65, 66, 67, 68, 69, 70}));
            EXPECT_EQ(p.drill.fact(61).asked, 0);
        } else {
            EXPECT_EQ(p.main.DsBgn, "");
            EXPECT_EQ(seconds(), (std::vector<int>{3}));
            EXPECT_EQ(p.drill.poolCount, 10);
        }
        EXPECT_EQ(s().activeSteps(3), 6);
    }
}

TEST_F(AutoTeach, CompleteLevelMovesEveryRangeUpOrGoesToTheNextOperation)
{
    const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    struct Row {
        const char* what;
        std::int16_t op;
        std::vector<int> before;
        std::vector<int> selected; // all begun when only 10 is selected
        std::string dsBgn;
        std::int16_t opAfter;
        std::array<std::int16_t, 4> after;
        int poolAfter;
    };
    const std::vector<Row> rows{
        {"Add 1..10", OpAdd, {1}, {10}, ":Begin 11~13", OpAdd, {0, 1, 0, 0}, 3},
        {"Sub 14..16", OpSub, {3}, {10}, ":Begin 17~20", OpSub, {0, 0, 0, 1}, 4},
        {"the lower new range is named",
         OpAdd,
         {1, 2},
         {10},
         ":Begin 11~13",
         OpAdd,
         {0, 1, 1, 0},
         6},
        {"the top range drops out", OpAdd, {3, 4}, {10}, ":Begin 17~20", OpAdd, {0, 0, 0, 1}, 4},
        {"Add 17..20", OpAdd, {4}, {10}, ":Level 10Sub", Op10Sub, {1, 0, 0, 0}, 9},
        {"Sub 17..20", OpSub, {4}, {10}, ":Level Mult", OpMult, {1, 0, 0, 0}, 10},
        {"Mult never moves to another range",
         OpMult,
         {1, 2},
         {10},
         ":Level Div",
         OpDiv,
         {1, 0, 0, 0},
         10},
        // Switched on with all ten second numbers: complete at once.
        {"all ten, Sub", OpSub, {1}, all, ":Begin 11~13", OpSub, {0, 1, 0, 0}, 3},
        {"all ten, 10Sub", Op10Sub, {1}, all, ":Level Sub", OpSub, {1, 0, 0, 0}, 10},
        {"10Sub without 10",
         Op10Sub,
         {1},
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         ":Level Sub",
         OpSub,
         {1, 0, 0, 0},
         10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        reset();
        select(row.op, row.before, row.selected);
        if (row.selected.size() == 1) {
            beginAll();
        }
        s().reviewCount = 57;
        s().answerCount(7) = 9;
        s().percentCorrect(7) = 50;
        build();
        p.drill.score = 12;
        p.drill.total = 14;
        p.drill.drillMinutes = 6;

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.main.DsBgn, row.dsBgn);
        EXPECT_EQ(s().operation, row.opAfter);
        EXPECT_EQ(ranges(), row.after);
        EXPECT_EQ(seconds(), row.opAfter == Op10Sub ? all : std::vector<int>{1});
        EXPECT_EQ(p.drill.poolCount, row.poolAfter);
        EXPECT_EQ(p.drill.score + p.drill.total + p.drill.drillMinutes, 0);
        EXPECT_EQ(s().answerCount(7) + s().percentCorrect(7) + s().activeSteps(10), 0);
        EXPECT_EQ(s().reviewCount, 0);
        EXPECT_EQ(s().reviewLeft, kNoReview);
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
    EXPECT_EQ(p.main.DsBgn + p.main.DsEnd, "");
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
        const DrillSettings cur = s();
        const Drill drillBefore = p.drill;

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(s(), cur);
        EXPECT_EQ(p.settings.startSettings, DrillSettings{});
        EXPECT_EQ(p.drill.facts, drillBefore.facts);
        EXPECT_EQ(p.drill.pool, drillBefore.pool);
        EXPECT_EQ(p.main.DsBgn + p.main.DsEnd, "Get Ready");
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
        EXPECT_EQ(p.drill.score + p.drill.total, 0);
        EXPECT_EQ(p.settings.startSettings, p.cur());
        const std::int16_t stepsOf3 = s().activeSteps(3);

        // While reviewing nothing begins or leaves, even when it is due.
        s().answerCount(3) = 30;
        s().percentCorrect(3) = 100;
        retireRow(1);
        for (int step = 1; step < row.length; ++step) {
            AutoTeachStep(p);
        }
        EXPECT_EQ(p.main.DsEnd, "");
        EXPECT_EQ(s().reviewLeft, 1);
        EXPECT_EQ(s().activeSteps(3), stepsOf3);
        EXPECT_EQ(seconds(), (std::vector<int>{1, 2, 3}));

        AutoTeachStep(p); // reviewLength steps after the start
        EXPECT_EQ(p.main.DsBgn, ":Rev End");
        EXPECT_EQ(s().reviewLeft, kNoReview);
        EXPECT_EQ(s().reviewCount, 0);
        EXPECT_EQ(seconds(), (std::vector<int>{3}));
        EXPECT_EQ(pool(), (std::vector<int>{41, 42, 43, 44, 45, 46, 47, 48, 49, 50}));

        AutoTeachStep(p);
        EXPECT_EQ(p.main.DsBgn, "Begin: 4");
        EXPECT_EQ(s().reviewCount, 1);
    }
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
    EXPECT_EQ(p.main.DsBgn + p.main.DsEnd, "");

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
