// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests against the real disk share, beyond the common test support: whole-file reads
// that tell a missing file apart, child processes and their signals, and a program on the real
// disk with its data in a given folder.

#include <signal.h>
#include <sys/wait.h>

#include "students/safe_file.h"
#include "support/test_support.h"

namespace sb::proof {

using test::Bytes;
using test::TempDir;

// The whole file, or nothing when it is not there.
inline std::optional<Bytes> fileBytes(const std::filesystem::path& path)
{
    return std::filesystem::exists(path) ? std::optional(test::readBytes(path)) : std::nullopt;
}

// The machine's own clock: waits for another process's lock take real time here.
inline Clock& realClock()
{
    static SystemClock clock;
    return clock;
}

// A program on the real disk and the real clock, its record files in data.
struct DiskProgram : test::ProgramFixture {
    explicit DiskProgram(const std::filesystem::path& data)
        : ProgramFixture(random, diskFileSystem(), realClock())
    {
        services.dataDir = data;
    }
    StdRandom random{1};
};

} // namespace sb::proof
