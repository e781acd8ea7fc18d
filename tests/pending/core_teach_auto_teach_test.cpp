#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "records/fact_table.h"
#include "teach/auto_teach.h"

namespace sb {
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
        BuildFacts(p.drill, s(), f.random);
        BuildPool(p.drill, s(), 0, 0);
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

    void expectSeconds(const std::vector<int>& n) { EXPECT_EQ(s().secondNum, ones<11>(n)); }

    test::ProgramFixture f;
    Program& p = f.program;
};

TEST_F(AutoTeach, BeginsNextSecondNumberOnlyWhenAnsweredWellEnough)
{
    // Defaults: averageOver 15, advancePercent 80. Below 15 answers the column is a count.
    struct Row {
        std::int16_t count;
        std::int16_t percent;
        bool begins;
    };
    for (const Row row : {Row{15, 80, true}, Row{15, 79, false}, Row{14, 12, false},
                          Row{15, 86, true}, Row{16, 80, true}}) {
        SCOPED_TRACE(::testing::Message() << row.percent << " after " << row.count);
        reset();
        select(OpAdd, {1}, {3}, {1, 2, 3});
        s().answerCount(3) = row.count;
        s().percentCorrect(3) = row.percent;
        p.drill.fact(41).asked = 5; // a fact in play keeps its counters
        p.drill.fact(61).asked = 9; // a stale counter of the number about to begin

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.drill.fact(41).asked, 5);
        EXPECT_EQ(s().activeSteps(3), 6);
        if (row.begins) {
            EXPECT_EQ(p.main.DsBgn, "Begin: 4");
            EXPECT_EQ(s().activeSteps(4), 0); // begun in this pass: not yet counted
            EXPECT_EQ(p.drill.poolCount, 20);
            EXPECT_EQ(p.drill.pool[11], 61);
            EXPECT_EQ(p.drill.fact(61).asked, 0);
        } else {
            EXPECT_EQ(p.main.DsBgn, "");
            expectSeconds({3});
        }
    }
}

TEST_F(AutoTeach, CompleteLevelMovesEveryRangeUpOrGoesToTheNextOperation)
{
    const std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    struct Row {
        std::int16_t op;
        std::vector<int> before;
        std::vector<int> selected; // only 10: all ten have begun
        std::string dsBgn;
        std::int16_t opAfter;
        std::vector<int> after;
    };
    const std::vector<Row> rows{
        {OpAdd, {1}, {10}, ":Begin 11~13", OpAdd, {2}},
        {OpAdd, {1, 2}, {10}, ":Begin 11~13", OpAdd, {2, 3}},
        {OpAdd, {3, 4}, {10}, ":Begin 17~20", OpAdd, {4}},
        {OpAdd, {4}, {10}, ":Level 10Sub", Op10Sub, {1}},
        {OpMult, {1, 2}, {10}, ":Level Div", OpDiv, {1}},
        // Switched on with all ten second numbers: complete at once.
        {Op10Sub, {1}, all, ":Level Sub", OpSub, {1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dsBgn);
        reset();
        select(row.op, row.before, row.selected,
               row.selected.size() == 1 ? all : std::vector<int>{});
        s().reviewCount = 57;
        s().answerCount(7) = 9;
        p.drill.score = 12;
        p.drill.total = 14;

        EXPECT_EQ(AutoTeachStep(p), 1);

        EXPECT_EQ(p.main.DsBgn, row.dsBgn);
        EXPECT_EQ(s().operation, row.opAfter);
        EXPECT_EQ(s().firstRange, ones<5>(row.after));
        expectSeconds(row.opAfter == Op10Sub ? all : std::vector<int>{1});
        EXPECT_EQ(p.drill.score + p.drill.total + s().answerCount(7) + s().reviewCount, 0);
        EXPECT_EQ(s().reviewLeft, kNoReview);
        EXPECT_EQ(p.settings.startSettings, p.cur());
    }
}

TEST_F(AutoTeach, MasteredSecondNumberIsRemovedAfterTheNextBeginsAndReportedOnce)
{
    select(OpAdd, {1}, {4}, {1, 2, 3, 4});
    s().answerCount(4) = 20;
    s().percentCorrect(4) = 90;
    retireRow(4);
    p.drill.fact(61).asked = 2;

    AutoTeachStep(p);

    EXPECT_EQ(p.main.DsBgn + "|" + p.main.DsEnd, "Begin: 5|Remove: 4");
    expectSeconds({5});
    EXPECT_EQ(s().answerCount(4) + p.drill.fact(61).asked, 0);
    EXPECT_EQ(s().activeSteps(4), 6); // kept: 4 never begins again at this level

    p.main.DsEnd.clear();
    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsEnd, "");
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
        {"never-built table read back from a file", false, 25, 0, false},
        {"every fact retired", true, 25, 0, true},
        {"a fact queued for repetition", true, 25, 2, false},
        {"an unselected column still in play", true, 40, 1, false},
        {"another number in play", true, 41, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Drill d;
        if (row.built) {
            BuildFacts(d, s(), f.random); // every state 0
        } else {
            d.factCount = kFactSlots; // as reading a fact file of zeros leaves it
        }
        d.fact(row.fact).state = row.state;
        EXPECT_EQ(RowMastered(d, 2), row.mastered);
    }
}

