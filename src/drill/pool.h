// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "platform/random.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// Rebuilds all 200 fact records for s.operation, clears every counter and sets factCount to
// 200. Draws one random number per record, in index order, for DivR only (the remainder).
// An operation outside 1..6 leaves every answer 0; nothing is indexed out of range.
void BuildFacts(Drill& d, const DrillSettings& s, Random& random);

// Which pooled facts BuildPool resets while it rebuilds the pool (the numbers are the modes'
// historical codes).
enum class PoolMode : std::int16_t {
    ResetAll = 0,  // every pooled fact: a new drill
    ResetRow = 1,  // those of second number `row`; with row 0 none: a refill
    RetireRow = 2, // those of `row`, which are then also retired
};

// Rebuilds pool and poolCount from the selections of s, in ascending fact order, resetting
// the pooled facts that `mode` names. row 0 matches no fact. Does not touch the repeat list.
void BuildPool(Drill& d, const DrillSettings& s, PoolMode mode, std::int16_t row);

// True when firstRange 1..4, secondNum 1..10 and operation of cur equal those of start.
bool SameSelections(const DrillSettings& cur, const DrillSettings& start);

// Makes sure at least one first-number range and one second number are selected: range 1..10
// when none is; all ten second numbers when none is, or only 1 when Auto Teach is on.
// (The program-level FixSelections then shows the selection again.)
void fixSelectionValues(DrillSettings& s);

} // namespace sb
