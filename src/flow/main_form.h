// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "flow/program.h"
#include "flow/selection_boxes.h"

namespace sb {

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

// Click handlers of the selection controls. The value arguments are the box's new value. Each
// does nothing while the pop-up or the delay window is open.
void a_click(Program& p, int i, std::int16_t value);
void b_click(Program& p, int i, std::int16_t value);
void asela_click(Program& p);
void aseln_click(Program& p);
void bsela_click(Program& p);
void bseln_click(Program& p);
void op_click(Program& p, int k);
void switch_click(Program& p, std::int16_t value);

} // namespace sb
