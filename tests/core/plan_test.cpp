// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/practice_plan.h"

#include "records/index.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

constexpr std::int64_t kDay = 86'400'000;
constexpr int k7x8 = 147, k8x7 = 128; // 7 x 8 and its turn-around
constexpr int k3x4 = 63, k4x3 = 44;

// Worked by hand from the published formulas with the default weights.
TEST(MemoryModel, Formulas)
{
    const struct {
        const char* name;
        double got, want;
    } cases[] = {
        {"R(S, S)", Retrievability(7.5, 7.5), 0.9},
        {"R(10, 2.3065)", Retrievability(10, 2.3065), 0.774367},
        {"I(0.8, 10)", IntervalDays(0.8, 10), 33.1596},
        {"D0 Again", InitialDifficulty(Grade::Again), 6.4133},
        {"D0 Good", InitialDifficulty(Grade::Good), 2.118104},
        {"D0 Easy, clamped", InitialDifficulty(Grade::Easy), 1.0},
        {"D' Again", NextDifficulty(2.118104, Grade::Again), 7.400274},
        {"D' Easy", NextDifficulty(5, Grade::Easy), 3.320233},
        {"S' Good", RecallStability(2.118104, 2.3065, 0.880948, Grade::Good), 13.826904},
        {"S' Hard", RecallStability(2.118104, 2.3065, 0.880948, Grade::Hard), 9.234871},
        {"S' Easy", RecallStability(2.118104, 2.3065, 0.880948, Grade::Easy), 23.883064},
        {"S' forgotten", ForgetStability(2.118104, 2.3065, 0.880948), 0.636851},
        {"same day Again", ShortTermStability(2.3065, Grade::Again), 0.775084},
        {"same day Good never lowers", ShortTermStability(2.3065, Grade::Good), 2.3065},
        {"same day Good", ShortTermStability(0.1, Grade::Good), 0.122261},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.got, c.want, 1e-5 * std::max(1.0, c.want)) << c.name;
    }
    const struct {
        AnswerOutcome outcome;
        int millis;
        Grade want;
    } grades[] = {
        {AnswerOutcome::Right, 1500, Grade::Easy}, {AnswerOutcome::Right, 1501, Grade::Good},
        {AnswerOutcome::Right, 3000, Grade::Good}, {AnswerOutcome::Right, 3001, Grade::Hard},
        {AnswerOutcome::Wrong, 500, Grade::Again}, {AnswerOutcome::TimeOut, 0, Grade::Again}};
    for (const auto& g : grades) {
        EXPECT_EQ(GradeOf(g.outcome, g.millis, 3000), g.want) << g.millis;
    }
    EXPECT_EQ(TurnAroundOf(OpMult, k7x8), k8x7);
    EXPECT_EQ(TurnAroundOf(OpAdd, factIndex(9, 3)), factIndex(3, 9));
    EXPECT_EQ(TurnAroundOf(OpAdd, factIndex(2, 15)), 0);
    EXPECT_EQ(TurnAroundOf(OpSub, factIndex(9, 3)), 0);
}

// 7 x 8 right (Good), then three days later right again (Good) or wrong: its own steps, and
// half of each for 8 x 7.
TEST(MemoryModel, AnswersAndTurnAround)
{
    const struct {
        AnswerOutcome second;
        double s, d, turnS, turnD;
    } cases[] = {{AnswerOutcome::Right, 13.826904, 2.116986, 6.087814, 2.117545},
                 {AnswerOutcome::Wrong, 0.636851, 7.400274, 0.788647, 4.759189}};
    for (const auto& c : cases) {
        const auto row = [](std::int64_t at, int fact, AnswerOutcome outcome) {
            AnswerRow r;
            r.atMs = at, r.operation = OpMult, r.fact = static_cast<std::int16_t>(fact);
            r.outcome = outcome, r.millis = outcome == AnswerOutcome::Right ? 2000 : 4000;
            return r;
        };
        const std::vector<AnswerRow> rows{row(0, k3x4, AnswerOutcome::Wrong),
                                          row(kDay, k7x8, AnswerOutcome::Right),
                                          row(4 * kDay, k7x8, c.second)};
        MemoryModel stepwise;
        for (const AnswerRow& r : rows) {
            stepwise.answer(r.operation, r.fact, r.outcome, r.millis, r.atMs);
        }
        const MemoryModel built = MemoryModel::FromHistory(rows, 3000);
        for (const MemoryModel* m : std::array<const MemoryModel*, 2>{&stepwise, &built}) {
            const FactMemory& f = m->memory(OpMult, k7x8);
            const FactMemory& t = m->memory(OpMult, k8x7);
            EXPECT_NEAR(f.stability, c.s, 1e-4 * c.s);
            EXPECT_NEAR(f.difficulty, c.d, 1e-4);
            EXPECT_NEAR(t.stability, c.turnS, 1e-4 * c.turnS);
            EXPECT_NEAR(t.difficulty, c.turnD, 1e-4);
            EXPECT_EQ(f.answers, 2);
            EXPECT_EQ(t.answers, 0);
            EXPECT_FALSE(m->memory(OpMult, k4x3).seen()); // a miss seeds nothing
            EXPECT_TRUE(f.graduated);
            EXPECT_FALSE(t.graduated);
            EXPECT_EQ(m->fluent(OpMult, k7x8, 4 * kDay), c.second == AnswerOutcome::Right);
        }
    }
}

