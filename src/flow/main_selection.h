// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "flow/program.h"

namespace sb {

// The main window's selection as the program reads and sets it (its boxes and SwitchAB). The
// pupil's own clicks on them are MainForm's.

// Copies the selection boxes of the main window into a record (ReadBoxes; switchAB is not read
// here: its box writes it at once).
void ReadSelection(const MainModel& m, DrillSettings& s);

// Sets the selection boxes (ShowBoxes) and SwitchAB from a record; values that change run the
// click handling.
void ShowSelection(Program& p, const DrillSettings& s);

// Shown after a settings window closes with OK: the selection of curSettings (not switchAB),
// the pupil's saved facts, and the status panel.
void update(Program& p);

// Makes sure something is selected (see fixSelectionValues) and shows the selection again.
void FixSelections(Program& p);

// SwitchAB set to value, as its click sets it: the box, curSettings.switchAB and "New Drill".
void SetSwitch(MainModel& m, DrillSettings& cur, std::int16_t value);

} // namespace sb
