// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "flow/program.h"
#include "students/safe_file.h"

namespace sb {

// After a save (or a read) of file: a failure gives the file the line `line` (one of the
// file messages, SettingsNotSaved ... OverviewNotSaved, with the file's name) in notice; a
// success takes the file's line out. notice lists the lines of every file still in trouble, in
// the order they failed, so no failure hides another. Files are told apart by their whole path.
void noteSave(Program& p, bool saved, MessageId line, const std::filesystem::path& file);

// After a record file's read or save: its line of notice (see fileTrouble) is put in or taken
// out.
void noteFile(Program& p, const FileOutcome& outcome);

// The line of notice about topic (a pupil in use elsewhere, the folder out of reach); an empty
// line takes it out.
void noteLine(Program& p, NoticeTopic topic, Message line);

// The lock file of the pupil of this record: her fact file's name with ".lock". Nothing for
// no pupil (a blank name, or the fixed "Default" and "Untitled").
std::optional<std::filesystem::path> pupilLockPath(const Program& p, const DrillSettings& pupil);

// One attempt at the lock of the pupil of this record, for a switch to her: the lock is hers
// (empty when she needs none or this program holds her already), or holder says who has her.
// With takeOver even another computer's lock is taken.
LockAttempt ReservePupil(Program& p, const DrillSettings& pupil, bool takeOver = false);
// She becomes the pupil this program holds, with the lock reserved for her; the lock of the
// pupil held before goes.
void AdoptPupil(Program& p, const DrillSettings& pupil, LockFile reserved);

// Makes the pupil of this record the one this program holds: her lock is taken (with takeOver
// even from another computer), the lock of the pupil held before goes. Answers who holds her
// when she is in use elsewhere (nothing changes then).
std::optional<LockHolder> HoldPupil(Program& p, const DrillSettings& pupil, bool takeOver = false);

// Every kLockRefreshEvery while the program runs: the current pupil's lock is touched; a save
// that failed is tried again; notice says when the folder cannot be reached or another
// computer took the pupil over.
void RefreshLocks(Program& p);

// The program's data directory and file system.
DataDir dataDirOf(const Program& p);

// Loads the current pupil's saved facts (when Auto Teach or saveLevel is on): drillResumable
// becomes 1 when they were loaded and 0 when the pupil has none; with both off nothing changes.
// A file that is there but cannot be read is marked so that it is never written over this run,
// and notice says "Results could not be read" with its name.
void ReadFactFile(Program& p);

// Saves the current pupil's facts (when Auto Teach or saveLevel is on). False, with notice
// naming the file, when they could not be saved; a file that could not be read is not written
// at all.
bool WriteFactFile(Program& p);

// The pupil a start-up chose: hers when nobody else has her; when another computer has her,
// this one starts with the custom defaults and says so.
void holdStartingPupil(Program& p);

// The current pupil's fact file is saved before another pupil becomes current (the Student
// Data window's OK, whichever window opened it), so that no answer given since the last save
// is lost. `outgoing` is the record of the pupil whose facts are in memory. False when they
// could not be saved (not when their file could not be read at all: those facts are not hers).
bool SaveOutgoingFacts(Program& p, const DrillSettings& outgoing);

} // namespace sb
