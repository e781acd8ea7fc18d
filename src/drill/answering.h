#pragma once

#include <cstdint>

#include "program.h"

namespace sb {

// A click on answer button i (1..3) of the main window while a problem is posed.
void but_click(Program& p, int i);

// The ShockClock ran out: counts the problem as wrong and opens the time-out pop-up.
void TimeOut(Program& p);

// Records the ended problem on curFact exactly once: Smart Repeat, the per-second-number
// percentage, the score captions, the Auto Teach step and then the stop rule, which either
// poses the next problem or ends the drill.
void RecordAnswer(Program& p);

// Running percentage of right answers of second number `second` over the last averageOver
// answers, in 16-bit arithmetic with truncating division. An averageOver below 1 (only a
// damaged record can hold one) counts as 1.
void UpdateRowPercent(DrillSettings& s, std::int16_t second, std::int16_t lastRight);

// The stop rule of stopOn after a recorded problem: true when the drill ends.
bool StopRuleEnds(const DrillSettings& s, const Drill& d);

// Adds one to a 16-bit count, stopping at 32767 instead of wrapping.
std::int16_t incSaturated(std::int16_t v, int by = 1);

} // namespace sb
