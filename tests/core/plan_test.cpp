// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/practice_plan.h"

#include "support/test_support.h"

namespace sb::test {
namespace {

constexpr std::int64_t kDay = 86'400'000;
constexpr int k7x8 = 147, k8x7 = 128, k3x4 = 63, k4x3 = 44;

// Worked by hand from the published formulas with the default weights.
TEST(MemoryModel, Formulas)
{
    const double d = 2.118104, s = 2.3065, r = 0.880948; // a Good first answer, 3 days on
    const std::pair<double, double> cases[] = {
        {Retrievability(7.5, 7.5), 0.9},
        {IntervalDays(0.8, 10), 33.1596},
        {InitialDifficulty(Grade::Good), d},
        {InitialDifficulty(Grade::Easy), 1.0}, // clamped
        {NextDifficulty(d, Grade::Again), 7.400274},
        {NextDifficulty(5, Grade::Easy), 3.320233},
        {RecallStability(d, s, r, Grade::Good), 13.826904},
        {RecallStability(d, s, r, Grade::Hard), 9.234871},
        {RecallStability(d, s, r, Grade::Easy), 23.883064},
        {ForgetStability(d, s, r), 0.636851},
        {ShortTermStability(s, Grade::Again), 0.775084},
        {ShortTermStability(s, Grade::Good), s}, // never lowered by a right answer
        {ShortTermStability(0.1, Grade::Good), 0.122261},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_NEAR(got, want, 1e-5 * want) << want;
    }
    const std::tuple<AnswerOutcome, int, Grade> grades[] = {
        {AnswerOutcome::Right, 1500, Grade::Easy}, {AnswerOutcome::Right, 1501, Grade::Good},
        {AnswerOutcome::Right, 3000, Grade::Good}, {AnswerOutcome::Right, 3001, Grade::Hard},
        {AnswerOutcome::Wrong, 500, Grade::Again}, {AnswerOutcome::TimeOut, 0, Grade::Again}};
    for (const auto& [outcome, millis, grade] : grades) {
        EXPECT_EQ(GradeOf(outcome, millis, 3000), grade) << millis;
    }
    EXPECT_EQ(ints(TurnAroundOf(OpAdd, factIndex(9, 3)), TurnAroundOf(OpMult, factIndex(2, 1))),
              ints(factIndex(3, 9), factIndex(1, 2)));
    EXPECT_EQ(TurnAroundOf(OpAdd, factIndex(2, 15)) + TurnAroundOf(OpSub, 1), 0);
}

// 3 x 4 wrong; 7 x 8 right (Good), three days later right or wrong again: its own steps, half
// of each for 8 x 7, and nothing for 4 x 3.
TEST(MemoryModel, AnswersAndTurnAround)
{
    const std::tuple<AnswerOutcome, double, double, double, double> cases[] = {
        {AnswerOutcome::Right, 13.826904, 2.116986, 6.087814, 2.117545},
        {AnswerOutcome::Wrong, 0.636851, 7.400274, 0.788647, 4.759189}};
    for (const auto& [second, s, d, turnS, turnD] : cases) {
        std::vector<AnswerRow> rows(3);
        for (AnswerRow& row : rows) {
            row.operation = OpMult, row.millis = 2000, row.fact = k7x8;
        }
        rows[0].fact = k3x4, rows[0].outcome = AnswerOutcome::Wrong;
        rows[1].atMs = kDay, rows[2].atMs = 4 * kDay, rows[2].outcome = second;
        const MemoryModel m = MemoryModel::FromHistory(rows, 3000);
        const FactMemory &f = m.memory(OpMult, k7x8), &t = m.memory(OpMult, k8x7);
        EXPECT_NEAR(f.stability, s, 1e-4 * s);
        EXPECT_NEAR(f.difficulty, d, 1e-4);
        EXPECT_NEAR(t.stability, turnS, 1e-4 * turnS);
        EXPECT_NEAR(t.difficulty, turnD, 1e-4);
        EXPECT_EQ(std::tuple(f.answers, f.graduated, t.answers, t.graduated),
                  std::tuple(2, true, 0, false));
        EXPECT_FALSE(m.memory(OpMult, k4x3).seen());
        EXPECT_EQ(m.fluent(OpMult, k7x8, 4 * kDay), second == AnswerOutcome::Right);
    }
    AnswerRow last; // the last fact of the table
    last.operation = OpMult, last.fact = kFactSlots;
    EXPECT_TRUE(MemoryModel::FromHistory({&last, 1}, 3000).memory(OpMult, kFactSlots).seen());
    MemoryModel often; // a fact answered more often than its count holds stays counted
    for (int i = 0; i < 65536; ++i) {
        often.answer(OpMult, k7x8, AnswerOutcome::Right, 1000, i);
    }
    EXPECT_EQ(often.memory(OpMult, k7x8).answers, 65535);
    for (const auto& [operation, fact] :
         {std::pair{0, k7x8}, {OpMult, 0}, {OpMult, kFactSlots + 1}}) {
        often.answer(operation, fact, AnswerOutcome::Right, 1000, 0); // no such fact: ignored
        EXPECT_FALSE(often.memory(operation, fact).seen()) << operation << " " << fact;
        EXPECT_EQ(TeachingRank(operation, fact), std::numeric_limits<int>::max());
    }
}

TEST(PracticePlan, FactsAndTeachingOrder)
{
    for (const auto& [op, range, seconds] :
         {std::tuple{OpMult, 1, 0x7FE}, {OpAdd, 4, 0x88}, {Op10Sub, 1, 0x412}, {OpDivR, 3, 0x20}}) {
        DrillSettings s = originalDefaults();
        s.operation = op, s.firstRange = {0, 0, 0, 0, 0}, s.firstRange.at(range) = 1;
        for (std::size_t n = 1; n <= 10; ++n) {
            s.secondNum[n] = static_cast<std::int16_t>(seconds >> n & 1);
        }
        Drill d;
        BuildFacts(d, s, *std::make_unique<ConstantRandom>(0.0));
        BuildPool(d, s, PoolMode::ResetAll, 0);
        EXPECT_EQ(SelectedFacts(s),
                  std::vector<int>(d.pool.begin() + 1, d.pool.begin() + 1 + d.poolCount));
    }
    // x1, x10, x2, x5, squares, x9, x3, x4, the rest; +1, doubles, +10, near doubles, make ten.
    // A step comes before the next whatever their numbers: 9 x 9 before 7 x 9, 9 + 8 before 3 + 7.
    const std::vector<int> mult{7, 183, 28, 86, 88, 106, 169, 167, 48, 67, 68, 107, 128};
    const std::vector<int> add{41, 5, 64, 190, 50, 183, 65, 149, 123, 28, 25, 29};
    for (const auto& [op, inverse, order] :
         {std::tuple{OpMult, OpDiv, mult}, {OpAdd, OpSub, add}}) {
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            EXPECT_LT(TeachingRank(op, order[i]), TeachingRank(op, order[i + 1])) << order[i];
            EXPECT_EQ(TeachingRank(op, order[i]), TeachingRank(inverse, order[i]));
        }
        EXPECT_LT(TeachingRank(op, kFactSlots), TeachingRank(op, kFactSlots + 1)) << "the last";
    }
}

// One session of problems 10 s apart, answered in `millis` (negative: wrong), as the reasons
// of its choices (Missed, Due, Slow, Learning, New, Known); new facts in teaching order.
std::string practise(MemoryModel& model, std::int64_t& now, Random& random, int problems,
                     int (*millis)(int))
{
    PracticePlan plan(OpMult, SelectedFacts(originalDefaults()));
    std::string reasons;
    for (std::size_t i = 0, next = 0, last = 0; i < static_cast<std::size_t>(problems); ++i) {
        const PlanChoice c = plan.choose(model, now += 10'000, random);
        const int ms = millis(static_cast<int>(i));
        const auto outcome = ms < 0 ? AnswerOutcome::Wrong : AnswerOutcome::Right;
        model.answer(OpMult, c.fact, outcome, std::abs(ms), now);
        plan.answered(c.fact, GradeOf(outcome, std::abs(ms), 3000), random);
        EXPECT_TRUE(c.reason != PlanReason::New || c.fact == plan.facts()[next++]);
        EXPECT_NE(std::exchange(last, static_cast<std::size_t>(c.fact)), c.fact);
        reasons += "MDSLNK"[static_cast<int>(c.reason)];
    }
    return reasons;
}

TEST(PracticePlan, Choosing)
{
    ConstantRandom low(0.0), high(0.99);
    MemoryModel fluent, slow, missed, missedLate;
    std::int64_t now = 0;
    EXPECT_EQ(practise(fluent, now, low, 12, [](int) { return 1000; }), "NNKNKNKNKNKN");
    // A miss comes back after two to four others, as drawn.
    const auto missSecond = [](int i) { return i == 1 ? -2000 : 1000; };
    EXPECT_EQ(practise(missed, now, low, 8, missSecond), "NNKNMKNK");
    EXPECT_EQ(practise(missedLate, now, high, 8, missSecond), "NNKNKNMK");
    // Slow answers: three are learnt and no fourth starts.
    EXPECT_EQ(practise(slow, now, low, 10, [](int) { return 4000; }), "NNNLLLLLLL");
    // Weeks later every one is due, the lowest recall first.
    now += 60 * kDay;
    const std::vector<int> facts = SelectedFacts(originalDefaults());
    const PlanChoice due = PracticePlan(OpMult, facts).choose(fluent, now, low);
    EXPECT_EQ(due.reason, PlanReason::Due);
    EXPECT_TRUE(std::ranges::all_of(facts, [&](int f) {
        return !fluent.memory(OpMult, f).seen() ||
               fluent.recall(OpMult, due.fact, now) <= fluent.recall(OpMult, f, now);
    }));
    EXPECT_EQ(DueBefore(fluent, OpMult, facts, now + kDay), 7);
    EXPECT_EQ(PracticePlan(OpMult, {0, 1, kFactSlots, kFactSlots + 1}).facts(),
              (std::vector{1, kFactSlots}))
        << "the table's";
    PracticePlan missing(OpMult, {7, kFactSlots}); // a miss of no such fact never comes back
    for (const int fact : {0, kFactSlots + 1, kFactSlots, 7, 7, 7}) {
        missing.answered(fact, fact == 7 ? Grade::Good : Grade::Again, low);
    }
    EXPECT_EQ(missing.choose(fluent, now, low).fact, kFactSlots) << "the last fact's does";
    PracticePlan one(OpMult, {7}); // the fact just asked, when it is the only one
    EXPECT_EQ(ints(one.choose(fluent, now, low).fact, one.choose(fluent, now, low).fact),
              ints(7, 7));
}

} // namespace
} // namespace sb::test
