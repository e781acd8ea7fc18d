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
#include "students/record_files.h"

namespace sb {

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
    p.main.notice.clear();
    for (const auto& t : troubles) {
        p.main.notice += (p.main.notice.empty() ? "" : "; ") + t.second;
    }
}

void noteFile(Program& p, const FileOutcome& outcome)
{
    using Action = FileOutcome::Action;
    const std::filesystem::path name = outcome.file.filename();
    std::string_view caption;
    if (name == kDefaultFile) {
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
    return DataDir{p.services.files, p.services.dataDir};
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
    if (!factFileEnabled(outgoing)) {
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
    const FileOutcome defaults = LoadStartupSettings(p.settings, dataDirOf(p));
    p.run.defaultFileUnread = !defaults.ok();
    noteFile(p, defaults);
    // A rename that a crash cut short leaves the pupil's results under two names: the one the
    // student file lists wins.
    FinishInterruptedRename(p.settings, dataDirOf(p));
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
        SaveExitSettings(p.settings, p.run.defaultFileUnread, dataDirOf(p));
    noteFile(p, settings);
    const bool factsSaved = WriteFactFile(p);
    // The history is the pupil's own extra: answers it could not take never hold up the close.
    FlushAnswerHistory(p);
    return settings.ok() && factsSaved;
}

} // namespace sb
