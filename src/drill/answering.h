#pragma once

#include <cstdint>

#include "program.h"

namespace sb {

// A click on answer button i (1..3) of the main window while a problem is posed: stops the
// drill clock, then scores and records a right answer at once, or opens the wrong-answer
// pop-up. Ignored for a disabled button, an index outside 1..3, or while a pop-up or the delay
// window is open.
void but_click(Program& p, int i);

// The ShockClock ran out: counts the problem as wrong, holds the drill clock off and opens the
// time-out pop-up. Ignored while a pop-up or the delay window is open, so no second time-out
// can start on top of one being handled.
void TimeOut(Program& p);

// Records the ended problem on curFact exactly once: Smart Repeat, the per-second-number
// percentage, the score captions, the Auto Teach step and then the stop rule, which either
// poses the next problem or ends the drill. When there is no fact left to pose (the selection
// yields an empty pool) the drill ends as if its stop rule had fired.
void RecordAnswer(Program& p);

// Running percentage of right answers of second number `second` over the last averageOver
// answers, in 16-bit arithmetic with truncating division. An averageOver below 1 (only a
// damaged record can hold one) counts as 1.
void UpdateRowPercent(DrillSettings& s, std::int16_t second, std::int16_t lastRight);

// The stop rule of stopOn after a recorded problem: true when the drill ends.
bool StopRuleEnds(const DrillSettings& s, const Drill& d);

// Adds `by` to a 16-bit count, stopping at 32767 (or -32768) instead of wrapping.
std::int16_t incSaturated(std::int16_t v, int by = 1);

} // namespace sb
