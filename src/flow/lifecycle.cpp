// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lifecycle.h"

#include <algorithm>
#include <cerrno>

#include "flow/answer_log.h"
#include "flow/answering.h"
#include "flow/captions.h"
#include "flow/main_form.h"
#include "records/cp1252.h"
#include "students/fact_file.h"
#include "students/file_names.h"
#include "students/record_files.h"

namespace sb {

namespace {

// notice: the line of every file (or other trouble) still in trouble, in the order they came.
void showTroubles(Program& p)
{
    p.main.notice.clear();
    for (const auto& t : p.run.fileTroubles) {
        p.main.notice += (p.main.notice.empty() ? "" : "; ") + t.second;
    }
}

} // namespace

void noteSave(Program& p, bool saved, std::string_view caption, const std::filesystem::path& file)
{
    // The name as the pupil's name was typed: the record files' code page, like every caption.
    const std::u8string utf8 = file.filename().u8string();
    const std::string name = utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
    auto& troubles = p.run.fileTroubles;
    const std::string key = file.string();
    const auto it = std::find_if(troubles.begin(), troubles.end(),
                                 [&key](const auto& t) { return t.first == key; });
    const std::string line = std::string(caption) + " (" + name + ")";
    if (saved && it != troubles.end()) {
        troubles.erase(it);
    } else if (!saved && it != troubles.end()) {
        it->second = line;
    } else if (!saved) {
        troubles.emplace_back(key, line);
    }
    showTroubles(p);
}

void noteLine(Program& p, const std::string& key, const std::string& line)
{
    auto& troubles = p.run.fileTroubles;
    const std::string tagged = "\n" + key; // no path holds a line break at its start
    const auto it = std::find_if(troubles.begin(), troubles.end(),
                                 [&tagged](const auto& t) { return t.first == tagged; });
    if (it != troubles.end() && line.empty()) {
        troubles.erase(it);
    } else if (it != troubles.end()) {
        it->second = line;
    } else if (!line.empty()) {
        troubles.emplace_back(tagged, line);
    }
    showTroubles(p);
}

void noteFile(Program& p, const FileOutcome& outcome)
{
    using Action = FileOutcome::Action;
    const std::filesystem::path name = outcome.file.filename();
    const std::string text = name.string();
    std::string_view caption;
    // "Default.Xsx", or a computer's own "Default.<host>.Xsx" in a shared folder.
    if (text.starts_with("Default.") && text.ends_with(".Xsx")) {
        caption = outcome.action == Action::Read ? kSettingsNotRead : kSettingsNotSaved;
    } else if (name == kStudentFile) {
        caption = outcome.action == Action::Read ? kStudentsNotRead : kStudentsNotSaved;
    } else {
        caption = outcome.action == Action::Read   ? kResultsNotRead
                  : outcome.action == Action::Kept ? kResultsKept
                                                   : kResultsNotSaved;
    }
    noteSave(p, outcome.ok(), caption, outcome.file);
}

DataDir dataDirOf(const Program& p)
{
    return DataDir{p.services.files, p.services.dataDir, p.services.clock};
}

std::optional<std::filesystem::path> pupilLockPath(const Program& p, const DrillSettings& pupil)
{
    const std::string name = trimmedName(pupil);
    if (name.empty() || name == "Default" || name == "Untitled") {
        return std::nullopt;
    }
    std::filesystem::path file = p.services.dataDir / factFileName(name);
    file += ".lock";
    return file;
}

std::string inUseText(const std::string& pupil, const LockHolder& holder)
{
    return pupil + " is in use on " + holderText(holder);
}

LockAttempt ReservePupil(Program& p, const DrillSettings& pupil, bool takeOver)
{
    const auto path = pupilLockPath(p, pupil);
    const LockFile& held = p.run.pupilLock;
    if (!path || (held.held() && held.path() == *path && !p.run.pupilTakenOver)) {
        return {}; // no pupil, or this program's already
    }
    LockAttempt attempt = tryLock(p.services.files, p.services.clock, *path, takeOver);
    // A folder where no lock can be made (read-only, say) serves one computer at a time, as
    // it always has: the pupil is used without a lock.
    attempt.status = {};
    return attempt;
}

void AdoptPupil(Program& p, const DrillSettings& pupil, LockFile reserved)
{
    const auto path = pupilLockPath(p, pupil);
    LockFile& held = p.run.pupilLock;
    const bool same = path && held.held() && held.path() == *path && !p.run.pupilTakenOver;
    if (!same) {
        held = std::move(reserved);
    }
    p.run.pupilTakenOver = false;
    noteLine(p, "pupil", "");
}

std::optional<LockHolder> HoldPupil(Program& p, const DrillSettings& pupil, bool takeOver)
{
    LockAttempt attempt = ReservePupil(p, pupil, takeOver);
    if (attempt.holder) {
        return attempt.holder;
    }
    AdoptPupil(p, pupil, std::move(attempt.lock));
    return std::nullopt;
}

namespace {

bool folderReachable(const Program& p)
{
    std::error_code ec;
    return std::filesystem::is_directory(p.services.dataDir, ec);
}

// The record of the pupil of this name in "StdDat.Xrx", as the class list has it now.
std::optional<DrillSettings> classRecord(Program& p, const std::string& name)
{
    const DataDir data = dataDirOf(p);
    if (!FileExists(data, kStudentFile)) {
        return std::nullopt;
    }
    Settings scratch = p.settings;
    StudentFile file(data);
    static_cast<void>(OpenStudentFile(scratch, file));
    const auto n = FindStudentInFile(file, name);
    auto record = n ? ReadStudent(file, *n) : std::nullopt;
    static_cast<void>(CloseStudentFile(file));
    return record;
}

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
    Settings scratch = p.settings;
    StudentFile file(data);
    static_cast<void>(OpenStudentFile(scratch, file));
    if (const auto n = FindStudentInFile(file, name)) {
        noteFile(p, WriteStudent(file, *n, p.cur()));
    }
    static_cast<void>(CloseStudentFile(file));
}

// The pupil a start-up chose: hers when nobody else has her; when another computer has her,
// this one starts with the custom defaults and says so.
void holdStartingPupil(Program& p)
{
    const DrillSettings pupil = p.cur();
    if (const auto holder = HoldPupil(p, pupil)) {
        noteLine(p, "pupil", inUseText(trimmedName(pupil), *holder));
        p.settings.curSettings = p.settings.defaultSettings;
        return;
    }
    if (p.run.sharedFolder && p.run.pupilLock.held()) {
        // She may have worked at another computer since this one last had her.
        if (auto record = classRecord(p, trimmedName(pupil))) {
            record->tag = pupil.tag;
            p.settings.curSettings = *record;
        }
    }
}

} // namespace