TEST(PracticePlan, SelectedFactsArePooled)
{
    const auto pick = [](int op, std::vector<int> ranges, std::vector<int> seconds) {
        DrillSettings s = originalDefaults();
        s.operation = static_cast<std::int16_t>(op);
        s.firstRange.fill(0), s.secondNum.fill(0);
        for (int r : ranges) {
            s.firstRange[asIndex(r)] = 1;
        }
        for (int n : seconds) {
            s.secondNum[asIndex(n)] = 1;
        }
        return s;
    };
    for (const DrillSettings& s :
         {pick(OpMult, {1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), pick(OpAdd, {2, 4}, {3, 7}),
          pick(Op10Sub, {1, 2}, {1, 4, 10}), pick(OpDivR, {3}, {5})}) {
        Drill d;
        BuildFacts(d, s, *std::make_unique<ConstantRandom>(0.0));
        BuildPool(d, s, PoolMode::ResetAll, 0);
        const std::vector<int> pooled(d.pool.begin() + 1, d.pool.begin() + 1 + d.poolCount);
        EXPECT_EQ(SelectedFacts(s), pooled) << s.operation;
    }
}

TEST(PracticePlan, TeachingOrder)
{
    // x1, x10, x2, x5, squares, x9, x3, x4, the rest; +1, doubles, +10, near doubles, make ten
    const std::vector<std::pair<int, int>> mult{{7, 1}, {3, 10}, {8, 2}, {6, 5}, {6, 6},
                                                {7, 9}, {8, 3},  {7, 4}, {8, 7}};
    const std::vector<std::pair<int, int>> add{{5, 1}, {4, 4}, {3, 10}, {5, 4}, {3, 7}, {9, 2}};
    for (const auto& [op, inverse, order] :
         {std::tuple{OpMult, OpDiv, mult}, {OpAdd, OpSub, add}}) {
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            const int f = factIndex(order[i].second, order[i].first);
            const int g = factIndex(order[i + 1].second, order[i + 1].first);
            EXPECT_LT(TeachingRank(op, f), TeachingRank(op, g)) << op << " step " << i;
            EXPECT_EQ(TeachingRank(op, f), TeachingRank(inverse, f));
        }
    }
}

// Problems posed every 10 s, each answered as `answer` says (millis; negative: wrong).
std::vector<PlanChoice> practise(PracticePlan& plan, MemoryModel& model, std::int64_t& now,
                                 Random& random, int problems, int (*answer)(int, int))
{
    std::vector<PlanChoice> posed;
    for (int i = 0; i < problems; ++i, now += 10'000) {
        const PlanChoice c = plan.choose(model, now, random);
        const int millis = answer(c.fact, i);
        const auto outcome = millis < 0 ? AnswerOutcome::Wrong : AnswerOutcome::Right;
        model.answer(plan.operation(), c.fact, outcome, std::abs(millis), now);
        plan.answered(c.fact, GradeOf(outcome, std::abs(millis), 3000), random);
        posed.push_back(c);
    }
    return posed;
}

TEST(PracticePlan, Choosing)
{
    DrillSettings s = originalDefaults();
    s.operation = OpMult;
    const std::vector<int> facts = SelectedFacts(s);
    ConstantRandom low(0.0), high(0.99);
    MemoryModel model;
    std::int64_t now = 0;
    // All fluent: new facts in teaching order, each followed by a known one.
    PracticePlan plan(OpMult, facts);
    auto posed = practise(plan, model, now, low, 12, [](int, int) { return 1000; });
    std::vector<int> fresh;
    for (std::size_t i = 0; i < posed.size(); ++i) {
        if (posed[i].reason == PlanReason::New) {
            fresh.push_back(posed[i].fact);
        }
        EXPECT_TRUE(i == 0 || posed[i].fact != posed[i - 1].fact);
    }
    EXPECT_EQ(fresh, std::vector<int>(plan.facts().begin(), plan.facts().begin() + 7));
    // Weeks later every one is due, the lowest recall first.
    now += 60 * kDay;
    PracticePlan nextDay(OpMult, facts);
    const PlanChoice due = nextDay.choose(model, now, low);
    EXPECT_EQ(due.reason, PlanReason::Due);
    for (int f : fresh) {
        EXPECT_LE(model.recall(OpMult, due.fact, now), model.recall(OpMult, f, now));
    }
    EXPECT_EQ(FiguresOfPlan(model, OpMult, facts, now, now + kDay).dueToday, 7);

    // Always slow: three are learnt and no fourth starts.
    PracticePlan slow(OpMult, facts);
    MemoryModel blank;
    posed = practise(slow, blank, now, low, 20, [](int, int) { return 4000; });
    std::set<int> learnt;
    for (const PlanChoice& c : posed) {
        learnt.insert(c.fact);
    }
    EXPECT_EQ(learnt.size(), 3U);

    // A miss comes back after two to four others, as drawn.
    for (Random* r : {static_cast<Random*>(&low), static_cast<Random*>(&high)}) {
        PracticePlan missed(OpMult, facts);
        MemoryModel m;
        posed = practise(missed, m, now, *r, 8, [](int, int i) { return i == 1 ? -2000 : 1000; });
        const std::size_t back = r == &low ? 4 : 6;
        EXPECT_EQ(posed[back].fact, posed[1].fact);
        EXPECT_EQ(posed[back].reason, PlanReason::Missed);
    }
}

} // namespace
} // namespace sb::test
