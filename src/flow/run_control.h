// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "flow/program.h"

namespace sb {

// Start: resumes a paused drill with an unchanged selection, otherwise builds a new one, and
// poses the first problem. Refuses to begin when the selection leaves no fact to drill: the
// window stays idle and stageCaption and stageNote say why.
void StartDrill(Program& p);

// Today's Practice: goes on with a paused session over an unchanged selection, otherwise
// begins a new one for the current pupil, whose problems the practice plan chooses from her
// memory of each fact of the selection (see todays_practice.h). Start leaves a paused session
// for a new drill; New Drill ends it.
void StartPractice(Program& p);

// Start, Pause and New Drill (and the selection clicks of MainForm) do nothing while the
// pop-up or the delay window is open: the main window takes no input then.
void PauseDrill(Program& p);
void NewDrill(Program& p);

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
