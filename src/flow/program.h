// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "flow/answer_log_state.h"
#include "flow/main_model.h"
#include "flow/practice_session.h"
#include "flow/settings_backup.h"
#include "platform/lock_file.h"
#include "platform/services.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"
#include "records/message.h"

namespace sb {

// What a line of the main window's notice is about: a record file, or a trouble of its own
// (each topic has at most one line).
// What a line of the notice is about: a file in trouble, the pupil, the folder, or a damaged
// history set aside (said until the program ends).
enum class NoticeTopic : std::uint8_t { File, Pupil, Folder, HistorySetAside };
struct NoticeLine {
    NoticeTopic topic = NoticeTopic::File;
    std::string file; // the whole path, for File
    Message line;
};

struct RunState {
    // 1 when the next Start continues the current pool and counters.
    std::int16_t drillResumable = 0;
    // "Default.Xsx" was there at start-up but could not be read (locked, no permission). The
    // custom defaults in it were never seen, so shut-down must not write over them.
    bool defaultFileUnread = false;
    // Fact files that were there but could not be read: they hold a pupil's progress this run
    // never saw, so they are never written over.
    std::set<std::filesystem::path> factFilesUnread;
    // What Cancel of each settings window open now puts back, and what a shut-down that cannot
    // wait for them to close (a signal, the display gone) puts back first.
    SettingsBackup settingsBackup;
    // The pupil on display in the Student Data window, kept from one opening to the next: a
    // class file that the program has to start anew (missing, or too short for its header)
    // gets it as its header, counting 0 pupils. Until the window first opens it is slot 3 of
    // the defaults file as start-up read it (all zeros when start-up read none).
    DrillSettings shownPupil;
    // The shut-down's Auto Teach step has run: a second close saves again, steps no more.
    bool closeStepDone = false;
    // The lines of MainModel::notice, in the order they came: each record file whose last
    // save (or read) failed (by its whole path), and each other trouble under its topic.
    std::vector<NoticeLine> troubles;
    // The data folder is a lab's, shared with other computers (--shared, or another computer
    // seen in it at start-up): this computer's last settings and current pupil are kept in its
    // own defaults file, and the current pupil's record goes back to the class file at close.
    bool sharedFolder = false;
    // The current pupil's lock: nobody else makes her current while this program has her.
    LockFile pupilLock;
    // Another computer took the current pupil over: her results are no longer saved here.
    bool pupilTakenOver = false;
    // When the oldest answer not yet in the pupil's files was recorded (the steady clock);
    // nothing when every answer is saved.
    std::optional<std::chrono::steady_clock::time_point> unsavedSince;
    // The teacher password was given (or set) for a window open now: the teacher's windows
    // opened from it do not ask again. Ends when that window closes (flow/teacher_gate).
    bool teacherUnlocked = false;
    // Whether the pupil named here has her problems read aloud, as last read from or written
    // to her history (flow/read_aloud).
    std::optional<std::pair<std::string, bool>> readAloud;
    // The Today's Practice choice of the pupil named here, as last read from her history
    // (flow/todays_practice).
    std::optional<std::pair<std::string, PracticeChoice>> practiceChoice;
};

// Flags shared by the main window and the two settings windows.
struct SharedFlags {
    std::int16_t studentFromSmart = 0;        // 1 while Student Data is open over Smart Repeat
    std::int16_t smartFromStudent = 0;        // 1 while Smart Repeat is open over Student Data
    std::int16_t comboBefore = 0;             // a number box's value when it got the focus
    std::int16_t stopChoice = 0;              // the stop option last selected in Smart Repeat
    std::int16_t firstLocked = 0;             // the "10 Sub" lock of the first-number boxes
    std::array<std::int16_t, 5> savedFirst{}; // their values when the lock was applied, 1..4
};

// The whole state of a running program, from start-up to exit. There are no globals: the flow
// takes this, and hands each rule only the part it works on (the settings, the drill, the
// random source), so each test starts from a fresh one.
struct Program {
    explicit Program(Services& s) : services(s) {}

    Settings settings;
    Drill drill;
    RunState run;
    SharedFlags flags;
    MainModel main;
    AnswerLog history; // every counted answer, on its way to the pupil's history file
    // Today's Practice, while a session runs or is paused; nothing in the drill of the
    // selection's pool.
    std::optional<PracticeSession> practice;
    Services& services;

    DrillSettings& cur() { return settings.curSettings; }
    const DrillSettings& cur() const { return settings.curSettings; }
};

} // namespace sb
