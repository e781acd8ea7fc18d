#pragma once

#include "program.h"

namespace sb {

// Start-up of the program (the load of the main window): seeds nothing itself (the Random
// service is already seeded), chooses the settings, reads the pupil's facts, shows the
// selection, sets the idle controls and fills the status panel.
void ProgramLoad(Program& p);

// Shut-down (every close of the main window): reads the selection, runs one Auto Teach step,
// writes "Default.Xsx" and the pupil's fact file. Returns false when something could not be
// saved (the previous files are then left as they were).
bool ProgramClose(Program& p);

} // namespace sb
