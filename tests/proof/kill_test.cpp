// SPDX-License-Identifier: GPL-3.0-or-later
// A child process saves the settings file over and over and is killed with SIGKILL at a random
// moment, 100 times. Every whole-file save (the fact files and the rebuilt student file too)
// goes through one temporary and a rename; a slot appended in place and cut short by a kill is
// ignored by the reader, which the core tests show. Whatever moment the kill hits, the file
// must be one of the two versions the child alternates between, complete, and the next start
// must read it.

#include <atomic>
#include <random>
#include <thread>

#include "proof_support.h"
#include "students/file_names.h"

namespace sb::proof {
namespace {

constexpr int kKills = 100;

// What a saving child and the test share: whether the child has begun, and the saves it
// completed.
struct Shared {
    std::atomic<int> started{0};
    std::atomic<long> done{0};
};

// Kills a saving child kKills times, each a random time of up to three saves after it began
// (timed on this disk by a first child that runs 300 ms), so that the kills fall on every step
// of a save. check() looks at the file after each kill and answers the version it found (0 or
// 1). Prints the figures.
void killWhileSaving(const char* what, const std::function<void(int)>& save,
                     const std::function<int()>& check)
{
    Shared* shared = sharedMemory<Shared>();
    std::mt19937 rng(20261206);
    long delayUs = 300000, perSaveUs = 0;
    int found[2] = {0, 0};
    for (int kill = 0; kill <= kKills && !::testing::Test::HasFailure(); ++kill) {
        shared->started.store(0);
        const pid_t child = ::fork();
        if (child == 0) { // runs save(version) for version 1, 0, 1, 0, ... until it is killed
            shared->started.store(1);
            for (int version = 1;; version = 1 - version) {
                save(version);
                shared->done.fetch_add(1);
            }
        }
        ASSERT_GT(child, 0);
        while (shared->started.load() == 0) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
        ::kill(child, SIGKILL);
        EXPECT_EQ(endOf(child), 128 + SIGKILL);
        SCOPED_TRACE("kill " + std::to_string(kill));
        const int version = check();
        if (kill == 0) {
            perSaveUs = 300000 / std::max(shared->done.exchange(0), 1L);
        } else if (version == 0 || version == 1) {
            ++found[version];
        }
        delayUs =
            std::uniform_int_distribution<long>(0, std::clamp(3 * perSaveUs, 1000L, 300000L))(rng);
    }
    std::printf("%s: %d kills (a save takes about %ld us), %ld saves completed; found the old or "
                "new version %d + %d times\n",
                what, kKills, perSaveUs, shared->done.load(), found[0], found[1]);
}

TEST(KilledWhileSaving, DefaultFileIsOldOrNewAndReadsBack)
{
    TempDir dir;
    const DataDir data{diskFileSystem(), dir.path(), realClock()};
    // Version v: the current pupil is "V0" or "V1", chosen at start-up (loadOnStart 1).
    auto save = [&](int version) {
        Settings s;
        LoadOriginalDefaults(s);
        s.curSettings = test::originalDefaults("V" + std::to_string(version));
        s.curSettings.loadOnStart = 1;
        static_cast<void>(SaveExitSettings(s, false, data));
    };
    Bytes versions[2];
    for (int v : {1, 0}) {
        save(v);
        versions[v] = test::readBytes(dir.path() / kDefaultFile);
    }
    killWhileSaving("Default.Xsx", save, [&] {
        const Bytes now = test::readBytes(dir.path() / kDefaultFile);
        EXPECT_TRUE(now == versions[0] || now == versions[1]);
        Settings next;
        EXPECT_TRUE(LoadStartupSettings(next, data).outcome.ok());
        const std::string name = trimmedName(next.curSettings);
        EXPECT_TRUE(name == "V0" || name == "V1") << name;
        return name == "V1" ? 1 : 0;
    });
}

// A pupil renamed back and forth, Ann <-> Anna, killed at every step of a rename, the move of
// her answer history included: a restart always finds her once in the class, loads her under
// that name, with her results and her history, and no other file holds a copy of them.
TEST(KilledWhileSaving, ARenameLeavesOnePupilWithHerResults)
{
    TempDir dir;
    const DataDir data{diskFileSystem(), dir.path(), realClock()};
    const Bytes results(4800, 0x11);
    test::writeBytes(dir.path() / "Ann.Xtx", results);
    const std::vector<AnswerRow> answers(3, AnswerRow{.answer = "2", .chosen = "2"});
    ASSERT_TRUE(HistoryDb::open(dir.path() / "Ann.history.sqlite", true).db->append(answers));
    ASSERT_TRUE(classWith(dir.path(), "Ann", false));
    const auto moveItsHistory = [&](std::string_view from, std::string_view to) {
        static_cast<void>(
            moveHistory(dir.path() / historyFileName(from), dir.path() / historyFileName(to)));
    };
    auto rename = [&](int version) {
        StudentFile f(data);
        static_cast<void>(OpenStudentFile(f, {}));
        if (const auto n = FindStudentInFile(f, version == 1 ? "Ann" : "Anna")) {
            static_cast<void>(RenameStudent(f, *n, version == 1 ? "Anna" : "Ann", moveItsHistory));
        }
        static_cast<void>(CloseStudentFile(f));
    };
    killWhileSaving("Rename", rename, [&] {
        DiskProgram next(dir.path());
        const std::string name = trimmedName(next.p.cur()); // the pupil a start-up loads
        StudentFile f(data);
        EXPECT_EQ(OpenStudentFile(f, {}), std::vector<std::string>{name}) << "once in the class";
        EXPECT_EQ(test::readBytes(dir.path() / factFileName(name)), results);
        EXPECT_EQ(test::historyRows(dir.path() / historyFileName(name)).size(), answers.size());
        const std::string facts = factFileName(name).string();
        EXPECT_EQ(test::filesIn(dir.path()),
                  (std::set<std::string>{facts, facts + ".lock", historyFileName(name).string(),
                                         "Default.Xsx", "StdDat.Xrx"}))
            << "no other name, history or note left over";
        return name == "Anna" ? 1 : 0;
    });
}

} // namespace
} // namespace sb::proof
