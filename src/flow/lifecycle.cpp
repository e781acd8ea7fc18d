// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/lifecycle.h"

#include <algorithm>

#include "flow/failures.h"
#include "students/fact_file.h"
#include "students/file_names.h"
#include "students/record_files.h"

namespace sb {

namespace {

// notice: the line of every file (or other trouble) still in trouble, in the order they came.
void showTroubles(Program& p)
{
    Message notice;
    for (const NoticeLine& t : p.run.troubles) {
        notice.args.push_back(t.line);
    }
    if (!notice.args.empty()) {
        notice.id = MessageId::List;
    }
    p.main.notice = std::move(notice);
}

// Puts the line under (topic, file) in notice, in place of the one there; an empty line takes
// it out.
void setTrouble(Program& p, NoticeTopic topic, const std::string& file, Message line)
{
    auto& troubles = p.run.troubles;
    const auto it = std::find_if(troubles.begin(), troubles.end(), [&](const NoticeLine& t) {
        return t.topic == topic && t.file == file;
    });
    if (it != troubles.end() && line.empty()) {
        troubles.erase(it);
    } else if (it != troubles.end()) {
        it->line = std::move(line);
    } else if (!line.empty()) {
        troubles.push_back({topic, file, std::move(line)});
    }
    showTroubles(p);
}

} // namespace

void noteSave(Program& p, bool saved, MessageId line, const std::filesystem::path& file)
{
    setTrouble(p, NoticeTopic::File, file.string(),
               saved ? Message() : Message(line, {fileNameOf(file)}));
}

void noteLine(Program& p, NoticeTopic topic, Message line)
{
    setTrouble(p, topic, {}, std::move(line));
}

void noteFile(Program& p, const FileOutcome& outcome)
{
    setTrouble(p, NoticeTopic::File, outcome.file.string(),
               fileTrouble(outcome, ownerOf(p.services.files, outcome)));
}

DataDir dataDirOf(const Program& p)
{
    return DataDir{p.services.files, p.services.dataDir, p.services.clock};
}

std::optional<std::filesystem::path> pupilLockPath(const Program& p, const DrillSettings& pupil)
{
    const std::string name = trimmedName(pupil);
    if (name.empty() || fixedEntryName(name)) {
        return std::nullopt;
    }
    std::filesystem::path file = p.services.dataDir / factFileName(name);
    file += ".lock";
    return file;
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
    noteLine(p, NoticeTopic::Pupil, {});
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
    return p.services.files.present(p.services.dataDir).ok();
}

// The record of the pupil of this name in "StdDat.Xrx", as the class list has it now.
std::optional<DrillSettings> classRecord(Program& p, const std::string& name)
{
    const DataDir data = dataDirOf(p);
    if (!FileExists(data, kStudentFile)) {
        return std::nullopt;
    }
    StudentFile file(data);
    static_cast<void>(OpenStudentFile(file, p.run.shownPupil));
    const auto n = FindStudentInFile(file, name);
    auto record = n ? ReadStudent(file, *n) : std::nullopt;
    static_cast<void>(CloseStudentFile(file));
    return record;
}

} // namespace

void holdStartingPupil(Program& p)
{
    const DrillSettings pupil = p.cur();
    if (const auto holder = HoldPupil(p, pupil)) {
        noteLine(p, NoticeTopic::Pupil,
                 {MessageId::PupilInUse, {trimmedName(pupil), holderMessage(*holder)}});
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

void RefreshLocks(Program& p)
{
    const Status touched = p.run.pupilLock.refresh();
    if (touched.code() == StatusCode::TakenOver) {
        p.run.pupilTakenOver = true;
        p.run.pupilLock = LockFile(); // hers no longer: nothing of it is removed
        noteLine(p, NoticeTopic::Pupil, {MessageId::PupilTakenOver, {trimmedName(p.cur())}});
    }
    // A lock that became a link (to a copy of its text, say) is left alone, never written
    // through; the notice names it.
    const bool linked = touched.code() == StatusCode::LinkOut;
    if (linked) {
        noteFile(p, {p.run.pupilLock.path(), FileOutcome::Action::Save, touched});
    }
    const bool reachable =
        (touched || touched.code() == StatusCode::TakenOver || linked) && folderReachable(p);
    noteLine(p, NoticeTopic::Folder, reachable ? Message() : MessageId::FolderUnreachable);
    if (!reachable) {
        return;
    }
    // A save that failed (the server was away) is tried again now that the folder is back.
    p.history.writer->retry();
    const std::string facts = factFilePath(p.cur(), dataDirOf(p)).string();
    for (const NoticeLine& trouble : p.run.troubles) {
        if (trouble.topic == NoticeTopic::File && trouble.file == facts &&
            !p.run.factFilesUnread.contains(facts)) {
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
        noteFile(p, {path, FileOutcome::Action::Read, Status::refuse(StatusCode::Unreadable)});
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
    if (!factFileEnabled(owner)) {
        return {path, FileOutcome::Action::Save, {}}; // she keeps no fact file
    }
    if (p.run.factFilesUnread.contains(path)) {
        return {path, FileOutcome::Action::Kept, Status::refuse(StatusCode::Kept)};
    }
    return {path, FileOutcome::Action::Save, WriteFactFile(p.drill, owner, data)};
}

} // namespace

bool WriteFactFile(Program& p)
{
    if (p.run.pupilTakenOver) {
        return false; // another computer has her now; notice says so
    }
    const FileOutcome outcome = writeFacts(p, p.cur());
    noteFile(p, outcome);
    return outcome.ok();
}

bool SaveOutgoingFacts(Program& p, const DrillSettings& outgoing)
{
    if (p.run.pupilTakenOver) {
        return true;
    }
    const FileOutcome outcome = writeFacts(p, outgoing);
    noteFile(p, outcome);
    // Facts never read from an unreadable file are not the pupil's: leaving them unsaved
    // loses nothing.
    return outcome.ok() || outcome.action == FileOutcome::Action::Kept;
}

} // namespace sb
