#pragma once

#include <cstdint>

#include "program.h"

namespace sb {

// One step of Auto Teach on curSettings: begins and retires second numbers, runs the review
// cycle and moves the pupil up the ladder of levels, writing DsBgn and DsEnd. Returns 1 while
// the drill may go on, 0 when the last level (DivR) has just been finished. Does nothing and
// returns 1 when autoTeach is not 1.
std::int16_t AutoTeachStep(Program& p);

// True when the table holds facts of second number n and none of them is still in play. False
// when it holds none (a table, or the part of one, that was never built): nothing has been
// mastered there, however the table was read.
bool RowMastered(const Drill& d, std::int16_t n);

} // namespace sb
