// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests against the real disk share, beyond the common test support: child processes,
// the memory they share and their signals, the real program started on a data folder, and a
// program on the real disk with its data in a given folder.

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>

#include <utility>

#include "students/safe_file.h"
#include "support/test_support.h"

namespace sb::proof {

using test::Bytes;
using test::TempDir;

// A new folder of this name in tmp.
inline std::filesystem::path newFolder(const TempDir& tmp, const std::string& name)
{
    std::filesystem::create_directory(tmp.path() / name);
    return tmp.path() / name;
}

// A T in memory this process shares with the children it forks after (never unmapped: one or
// two a test).
template <typename T> T* sharedMemory()
{
    void* memory =
        ::mmap(nullptr, sizeof(T), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    return memory == MAP_FAILED ? throw std::bad_alloc() : new (memory) T{};
}

// Waits for the child to end: answers its exit status, 128 + the signal that ended it, or -1
// when there is no such child.
inline int endOf(pid_t child)
{
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The machine's own clock: waits for another process's lock take real time here.
inline Clock& realClock()
{
    static SystemClock clock;
    return clock;
}

// How a test starts the real program: on a lab's folder (--shared), as another account (by
// root, the account's groups and a home of its own given), `plant` run once its process exists
// and before it starts, `atHold` each time its script holds (with 1, 2, ...), before it goes
// on. Each given a default (doing nothing), so that a designated initializer names only those
// it sets.
struct StartOptions {
    bool shared = false;
    std::string account{};
    std::filesystem::path home{};
    std::function<void(pid_t)> plant = [](pid_t) {};
    std::function<void(int)> atHold = [](int) {};
};

// Starts the real program on the data folder with the test actions of script (umask 022; the
// offscreen display unless another is set) and reads what it writes until it says "ready" (30 s
// at most, or until it ends). Answers its process and what it wrote; the process is -1 when
// none could be started or it did not say ready (it is then killed and waited for).
std::pair<pid_t, std::string> startProgram(const std::filesystem::path& data,
                                           const std::string& script,
                                           const StartOptions& options = {});

// The class file of dir listing `names`, each `pupil` under her name, written through the
// program's own code; false when a save failed.
bool writeClass(const std::filesystem::path& dir, const std::vector<std::string>& names,
                DrillSettings pupil = {}, const DrillSettings& defaults = {});

// A class of one pupil who works with Auto Teach and whom a start loads; in a lab's folder
// (shared) this computer's own defaults file names her. False when a save failed.
bool classWith(const std::filesystem::path& dir, const std::string& pupil, bool shared);

// Runs the real program (see startProgram); once it has done its script and said "ready" it
// gets SIGTERM, as a session's end would send it. Answers the lines it wrote after "notice: ",
// one line each ("?" when it did not say ready or wrote no notice).
std::string runProgram(const std::filesystem::path& data, const std::string& script,
                       const StartOptions& options = {});

// A program on the real disk and the real clock, its record files in data (a lab's folder when
// shared), loaded as a start loads it.
struct DiskProgram : test::ProgramFixture {
    explicit DiskProgram(const std::filesystem::path& data, bool shared = false)
        : ProgramFixture(random, diskFileSystem(), realClock())
    {
        services.dataDir = data;
        p.run.sharedFolder = shared;
        mainForm.load();
    }
    StdRandom random{1};
};

} // namespace sb::proof