TEST_F(AutoTeach, OffChangesNothingAtAll)
{
    // A state in which a step would begin, remove, review and complete the level.
    select(OpAdd, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    s().answerCount(9) = 15;
    s().percentCorrect(9) = 100;
    s().reviewCount = 199;
    retireRow(1);
    s().autoTeach = 2; // only 1 is on
    p.main.DsBgn = "Get Ready";
    const Settings settings = p.settings;
    const Drill drill = p.drill;

    EXPECT_EQ(AutoTeachStep(p), 1);

    EXPECT_EQ(p.cur(), settings.curSettings);
    EXPECT_EQ(p.settings.startSettings, settings.startSettings);
    EXPECT_EQ(p.drill.facts, drill.facts);
    EXPECT_EQ(p.drill.pool, drill.pool);
    EXPECT_EQ(p.main.DsBgn + p.main.DsEnd, "Get Ready");
}

TEST_F(AutoTeach, ReviewStartsAtStep200AndEnds100StepsLater)
{
    // 1 and 2 have begun and left again; 3 is being learned.
    select(OpAdd, {1}, {3}, {1, 2, 3});
    for (int step = 1; step < 200; ++step) {
        AutoTeachStep(p);
    }
    EXPECT_EQ(p.main.DsBgn, "");

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Rev 1 to 3");
    EXPECT_EQ(p.drill.poolCount, 30);
    EXPECT_EQ(p.settings.startSettings, p.cur());

    // While reviewing nothing begins or leaves, even when it is due.
    s().answerCount(3) = 30;
    s().percentCorrect(3) = 100;
    retireRow(1);
    for (int step = 1; step < 100; ++step) {
        AutoTeachStep(p);
    }
    EXPECT_EQ(p.main.DsEnd, "");
    expectSeconds({1, 2, 3});

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, ":Rev End");
    expectSeconds({3});
    EXPECT_EQ(p.drill.poolCount, 10);

    AutoTeachStep(p);
    EXPECT_EQ(p.main.DsBgn, "Begin: 4");
}

TEST_F(AutoTeach, ReviewIsFrozenWhileReviewIsOff)
{
    select(OpAdd, {1}, {1, 2, 3}, {1, 2, 3});
    s().answerCount(3) = 30;
    s().percentCorrect(3) = 100;
    s().reviewLeft = 40;
    s().reviewOn = 0;
    retireRow(1);

    for (int step = 0; step < 500; ++step) {
        AutoTeachStep(p);
    }
    EXPECT_EQ(s().reviewLeft, 40);
    EXPECT_EQ(s().reviewCount, 0);
    expectSeconds({1, 2, 3}); // 1 is mastered but stays
    EXPECT_EQ(p.main.DsBgn + p.main.DsEnd, "");
}

} // namespace
} // namespace sb
