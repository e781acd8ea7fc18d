// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// The Smart Repeat step of recording an answer, on the record of curFact: counts a right
// answer, pays off a repetition, keeps the right and fast runs, retires the fact when a run
// reaches its threshold, and queues it after wrongTimes wrong answers or a slow answer.
// Expects removedNow = 0 and asked already counted; askedCounted is false when asked stood at
// its top and could not count this answer, and then correct does not count it either.
void SmartRepeatStep(Drill& d, const DrillSettings& s, bool askedCounted);

} // namespace sb
