// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/startup_shutdown.h"

#include "flow/answer_log.h"
#include "flow/answering.h"
#include "flow/captions.h"
#include "flow/lifecycle.h"
#include "flow/main_selection.h"
#include "students/record_files.h"

namespace sb {

namespace {

// In a shared folder the current pupil's record goes back to her slot of "StdDat.Xrx" (by her
// name), so that she finds her levels and Auto Teach progress at whichever computer she uses
// next. A pupil not on the class list gets no slot.
void saveClassRecord(Program& p)
{
    const std::string name = trimmedName(p.cur());
    const DataDir data = dataDirOf(p);
    if (!p.run.sharedFolder || p.run.pupilTakenOver || !pupilLockPath(p, p.cur()) ||
        !FileExists(data, kStudentFile)) {
        return;
    }
    StudentFile file(data);
    static_cast<void>(OpenStudentFile(file, p.run.shownPupil));
    if (const auto n = FindStudentInFile(file, name)) {
        noteFile(p, WriteStudent(file, *n, p.cur()));
    }
    static_cast<void>(CloseStudentFile(file));
}

} // namespace

void ProgramLoad(Program& p)
{
    p.flags.smartFromStudent = 0;
    p.flags.studentFromSmart = 0;
    // Saves that a crash or a kill cut short leave temporaries; those nobody is writing go.
    p.services.files.sweepStaleTemps(p.services.dataDir);
    // Answers wait in memory while the folder is out of reach, and go in once it is back.
    p.history.writer->watchFolder(p.services.files, p.services.dataDir);
    p.run.sharedFolder = p.run.sharedFolder || FolderShared(dataDirOf(p));
    const StartupRead defaults = LoadStartupSettings(p.settings, dataDirOf(p), p.run.sharedFolder);
    p.run.defaultFileUnread = !defaults.outcome.ok();
    noteFile(p, defaults.outcome);
    if (defaults.currentSlot) {
        p.run.shownPupil = *defaults.currentSlot;
    }
    // A rename that a crash cut short leaves the pupil's results under two names: the one the
    // student file lists wins.
    FinishInterruptedRename(p.settings, dataDirOf(p));
    holdStartingPupil(p);
    ReadFactFile(p);
    // The lock flag starts clear before the selection is shown, not after: settings saved with
    // "10 Sub" lock the first-number boxes while they are shown, and clearing the flag after
    // that would leave them greyed out for good once another operation is chosen.
    p.flags.firstLocked = 0;
    const DrillSettings shown = p.cur();
    ShowSelection(p, shown);

    p.main.pauseEnabled = false;
    p.main.resultsEnabled = false;
    p.main.newDrillEnabled = false;
    for (int i = 1; i <= kAnswerButtons; ++i) {
        p.main.but[static_cast<std::size_t>(i)].enabled = false;
    }

    // The constant tables are compiled in; what remains of this step is the drill state. It
    // also clears the drillResumable that ReadFactFile may have set, so that the first Start
    // after start-up always builds a new drill.
    p.drill.repeatDelay = -1;
    p.run.drillResumable = 0;

    ShowStatus(p);
    p.drill.repeatCount = 0;
    ResetCounters(p.drill);
    p.settings.startSettings = p.settings.curSettings;
}

void SaveProgress(Program& p)
{
    if (p.run.settingsBackup.beforeWindows()) {
        return;
    }
    noteFile(
        p, SaveExitSettings(p.settings, p.run.defaultFileUnread, dataDirOf(p), p.run.sharedFolder));
    static_cast<void>(WriteFactFile(p));
    saveClassRecord(p);
    p.run.unsavedSince.reset();
}

bool ProgramClose(Program& p)
{
    if (!p.run.closeStepDone) {
        ReadSelection(p.main, p.cur());
        static_cast<void>(RunAutoTeachStep(p));
        p.run.closeStepDone = true;
    }
    const FileOutcome settings =
        SaveExitSettings(p.settings, p.run.defaultFileUnread, dataDirOf(p), p.run.sharedFolder);
    noteFile(p, settings);
    const bool factsSaved = WriteFactFile(p) || p.run.pupilTakenOver;
    saveClassRecord(p);
    // The history is the pupil's own extra: answers it could not take never hold up the close.
    FlushAnswerHistory(p);
    p.run.unsavedSince.reset();
    const bool saved = settings.ok() && factsSaved;
    if (saved) {
        p.run.pupilLock.release(); // everything of hers is on the disk
    }
    return saved;
}

bool ProgramEmergencyClose(Program& p)
{
    p.run.settingsBackup.cancelAll(p.settings.curSettings);
    return ProgramClose(p);
}

} // namespace sb
