// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "platform/random.h"
#include "records/caption.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// What one Auto Teach step did that the main window shows.
struct TeachOutcome {
    // The last level (DivR) has just been finished: the drill must not go on.
    bool finished = false;
    // New captions of the main window's stage labels (DsBgn and DsEnd), when the step wrote
    // them.
    std::optional<Caption> stageCaption;
    std::optional<Caption> stageNote;
    // A review ended: the selection as it stood then, to be shown before anything later.
    std::optional<DrillSettings> shownAtReviewEnd;
    // The step ran to its end: curSettings' selection is to be shown again.
    bool showSelection = false;
};

// One step of Auto Teach on settings.curSettings: begins and retires second numbers, runs the
// review cycle and moves the pupil up the ladder of levels, rebuilding the pool (and, for a new
// level, the facts) in d. At the end of a step that did not finish the ladder, startSettings :=
// curSettings. Does nothing when autoTeach is not 1.
TeachOutcome AutoTeachStep(Settings& settings, Drill& d, Random& random);

// True when the table holds facts of second number n and none of them is still in play. False
// when it holds none (a table, or the part of one, that was never built): nothing has been
// mastered there, however the table was read.
bool RowMastered(const Drill& d, std::int16_t n);

} // namespace sb
