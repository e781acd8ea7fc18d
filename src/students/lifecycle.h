#pragma once

#include "program.h"

namespace sb {

// Start-up of the program (the load of the main window). The Random service is already
// seeded. In order: clears the window-nesting flags, chooses curSettings
// (LoadStartupSettings), reads the pupil's facts, shows the selection and clears the
// "10 Sub" lock flag, disables Pause, Results Table, New Drill and the answer buttons,
// sets repeatDelay -1 and drillResumable 0, fills the status panel, empties the repeat list,
// zeroes the counters, and startSettings := curSettings. Writes no file.
void ProgramLoad(Program& p);

// Shut-down (every close of the main window; nothing here cancels the close). In order: reads
// the selection into curSettings, runs one Auto Teach step, writes "Default.Xsx"
// (SaveExitSettings), writes the pupil's fact file. Every save is tried whatever happened to
// the one before. Returns false when something could not be saved; the previous files are then
// left as they were and notice names every file that was not saved.
bool ProgramClose(Program& p);

} // namespace sb
