// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/program.h"
#include "teach/auto_teach.h"

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

// RecordAnswer up to its stop rule: records the ended problem and runs the Auto Teach step;
// when that finishes the ladder or the stop rule fires, the drill ends (idle, not
// resumable). True when the drill goes on, with no problem posed yet.
[[nodiscard]] bool RecordEndedProblem(Program& p);

// One Auto Teach step, shown on the main window: its captions and selection.
TeachOutcome RunAutoTeachStep(Program& p);

} // namespace sb
