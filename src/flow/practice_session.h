// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "plan/memory_model.h"
#include "plan/practice_plan.h"

namespace sb {

// A pupil's choice of Today's Practice: how long a session is, and whether the practice is
// her default (the main window then offers it before Start).
inline constexpr int kPracticeMinutesMin = 2;
inline constexpr int kPracticeMinutesMax = 10;
inline constexpr int kPracticeMinutesDefault = 5;
// A session may be a number of problems instead (0: it lasts its minutes).
inline constexpr int kPracticeProblemsMax = 200;
struct PracticeChoice {
    int minutes = kPracticeMinutesDefault;
    bool byDefault = false;
    int problems = 0;
    bool operator==(const PracticeChoice&) const = default;
};

// A Today's Practice session under way or paused: the pupil's memory model, read from her
// history when it began and updated with each answer since, the plan choosing its problems,
// and the practice time it has taken.
struct PracticeSession {
    MemoryModel model;
    PracticePlan plan;
    std::string pupil;        // whose session it is (trimmed name)
    std::int64_t limitMs = 0; // the session ends with the first answer at or after this
    std::int64_t spentMs = 0; // time from each problem posed to its answer recorded
    int limitProblems = 0;    // instead, when above 0: it ends with this many answers
    int answered = 0;
    std::optional<std::chrono::steady_clock::time_point> posedAt;
};

} // namespace sb
