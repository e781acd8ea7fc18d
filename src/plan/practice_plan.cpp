// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/practice_plan.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "records/fact_table.h"
#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

// The step of a + b in the order addition is taught: +1, doubles, +10, near doubles, make ten,
// the rest. (The table's numbers start from 1: it holds no +0 or x0 facts.)
int additionStep(int a, int b)
{
    if (a == 1 || b == 1) {
        return 1;
    }
    if (a == b) {
        return 2;
    }
    if (a == 10 || b == 10) {
        return 3;
    }
    if (std::abs(a - b) == 1) {
        return 4;
    }
    return a + b == 10 ? 5 : 6;
}

// The step of a x b: x1, x10, x2, x5, squares, x9, x3, x4, the rest.
int multiplicationStep(int a, int b)
{
    for (const auto& [factor, step] : {std::pair{1, 1}, {10, 2}, {2, 3}, {5, 4}}) {
        if (a == factor || b == factor) {
            return step;
        }
    }
    if (a == b) {
        return 5;
    }
    for (const auto& [factor, step] : {std::pair{9, 6}, {3, 7}, {4, 8}}) {
        if (a == factor || b == factor) {
            return step;
        }
    }
    return 9;
}

} // namespace

int TeachingRank(int operation, int fact)
{
    if (!IsOperation(operation) || fact < 1 || fact > kFactSlots) {
        return std::numeric_limits<int>::max();
    }
    // Every operation's fact of column c and second number s undoes (or is) c + s or c x s:
    // (s + c) - s = c ranks as c + s, (s x c) / s = c as c x s.
    const int a = (fact - 1) % 20 + 1;
    const int b = (fact - 1) / 20 + 1;
    const FactShape shape = OperationOf(operation).shape;
    const bool sum = shape == FactShape::Sum || shape == FactShape::Difference;
    const int step = sum ? additionStep(a, b) : multiplicationStep(a, b);
    // Within a step the smaller numbers first, and of a fact and its turn-around the one with
    // the larger number first (3 + 1 before 1 + 3: counting on from the larger).
    return step * 10'000 + std::max(a, b) * 400 + std::min(a, b) * 20 + (a < b ? 1 : 0);
}

std::vector<int> SelectedFacts(const DrillSettings& s)
{
    // The pool's own rule (BuildPool): the ticked first-number ranges and second numbers, and
    // for 10 Sub only the facts that start from 10.
    std::vector<int> facts;
    for (int sec = 1; sec <= 10; ++sec) {
        for (int g = 1; g <= 4; ++g) {
            for (int c = groupLow[asIndex(g)]; c <= groupHigh[asIndex(g)]; ++c) {
                if (s.firstRange[asIndex(g)] != 1 || s.secondNum[asIndex(sec)] != 1) {
                    continue;
                }
                if (s.operation == Op10Sub && sec + c != 10) {
                    continue;
                }
                facts.push_back(factIndex(sec, c));
            }
        }
    }
    return facts;
}

PracticePlan::PracticePlan(int operation, std::vector<int> facts, double targetRecall)
    : m_operation(operation), m_facts(std::move(facts)), m_target(targetRecall)
{
    std::erase_if(m_facts, [](int f) { return f < 1 || f > kFactSlots; });
    std::stable_sort(m_facts.begin(), m_facts.end(), [operation](int a, int b) {
        return TeachingRank(operation, a) < TeachingRank(operation, b);
    });
}

PlanChoice PracticePlan::choose(const MemoryModel& model, std::int64_t nowMs, Random& random)
{
    static_cast<void>(random);
    PlanChoice c = pick(model, nowMs, true);
    if (c.fact == 0) {
        c = pick(model, nowMs, false);
    }
    if (c.fact != 0) {
        m_last = c.fact;
        m_posed[static_cast<std::size_t>(c.fact)] = true;
        m_lastWasLearning = !model.memory(m_operation, c.fact).graduated;
    }
    return c;
}

PlanChoice PracticePlan::pick(const MemoryModel& model, std::int64_t nowMs, bool notLast) const
{
    const auto allowed = [&](int f) { return !notLast || f != m_last; };
    for (const Missed& m : m_missed) {
        if (m.after <= 0 && allowed(m.fact)) {
            return {m.fact, PlanReason::Missed};
        }
    }
    // Known facts: the lowest recall under the target, else the lowest-recall slow one not yet
    // asked this session (asked again at once, a slow fact is only answered from short-term
    // memory), else (between learning ones) the lowest recall of all.
    int due = 0, slow = 0, known = 0, learning = 0, learningCount = 0, fresh = 0;
    double dueRecall = 2.0, slowRecall = 2.0, knownRecall = 2.0;
    std::int64_t learningMs = std::numeric_limits<std::int64_t>::max();
    for (int f : m_facts) {
        const FactMemory& m = model.memory(m_operation, f);
        if (m.answers > 0 && !m.graduated) {
            ++learningCount;
        }
        if (!allowed(f) || isMissed(f)) {
            continue;
        }
        if (m.answers == 0) {
            fresh = fresh == 0 ? f : fresh;
            continue;
        }
        if (!m.graduated) {
            if (m.lastMs < learningMs) {
                learning = f, learningMs = m.lastMs;
            }
            continue;
        }
        const double r = model.recall(m_operation, f, nowMs);
        if (r < m_target && r < dueRecall) {
            due = f, dueRecall = r;
        }
        if (m.lastGrade == Grade::Hard && !m_posed[static_cast<std::size_t>(f)] && r < slowRecall) {
            slow = f, slowRecall = r;
        }
        if (r < knownRecall) {
            known = f, knownRecall = r;
        }
    }
    if (due != 0) {
        return {due, PlanReason::Due};
    }
    if (slow != 0) {
        return {slow, PlanReason::Slow};
    }
    if (m_lastWasLearning && known != 0) {
        return {known, PlanReason::Known};
    }
    if (fresh != 0 && learningCount < kMaxLearning) {
        return {fresh, PlanReason::New};
    }
    if (learning != 0) {
        return {learning, PlanReason::Learning};
    }
    if (known != 0) {
        return {known, PlanReason::Known};
    }
    // Only missed facts not yet back, or new ones held back: the earliest of them.
    for (const Missed& m : m_missed) {
        if (allowed(m.fact)) {
            return {m.fact, PlanReason::Missed};
        }
    }
    return {fresh, PlanReason::New};
}

bool PracticePlan::isMissed(int fact) const
{
    return std::any_of(m_missed.begin(), m_missed.end(),
                       [fact](const Missed& m) { return m.fact == fact; });
}

void PracticePlan::answered(int fact, Grade g, Random& random)
{
    if (fact < 1 || fact > kFactSlots) {
        return;
    }
    std::erase_if(m_missed, [fact](const Missed& m) { return m.fact == fact; });
    for (Missed& m : m_missed) {
        --m.after;
    }
    if (g == Grade::Again) {
        const int span = kMissedBackMax - kMissedBackMin + 1;
        const int draw = std::min(span - 1, static_cast<int>(random.next() * span));
        m_missed.push_back({fact, kMissedBackMin + draw});
    }
}

int DueBefore(const MemoryModel& model, int operation, const std::vector<int>& facts,
              std::int64_t endOfDayMs, double targetRecall)
{
    // Answered facts only: a turn-around known from its partner's answers is still new.
    return static_cast<int>(std::count_if(facts.begin(), facts.end(), [&](int f) {
        return model.memory(operation, f).answers > 0 &&
               model.dueMs(operation, f, targetRecall) < endOfDayMs;
    }));
}

} // namespace sb
