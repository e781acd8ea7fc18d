// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "students/answer_history.h"

namespace sb {

// A pupil's memory of each fact, after the FSRS-6 scheduler's model (difficulty D in 1..10,
// stability S in days: the time for her recall to fall from 1 to 0.9, and the forgetting curve
// R(t, S) = (1 + f t / S)^-decay, with f chosen so that R(S, S) = 0.9), with its published
// default parameters. Written from the published formulas.

// How an answer grades the pupil's recall of its fact. A wrong answer or a time-out is Again;
// a right one slower than the pupil's "Fluent within" is Hard, one within it Good, and one
// within half of it Easy.
enum class Grade : std::uint8_t { Again = 1, Hard = 2, Good = 3, Easy = 4 };
Grade GradeOf(AnswerOutcome outcome, std::int32_t millis, std::int32_t fluentMs);

// The 21 default weights w0..w20 of FSRS-6.
inline constexpr std::array<double, 21> kFsrsWeights{
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// The published formulas, one each; days are real numbers (half a day is 0.5).
double Retrievability(double elapsedDays, double stability);
// The days after a review at which recall falls to `retention`.
double IntervalDays(double retention, double stability);
double InitialStability(Grade g);
double InitialDifficulty(Grade g);
double NextDifficulty(double difficulty, Grade g);
// Stability after a review on a later day: remembered (Hard, Good, Easy) or forgotten (Again).
double RecallStability(double difficulty, double stability, double recall, Grade g);
double ForgetStability(double difficulty, double stability, double recall);
// Stability after a second review within the same day.
double ShortTermStability(double stability, Grade g);

// What the model knows of one fact: nothing until its first answer.
struct FactMemory {
    float difficulty = 0.0F; // 0: never answered
    float stability = 0.0F;  // days
    std::int64_t lastMs = 0; // when it was last answered (or shared evidence from its turn-around)
    std::int32_t lastMillis = 0;
    std::uint16_t answers = 0; // answers of this very fact (not its turn-around), at most 65535
    Grade lastGrade = Grade::Again;
    bool graduated = false; // answered right within the pupil's threshold since its first answer

    bool seen() const { return difficulty > 0.0F; }
};

// How much of an answer's evidence its fact's turn-around (7 x 8 for 8 x 7, 9 + 3 for 3 + 9)
// takes: the turn-around's stability moves this share of the way to what the answer would
// have made of it. A pupil who knows 8 x 7 mostly knows 7 x 8, but not always: children learn
// a fact's two orders at different times, so half the evidence, not all of it.
inline constexpr double kTurnAroundShare = 0.5;

// The fact index of f's turn-around in operation's table (same operation, numbers swapped),
// or 0 when it has none (an operation that does not turn around, or a first number above 10).
int TurnAroundOf(int operation, int fact);

// One pupil's memory of every fact of every operation, built from her answer history and
// updated with each answer. About 30 KiB; copied whole with =.
class MemoryModel {
public:
    explicit MemoryModel(std::int32_t fluentMs = 3000) : m_fluentMs(fluentMs) {}

    // The model of a pupil whose answers these are, oldest first.
    static MemoryModel FromHistory(std::span<const AnswerRow> rows, std::int32_t fluentMs);

    // One more answer, given at atMs.
    void answer(int operation, int fact, AnswerOutcome outcome, std::int32_t millis,
                std::int64_t atMs);

    const FactMemory& memory(int operation, int fact) const;
    // The predicted chance she recalls the fact at nowMs; 0 for a fact never answered.
    double recall(int operation, int fact, std::int64_t nowMs) const;
    // When her recall of the fact falls to retention; 0 for a fact never answered.
    std::int64_t dueMs(int operation, int fact, double retention) const;
    // Fluent at nowMs: graduated, its last answer right within the threshold (Good or Easy),
    // and predicted recall at least 0.9.
    bool fluent(int operation, int fact, std::int64_t nowMs) const;

    std::int32_t fluentMs() const { return m_fluentMs; }

private:
    FactMemory& at(int operation, int fact);
    std::int32_t m_fluentMs;
    std::array<std::array<FactMemory, 201>, 7> m_facts{}; // [operation 1..6][fact 1..200]
};

} // namespace sb