void RefreshLocks(Program& p)
{
    const Status touched = p.run.pupilLock.refresh();
    if (touched.error() == EOWNERDEAD) {
        p.run.pupilTakenOver = true;
        p.run.pupilLock = LockFile(); // hers no longer: nothing of it is removed
        noteLine(p, "pupil",
                 trimmedName(p.cur()) +
                     " was taken over by another computer: her results are no longer saved here");
    }
    const bool reachable = (touched || touched.error() == EOWNERDEAD) && folderReachable(p);
    noteLine(p, "folder", reachable ? "" : std::string(kFolderUnreachable));
    if (!reachable) {
        return;
    }
    // A save that failed (the server was away) is tried again now that the folder is back.
    const std::string facts = factFilePath(p.cur(), dataDirOf(p)).string();
    for (const auto& trouble : p.run.fileTroubles) {
        if (trouble.first == facts && !p.run.factFilesUnread.contains(facts)) {
            static_cast<void>(WriteFactFile(p));
            break;
        }
    }
}

void ReadFactFile(Program& p)
{
    const DataDir data = dataDirOf(p);
    const std::filesystem::path path = factFilePath(p.cur(), data);
    switch (ReadFactFile(p.drill, p.cur(), data)) {
    case FactFileRead::Off:
        break;
    case FactFileRead::Missing:
        p.run.drillResumable = 0;
        break;
    case FactFileRead::Unreadable:
        // Not the same as a missing file: the pupil's progress is in there.
        p.run.drillResumable = 0;
        p.run.factFilesUnread.insert(path);
        noteFile(p, {path, FileOutcome::Action::Read, Status::fail(EIO)});
        break;
    case FactFileRead::Loaded:
        p.run.drillResumable = 1;
        if (p.run.factFilesUnread.erase(path) != 0) {
            noteFile(p, {path, FileOutcome::Action::Read, {}});
        }
        break;
    }
}

namespace {

FileOutcome writeFacts(Program& p, const DrillSettings& owner)
{
    const DataDir data = dataDirOf(p);
    const std::filesystem::path path = factFilePath(owner, data);
    if (p.run.factFilesUnread.contains(path)) {
        return {path, FileOutcome::Action::Kept, Status::fail(EIO)};
    }
    return {path, FileOutcome::Action::Save, WriteFactFile(p.drill, owner, data)};
}

} // namespace

bool WriteFactFile(Program& p)
{
    if (p.run.pupilTakenOver) {
        return false; // another computer has her now; notice says so
    }
    if (!factFileEnabled(p.cur())) {
        return true;
    }
    const FileOutcome outcome = writeFacts(p, p.cur());
    noteFile(p, outcome);
    return outcome.ok();
}

bool ProgramEmergencyClose(Program& p)
{
    if (p.run.beforeWindows) {
        p.settings.curSettings = *p.run.beforeWindows;
        p.run.beforeWindows.reset();
    }
    return ProgramClose(p);
}

bool SaveOutgoingFacts(Program& p, const DrillSettings& outgoing)
{
    if (!factFileEnabled(outgoing) || p.run.pupilTakenOver) {
        return true;
    }
    const FileOutcome outcome = writeFacts(p, outgoing);
    noteFile(p, outcome);
    // Facts never read from an unreadable file are not the pupil's: leaving them unsaved
    // loses nothing.
    return outcome.ok() || outcome.action == FileOutcome::Action::Kept;
}

void ProgramLoad(Program& p)
{
    p.flags.smartFromStudent = 0;
    p.flags.studentFromSmart = 0;
    // Saves that a crash or a kill cut short leave temporaries; those nobody is writing go.
    p.services.files.sweepStaleTemps(p.services.dataDir);
    p.run.sharedFolder = p.run.sharedFolder || FolderShared(dataDirOf(p));
    const FileOutcome defaults = LoadStartupSettings(p.settings, dataDirOf(p), p.run.sharedFolder);
    p.run.defaultFileUnread = !defaults.ok();
    noteFile(p, defaults);
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
    for (int i = 1; i <= 3; ++i) {
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
    const bool saved = settings.ok() && factsSaved;
    if (saved) {
        p.run.pupilLock.release(); // everything of hers is on the disk
    }
    return saved;
}

} // namespace sb
