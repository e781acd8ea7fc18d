// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/program.h"
#include "teach/auto_teach.h"

namespace sb {

// The one owner of what follows an answer: a click, a time-out or the pop-up's close leads here,
// the problem is recorded, Auto Teach takes its step, and the drill goes on with the next
// problem (run_control) or ends. The files it calls (run_control, feedback, captions,
// main_selection) never call back into it.

// A click on answer button i (1..kAnswerButtons) of the main window while a problem is posed: stops
// the drill clock, then scores and records a right answer at once, or opens the wrong-answer
// pop-up. Ignored for a disabled button, an index outside 1..3, or while a pop-up or the delay
// window is open.
void but_click(Program& p, int i);

// One second of the drill clock: ShockClock, tick sound and picture, minutes counted as changes
// of the wall-clock minute, and the time-out when the ShockClock reaches 0. Ignored while no
// drill clock runs or a pop-up or the delay window is open.
void ClockTick(Program& p);

// The ShockClock ran out: counts the problem as wrong, holds the drill clock off and opens the
// time-out pop-up. Ignored while a pop-up or the delay window is open, so no second time-out
// can start on top of one being handled.
void TimeOut(Program& p);

// A click on the pop-up's answer button i (1..kAnswerButtons): the right one closes it.
void pop_but_click(Program& p, int i);

// One tick of the pop-up's timer2: closes it after popupSeconds ticks; never when
// popupSeconds was 0 or less.
void pop_timer_tick(Program& p);

// Records the ended problem on curFact exactly once: Smart Repeat, the per-second-number
// percentage, the score captions, the Auto Teach step and then the stop rule, which either
// poses the next problem or ends the drill. When there is no fact left to pose (the selection
// yields an empty pool) the drill ends as if its stop rule had fired.
void RecordAnswer(Program& p);

// RecordAnswer up to its stop rule: records the ended problem and runs the Auto Teach step;
// when that finishes the ladder or the stop rule fires, the drill ends (idle, not
// resumable). In Today's Practice the plan learns the answer instead of the Auto Teach step
// and the stop rule, and the session ends when its time is up. True when the drill goes on,
// with no problem posed yet.
[[nodiscard]] bool RecordEndedProblem(Program& p);

// One Auto Teach step, shown on the main window: its captions and selection.
TeachOutcome RunAutoTeachStep(Program& p);

// The stop rule ended the drill: one more Auto Teach step, logo, finish sound, idle.
void EndDrill(Program& p);

// The main window is minimised, hidden or closing: a running drill is put aside as Pause
// puts it, and the next Start resumes it with a fresh problem. An open pop-up goes as its
// closing would, so the problem it shows, already counted, is recorded as the wrong answer it
// was (its Auto Teach step and stop rule included, which may end the drill); an open delay
// window goes without its problem being counted. Does nothing while no drill runs.
void PutDrillAside(Program& p);

} // namespace sb
