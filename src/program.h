#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "mainwin/main_model.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

class FileSystem;

// What the program gets from the machine. The real versions are built in main(); tests hand in
// scripted and recording fakes and a temporary data directory.
struct Services {
    Random& random;
    Clock& clock;
    Sound& sound;
    Pictures& pictures;
    std::filesystem::path dataDir; // where the record files live
    FileSystem* files = nullptr;   // how record files are read and written; null: the disk
};

struct RunState {
    // 1 when the next Start continues the current pool and counters.
    std::int16_t drillResumable = 0;
    // "Default.Xsx" was there at start-up but could not be read (locked, no permission). The
    // custom defaults in it were never seen, so shut-down must not write over them.
    bool defaultFileUnread = false;
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

// The whole state of a running program, from start-up to exit. There are no globals: every
// procedure takes this (or the part of it it needs), so each test starts from a fresh one.
struct Program {
    explicit Program(Services& s) : services(s) {}

    Settings settings;
    Drill drill;
    RunState run;
    SharedFlags flags;
    MainModel main;
    Services& services;

    DrillSettings& cur() { return settings.curSettings; }
    const DrillSettings& cur() const { return settings.curSettings; }
};

} // namespace sb
