// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plan/memory_model.h"
#include "platform/random.h"
#include "records/drill_settings.h"

namespace sb {

// Today's Practice: a short session that chooses each problem from the pupil's memory model
// instead of the drill's pool and repeat list.

// Where a fact stands in the order new facts are taught, lowest first. Addition: +1, doubles,
// +10, near doubles, make ten, the rest; multiplication: x1, x10, x2, x5, squares, x9, x3, x4,
// the rest; subtraction and division follow the addition and multiplication they undo. Within
// a step, smaller numbers first.
int TeachingRank(int operation, int fact);

// The facts of a selection (operation, first-number ranges, second numbers), in fact order.
std::vector<int> SelectedFacts(const DrillSettings& s);

// The predicted recall under which a known fact is due for review: far above the 0.9 that
// spaced-repetition schedulers usually aim at. A child's recall of a fact learnt this week falls
// faster than the published default weights expect, and a fact let slip costs a time-out and a
// pop-up where a review costs a few seconds. Simulated pupils (bench/plan_simulation) had 63
// facts fluent after twelve weeks with 0.99 against 40 with 0.9, and 13 after a holiday against
// none; above 0.99 nothing changes, as every known fact not yet reviewed that day is due.
inline constexpr double kPlanTargetRecall = 0.99;

// Why a fact was chosen.
enum class PlanReason : std::uint8_t {
    Missed,   // missed (or timed out) a few problems ago: back for another try
    Due,      // her predicted recall has fallen under the target
    Slow,     // known, but her last answer was slower than her threshold: once a session
    Learning, // introduced, not yet answered right within her threshold
    New,      // the next fact in the teaching order
    Known,    // a known fact between learning ones, or when nothing else is owed
};

struct PlanChoice {
    int fact = 0; // 0: nothing to choose (an empty selection)
    PlanReason reason = PlanReason::Known;
};

// The choosing state of one session over one selection.
class PracticePlan {
public:
    // At most this many facts are being learnt at a time: a new fact waits until one of them
    // is answered right within the threshold.
    static constexpr int kMaxLearning = 3;
    // A missed fact comes back after this many other problems, drawn at random.
    static constexpr int kMissedBackMin = 2;
    static constexpr int kMissedBackMax = 4;

    PracticePlan(int operation, std::vector<int> facts, double targetRecall = kPlanTargetRecall);

    // The next fact to pose at nowMs. Never the fact posed last when another can be posed.
    PlanChoice choose(const MemoryModel& model, std::int64_t nowMs, Random& random);
    // The fact posed was answered (model is already updated with it).
    void answered(int fact, Grade g, Random& random);

    int operation() const { return m_operation; }
    const std::vector<int>& facts() const { return m_facts; }

private:
    struct Missed {
        int fact = 0;
        int after = 0; // problems still to pose before it comes back
    };
    PlanChoice pick(const MemoryModel& model, std::int64_t nowMs, bool notLast) const;
    bool isMissed(int fact) const;
    int m_operation;
    std::vector<int> m_facts; // the selection's facts in teaching order
    double m_target;
    int m_last = 0;
    bool m_lastWasLearning = false;
    std::vector<Missed> m_missed;
    std::array<bool, 201> m_posed{}; // posed in this session, by fact
};

// How many of facts the pupil has answered fall due (their recall under the target) before
// endOfDayMs: her facts due today, as a teacher reads them.
int DueBefore(const MemoryModel& model, int operation, const std::vector<int>& facts,
              std::int64_t endOfDayMs, double targetRecall = kPlanTargetRecall);

} // namespace sb
