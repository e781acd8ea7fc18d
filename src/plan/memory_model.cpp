// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/memory_model.h"

#include <algorithm>
#include <cmath>

#include "records/fact_table.h"
#include "records/operations.h"

namespace sb {

namespace {

constexpr double kDayMs = 86'400'000.0;
constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36'500.0;
// Two answers less than half a day apart are of the same school day: a pupil who practises at
// nine every morning answers a fact again a few minutes short of 24 hours later, which is the
// next day, not the same one.
constexpr double kSameDayDays = 0.5;

double w(std::size_t i)
{
    return kFsrsWeights[i];
}

double decay()
{
    return w(20);
}

// f in R(t, S) = (1 + f t / S)^-decay, so that R(S, S) = 0.9.
double factor()
{
    return std::pow(0.9, -1.0 / decay()) - 1.0;
}

double clampStability(double s)
{
    return std::clamp(s, kMinStability, kMaxStability);
}

double clampDifficulty(double d)
{
    return std::clamp(d, 1.0, 10.0);
}

double gradeValue(Grade g)
{
    return static_cast<double>(static_cast<int>(g));
}

bool validFact(int operation, int fact)
{
    return IsOperation(operation) && fact >= 1 && fact <= kFactSlots;
}

// The difficulty and stability an answer of grade g at atMs makes of m.
void review(FactMemory& m, Grade g, std::int64_t atMs)
{
    if (!m.seen()) {
        m.difficulty = static_cast<float>(InitialDifficulty(g));
        m.stability = static_cast<float>(InitialStability(g));
        return;
    }
    const double d = m.difficulty;
    const double s = m.stability;
    const double elapsed = std::max(0.0, static_cast<double>(atMs - m.lastMs) / kDayMs);
    double next = 0.0;
    if (elapsed < kSameDayDays) {
        next = ShortTermStability(s, g);
    } else {
        const double r = Retrievability(elapsed, s);
        next = g == Grade::Again ? ForgetStability(d, s, r) : RecallStability(d, s, r, g);
    }
    m.stability = static_cast<float>(clampStability(next));
    m.difficulty = static_cast<float>(NextDifficulty(d, g));
}

// What an answer of the fact tells of its turn-around t: a share of the way to what it would
// have made of t. Only a right answer introduces a turn-around never seen.
void shareWithTurnAround(FactMemory& t, Grade g, std::int64_t atMs)
{
    if (!t.seen()) {
        if (g == Grade::Again) {
            return;
        }
        t.difficulty = static_cast<float>(InitialDifficulty(g));
        t.stability = static_cast<float>(clampStability(InitialStability(g) * kTurnAroundShare));
        t.lastMs = atMs;
        return;
    }
    FactMemory full = t;
    review(full, g, atMs);
    const auto toward = [](float from, float to) {
        return static_cast<float>(from + kTurnAroundShare * (static_cast<double>(to) - from));
    };
    t.stability = static_cast<float>(clampStability(toward(t.stability, full.stability)));
    t.difficulty = static_cast<float>(clampDifficulty(toward(t.difficulty, full.difficulty)));
    t.lastMs = atMs;
}

} // namespace

Grade GradeOf(AnswerOutcome outcome, std::int32_t millis, std::int32_t fluentMs)
{
    if (outcome != AnswerOutcome::Right) {
        return Grade::Again;
    }
    if (millis <= fluentMs / 2) {
        return Grade::Easy;
    }
    return millis <= fluentMs ? Grade::Good : Grade::Hard;
}

double Retrievability(double elapsedDays, double stability)
{
    return std::pow(1.0 + factor() * std::max(0.0, elapsedDays) / stability, -decay());
}

double IntervalDays(double retention, double stability)
{
    return stability / factor() * (std::pow(retention, -1.0 / decay()) - 1.0);
}

double InitialStability(Grade g)
{
    return w(static_cast<std::size_t>(g) - 1);
}

double InitialDifficulty(Grade g)
{
    return clampDifficulty(w(4) - std::exp(w(5) * (gradeValue(g) - 1.0)) + 1.0);
}

double NextDifficulty(double difficulty, Grade g)
{
    const double delta = -w(6) * (gradeValue(g) - 3.0);
    const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
    return clampDifficulty(w(7) * InitialDifficulty(Grade::Easy) + (1.0 - w(7)) * damped);
}

double RecallStability(double difficulty, double stability, double recall, Grade g)
{
    const double hard = g == Grade::Hard ? w(15) : 1.0;
    const double easy = g == Grade::Easy ? w(16) : 1.0;
    const double grow = std::exp(w(8)) * (11.0 - difficulty) * std::pow(stability, -w(9)) *
                        (std::exp(w(10) * (1.0 - recall)) - 1.0) * hard * easy;
    return clampStability(stability * (1.0 + grow));
}

double ForgetStability(double difficulty, double stability, double recall)
{
    const double forgot = w(11) * std::pow(difficulty, -w(12)) *
                          (std::pow(stability + 1.0, w(13)) - 1.0) *
                          std::exp(w(14) * (1.0 - recall));
    return clampStability(std::min(forgot, stability / std::exp(w(17) * w(18))));
}

double ShortTermStability(double stability, Grade g)
{
    double grow = std::exp(w(17) * (gradeValue(g) - 3.0 + w(18))) * std::pow(stability, -w(19));
    if (g >= Grade::Good) {
        grow = std::max(grow, 1.0);
    }
    return clampStability(stability * grow);
}

int TurnAroundOf(int operation, int fact)
{
    if (!validFact(operation, fact) || !OperationOf(operation).turnsAround) {
        return 0;
    }
    const int second = (fact - 1) / 20 + 1;
    const int first = (fact - 1) % 20 + 1;
    return first <= 10 ? factIndex(first, second) : 0;
}

MemoryModel MemoryModel::FromHistory(std::span<const AnswerRow> rows, std::int32_t fluentMs)
{
    MemoryModel model(fluentMs);
    for (const AnswerRow& row : rows) {
        model.answer(row.operation, row.fact, row.outcome, row.millis, row.atMs);
    }
    return model;
}

void MemoryModel::answer(int operation, int fact, AnswerOutcome outcome, std::int32_t millis,
                         std::int64_t atMs)
{
    if (!validFact(operation, fact)) {
        return;
    }
    const Grade g = GradeOf(outcome, millis, m_fluentMs);
    FactMemory& m = at(operation, fact);
    review(m, g, atMs);
    m.lastMs = atMs;
    m.lastMillis = millis;
    m.lastGrade = g;
    if (m.answers < 65535) {
        ++m.answers;
    }
    m.graduated = m.graduated || g >= Grade::Good;

    const int t = TurnAroundOf(operation, fact);
    if (t != 0 && t != fact) {
        shareWithTurnAround(at(operation, t), g, atMs);
    }
}

const FactMemory& MemoryModel::memory(int operation, int fact) const
{
    static const FactMemory none; // what is known of no fact: nothing
    if (!validFact(operation, fact)) {
        return none;
    }
    return m_facts[static_cast<std::size_t>(operation)][static_cast<std::size_t>(fact)];
}

FactMemory& MemoryModel::at(int operation, int fact)
{
    return m_facts[static_cast<std::size_t>(operation)][static_cast<std::size_t>(fact)];
}

double MemoryModel::recall(int operation, int fact, std::int64_t nowMs) const
{
    const FactMemory& m = memory(operation, fact);
    if (!m.seen()) {
        return 0.0;
    }
    return Retrievability(static_cast<double>(nowMs - m.lastMs) / kDayMs, m.stability);
}

std::int64_t MemoryModel::dueMs(int operation, int fact, double retention) const
{
    const FactMemory& m = memory(operation, fact);
    if (!m.seen()) {
        return 0;
    }
    return m.lastMs + std::llround(IntervalDays(retention, m.stability) * kDayMs);
}

bool MemoryModel::fluent(int operation, int fact, std::int64_t nowMs) const
{
    const FactMemory& m = memory(operation, fact);
    return m.graduated && m.lastGrade >= Grade::Good && recall(operation, fact, nowMs) >= 0.9;
}

} // namespace sb
