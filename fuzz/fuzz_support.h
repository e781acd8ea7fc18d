// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the record-file fuzzers share: a private folder for the files they write, and a whole
// program with quiet, repeatable services.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

#include "flow/answering.h"
#include "flow/feedback.h"
#include "flow/program.h"
#include "flow/run_control.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/media.h"
#include "platform/random.h"
#include "students/safe_file.h"

namespace sb::fuzz {

// A folder made once per process in /dev/shm (memory: millions of runs wear no disk), or the
// temporary folder where there is none; removed when the process ends normally.
inline const std::filesystem::path& folder()
{
    static const std::filesystem::path dir = [] {
        std::error_code ec;
        std::filesystem::path base("/dev/shm");
        if (!std::filesystem::is_directory(base, ec)) {
            base = std::filesystem::temp_directory_path(ec);
        }
        std::string pattern = (base / "sumblitz-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return dir;
}

// Empties the folder and puts one file of the given bytes in it.
inline void plantFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder(), ec)) {
        std::filesystem::remove_all(entry.path(), ec);
    }
    std::ofstream out(folder() / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) {
        std::abort();
    }
}

inline DataDir dataDir()
{
    static SystemClock clock;
    return DataDir{diskFileSystem(), folder(), clock};
}

class StillClock final : public Clock {
public:
    std::int16_t minuteOfHour() override { return 7; }
    std::uint64_t seed() override { return 1; }
    std::chrono::steady_clock::time_point steadyNow() override
    {
        return std::chrono::steady_clock::now();
    }
    void sleepFor(std::chrono::milliseconds pause) override { std::this_thread::sleep_for(pause); }
};

// A program on the fuzz folder; the same seed every run, so a crash can be replayed.
struct FuzzProgram {
    StillClock clock;
    StdRandom random{1};
    SilentSound sound;
    NoPictures pictures;
    Services services{random, clock, sound, pictures, diskFileSystem(), folder()};
    Program program{services};
};

// A pupil at work for a while: presses the answer buttons in turn (wrong ones too), on the
// pop-up as well, while the drill clock, the pop-up's timer and the delay window's timer tick.
inline void driveDrill(Program& p, int steps)
{
    for (int step = 0; step < steps; ++step) {
        const int button = 1 + step % 3;
        but_click(p, button);
        pop_but_click(p, button);
        pop_timer_tick(p);
        deltime_tick(p);
        ClockTick(p);
    }
}

// Stops the run as a crash when a promise of the readers is broken.
inline void require(bool promise)
{
    if (!promise) {
        __builtin_trap();
    }
}

} // namespace sb::fuzz
