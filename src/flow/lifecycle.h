#pragma once

#include <string_view>

#include "flow/program.h"
#include "students/safe_file.h"

namespace sb {

// Captions put into MainModel::notice when a file could not be written.
inline constexpr std::string_view kSettingsNotSaved = "Settings could not be saved";
inline constexpr std::string_view kResultsNotSaved = "Results could not be saved";
inline constexpr std::string_view kStudentsNotSaved = "Student data could not be saved";

// After a save: a failure puts caption into notice; a success clears notice when it was this
// caption (so an older failure of another file stays on show).
void noteSave(Program& p, bool saved, std::string_view caption);

// The program's data directory and file system.
DataDir dataDirOf(const Program& p);

// Loads the current pupil's saved facts (when Auto Teach or saveLevel is on): drillResumable
// becomes 1 when they were loaded and 0 when the pupil has none; with both off nothing changes.
void ReadFactFile(Program& p);

// Saves the current pupil's facts (when Auto Teach or saveLevel is on). False, with notice
// set, when they could not be saved.
bool WriteFactFile(Program& p);

// Start-up of the program (the load of the main window). The Random service is already
// seeded. In order: clears the window-nesting flags, chooses curSettings
// (LoadStartupSettings), reads the pupil's facts, shows the selection and clears the
// "10 Sub" lock flag, disables Pause, Results Table, New Drill and the answer buttons,
// sets repeatDelay -1 and drillResumable 0, fills the status panel, empties the repeat list,
// zeroes the counters, and startSettings := curSettings. Writes no file.
void ProgramLoad(Program& p);

// Shut-down (every close of the main window; nothing here cancels the close). In order: reads
// the selection into curSettings, runs one Auto Teach step, writes "Default.Xsx"
// (SaveExitSettings), writes the pupil's fact file. Returns false when something could not be
// saved; the previous files are then left as they were and notice says which.
bool ProgramClose(Program& p);

} // namespace sb
