// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "flow/selection_model.h"
#include "records/drill_settings.h"

namespace sb {

struct MainModel;
struct Program;

// What follows works the same on either window's boxes. A box the program changes counts as a
// click: every change makes the main window's "New Drill" available, and so does every click.

// Sets the boxes from a record. An operation of 1..6 other than the one shown is chosen as a
// click chooses it (the "10 Sub" lock follows); the record's own first numbers then win over the
// ones that leaving "10 Sub" puts back.
void ShowBoxes(Program& p, SelectionBoxes& boxes, const DrillSettings& s);

// Copies the boxes into a record. With no operation selected, operation keeps its value.
void ReadBoxes(const SelectionBoxes& boxes, DrillSettings& s);

// A click on first-number box i (1..4) or second-number box i (1..10) that gave it value;
// another i is ignored.
void ClickFirst(MainModel& main, SelectionBoxes& boxes, int i, std::int16_t value);
void ClickSecond(MainModel& main, SelectionBoxes& boxes, int i, std::int16_t value);

// Operation k (1..6) chosen, with the "10 Sub" lock of the first-number boxes; another k is
// ignored.
void ChooseOperation(Program& p, SelectionBoxes& boxes, int k);

// Writes value into every box of a check-box array from the last down to slot 1 (slot 0 is
// unused).
void SetAllValues(MainModel& main, std::span<CheckBox> boxes, std::int16_t value);

// The "10 Sub" lock of first-number boxes (slots 1..4) for operation k: choosing "10 Sub" keeps
// their values in the shared flags, leaves only box 1 ticked and disables them; another
// operation gives them back and enables them. The flags say whether the lock holds, so a second
// "10 Sub" keeps the values kept by the first.
void ApplyOperationLock(Program& p, std::span<CheckBox, 5> boxes, int k);

} // namespace sb
