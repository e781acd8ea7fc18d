// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include "flow/program.h"

namespace sb {

// Start-up of the program (the load of the main window). The Random service is already
// seeded. In order: clears the window-nesting flags, removes stale temporaries of the record
// files, chooses curSettings (LoadStartupSettings; a rename cut short by a crash is finished),
// reads the pupil's facts, clears the "10 Sub" lock flag and then shows the selection (so that
// a pupil saved with "10 Sub" starts locked), disables Pause, Results Table, New Drill and the
// answer buttons,
// sets repeatDelay -1 and drillResumable 0, fills the status panel, empties the repeat list,
// zeroes the counters, and startSettings := curSettings. Writes no record file.
void ProgramLoad(Program& p);

// What a close saves, saved while the program goes on (at the end of a drill, at Pause, and
// during a drill at most kUnsavedAtMost after an answer): the settings with the current pupil,
// her facts and, in a shared folder, her record in the class file. A crash or a pulled plug
// then loses little. Nothing is saved while a settings window is open, since what it shows is
// not taken yet; no Auto Teach step runs.
void SaveProgress(Program& p);

// How long an answer may wait to be saved in the pupil's files while a drill runs.
inline constexpr std::chrono::seconds kUnsavedAtMost{60};

// Shut-down (every close of the main window; nothing here cancels the close). In order: reads
// the selection into curSettings, runs one Auto Teach step, writes "Default.Xsx"
// (SaveExitSettings), writes the pupil's fact file. Every save is tried whatever happened to
// the one before. Returns false when something could not be saved; the previous files are then
// left as they were and notice names every file that was not saved. A second call (the window
// kept open once after a failed save, a signal after a close) saves again but runs no second
// Auto Teach step: one shut-down, one step.
bool ProgramClose(Program& p);

// Shut-down when the program must end now, whatever window is open (a signal, a logout, the
// display gone): settings windows that are open count as cancelled (curSettings := what the
// first of them took into run.settingsBackup), then ProgramClose.
bool ProgramEmergencyClose(Program& p);

} // namespace sb
