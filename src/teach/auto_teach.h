#pragma once

#include <cstdint>

#include "program.h"

namespace sb {

// One step of Auto Teach on curSettings: begins and retires second numbers, runs the review
// cycle and moves the pupil up the ladder of levels, writing DsBgn and DsEnd. Returns 1 while
// the drill may go on, 0 when the last level (DivR) has just been finished. Does nothing and
// returns 1 when autoTeach is not 1.
std::int16_t AutoTeachStep(Program& p);

// True when no fact of second number n is still in play. False on a fact table that was never
// built or loaded (factCount 0): nothing has been mastered there.
bool RowMastered(const Drill& d, std::int16_t n);

} // namespace sb
