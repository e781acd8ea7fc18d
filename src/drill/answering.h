// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// The counts of an answer given on slot i (1..3): total + 1, answerTime := shockSeconds -
// shockLeft, and for the right slot lastRight := 1 and score + 1, otherwise lastRight := 0.
// True when i is the right slot.
bool CountAnswer(Drill& d, const DrillSettings& s, int i);

// The counts of a time-out: total + 1, answerTime := shockSeconds, lastRight := 0 (a time-out
// counts as a wrong answer everywhere it is recorded).
void CountTimeOut(Drill& d, const DrillSettings& s);

// The per-fact part of recording an ended problem, on curFact: removedNow := 0, asked + 1,
// the Smart Repeat step, then UpdateRowPercent.
void RecordFactAnswer(Drill& d, DrillSettings& s);

// Running percentage of right answers of second number `second` over the last averageOver
// answers, in 16-bit arithmetic with truncating division. An averageOver below 1 (only a
// damaged record can hold one) counts as 1.
void UpdateRowPercent(DrillSettings& s, std::int16_t second, std::int16_t lastRight);

// The stop rule of stopOn after a recorded problem: true when the drill ends.
bool StopRuleEnds(const DrillSettings& s, const Drill& d);

} // namespace sb
