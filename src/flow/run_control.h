// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "flow/program.h"

namespace sb {

// Start: resumes a paused drill with an unchanged selection, otherwise builds a new one, and
// poses the first problem. Refuses to begin when the selection leaves no fact to drill: the
// window stays idle and DsBgn/DsEnd say why.
void StartDrill(Program& p);

// One second of the drill clock: ShockClock, tick sound and picture, minutes counted as changes
// of the wall-clock minute, and the time-out when the ShockClock reaches 0. Ignored while no
// drill clock runs or a pop-up or the delay window is open.
void ClockTick(Program& p);

// Start, Pause and New Drill (and the selection clicks of main_form.h) do nothing while the
// pop-up or the delay window is open: the main window takes no input then.
void PauseDrill(Program& p);
void NewDrill(Program& p);

// The main window is minimised, hidden or closing: a running drill is put aside as Pause
// puts it, and the next Start resumes it with a fresh problem. An open pop-up goes as its
// closing would, so the problem it shows, already counted, is recorded as the wrong answer it
// was (its Auto Teach step and stop rule included, which may end the drill); an open delay
// window goes without its problem being counted. Does nothing while no drill runs.
void PutDrillAside(Program& p);

// The stop rule ended the drill: one more Auto Teach step, logo, finish sound, idle.
void EndDrill(Program& p);

// Idle controls; drillResumable := 1 when resumable, else 0.
void SetIdle(Program& p, bool resumable);

// Poses the next problem (NextProblem) and shows it: the problem on dm, the answer captions,
// the ShockClock and time captions, then the delay window or the drill clock. False, showing
// nothing, when there is no fact to pose.
[[nodiscard]] bool PoseNextProblem(Program& p);

// After a problem is posed: opens the delay window when delaySeconds >= 1 (Modal::Delay) and
// returns; the drill clock starts when it closes. Otherwise starts the drill clock at once.
void ShowDelay(Program& p);

// One tick of the delay window's timer deltime.
void deltime_tick(Program& p);

} // namespace sb
