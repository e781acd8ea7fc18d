// A child process saves one kind of record file over and over and is killed with SIGKILL at a
// random moment, 100 times per kind. Whatever moment the kill hits, the file must be one of the
// two versions the child alternates between, complete, and the next start must read it.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "proof_support.h"
#include "records/codec.h"
#include "students/fact_file.h"
#include "students/file_names.h"
#include "students/record_files.h"

namespace sb::proof {
namespace {

constexpr int kKills = 100;

// Runs save(version) for version 0, 1, 0, 1, ... in a child and kills it after a random time
// of up to 15 ms, kKills times; check() is called after each kill. Answers the saves the
// children completed, so that the figure shows the kills fell among many saves.
long killWhileSaving(const std::function<void(int)>& save, const std::function<void(int)>& check)
{
    auto* done = static_cast<std::atomic<long>*>(::mmap(nullptr, sizeof(std::atomic<long>),
                                                        PROT_READ | PROT_WRITE,
                                                        MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    EXPECT_NE(done, MAP_FAILED);
    new (done) std::atomic<long>(0);
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<int> delayUs(0, 15000);
    for (int kill = 0; kill < kKills && !::testing::Test::HasFatalFailure(); ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int version = 1;; version = 1 - version) {
                save(version);
                done->fetch_add(1);
            }
        }
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        SCOPED_TRACE("kill " + std::to_string(kill));
        check(kill);
    }
    const long saves = done->load();
    ::munmap(done, sizeof(std::atomic<long>));
    return saves;
}

TEST(KilledWhileSaving, DefaultFileIsOldOrNewAndReadsBack)
{
    TempDir dir;
    const DataDir data = diskData(dir.path());
    // Version v: the current pupil is "V0" or "V1", chosen at start-up (loadOnStart 1).
    auto settingsOf = [](int version) {
        Settings s;
        LoadOriginalDefaults(s);
        s.curSettings = s.defaultSettings;
        setName(s.curSettings, "V" + std::to_string(version));
        s.curSettings.loadOnStart = 1;
        return s;
    };
    auto save = [&](int version) {
        Settings s = settingsOf(version);
        static_cast<void>(SaveExitSettings(s, false, data));
    };
    std::vector<std::vector<std::uint8_t>> versions;
    for (int v = 0; v < 2; ++v) {
        save(v);
        versions.push_back(*fileBytes(dir.path() / kDefaultFile));
    }
    const long saves = killWhileSaving(save, [&](int) {
        const auto now = fileBytes(dir.path() / kDefaultFile);
        ASSERT_TRUE(now);
        EXPECT_TRUE(*now == versions[0] || *now == versions[1]) << now->size() << " bytes";
        Settings next;
        EXPECT_TRUE(LoadStartupSettings(next, data));
        const std::string name = trimmedName(next.curSettings);
        EXPECT_TRUE(name == "V0" || name == "V1") << name;
    });
    std::printf("Default.Xsx: %d kills among %ld completed saves\n", kKills, saves);
}

TEST(KilledWhileSaving, FactFileIsOldOrNewAndReadsBack)
{
    TempDir dir;
    const DataDir data = diskData(dir.path());
    DrillSettings ann;
    setName(ann, "Ann");
    ann.autoTeach = 1;
    // Version v: every fact asked v + 1 times.
    auto drillOf = [](int version) {
        Drill d;
        for (int i = 1; i <= 200; ++i) {
            d.fact(i).second = static_cast<std::int16_t>((i - 1) / 20 + 1);
            d.fact(i).asked = static_cast<std::int16_t>(version + 1);
        }
        return d;
    };
    const Drill drills[2] = {drillOf(0), drillOf(1)};
    auto save = [&](int version) { static_cast<void>(WriteFactFile(drills[version], ann, data)); };
    save(0);
    const long saves = killWhileSaving(save, [&](int) {
        const auto now = fileBytes(dir.path() / factFileName("Ann"));
        ASSERT_TRUE(now);
        EXPECT_TRUE(*now == encodeFactFile(drills[0]) || *now == encodeFactFile(drills[1]))
            << now->size() << " bytes";
        Drill read;
        ASSERT_EQ(ReadFactFile(read, ann, data), FactFileRead::Loaded);
        const std::int16_t asked = read.fact(1).asked;
        EXPECT_TRUE(asked == 1 || asked == 2) << asked;
        EXPECT_EQ(read.fact(200).asked, asked);
    });
    std::printf("Ann.Xtx: %d kills among %ld completed saves\n", kKills, saves);
}

// The rebuild of the student file (OK in the Student Data window): version 0 lists Ann and
// Bob, version 1 Cy, Dee and Eve.
TEST(KilledWhileSaving, RebuiltStudentFileIsOldOrNewAndReadsBack)
{
    TempDir dir;
    const DataDir data = diskData(dir.path());
    const std::vector<std::string> lists[2] = {{"Ann", "Bob"}, {"Cy", "Dee", "Eve"}};
    auto save = [&](int version) {
        Settings s;
        LoadOriginalDefaults(s);
        StudentFile f(data);
        static_cast<void>(OpenStudentFile(s, f));
        f.studentCount = static_cast<std::int16_t>(lists[version].size());
        static_cast<void>(RewriteStudentFile(s, f, lists[version]));
    };
    save(0);
    const long saves = killWhileSaving(save, [&](int) {
        const auto now = fileBytes(dir.path() / kStudentFile);
        ASSERT_TRUE(now);
        Settings s;
        StudentFile f(data);
        const auto names = OpenStudentFile(s, f);
        EXPECT_TRUE(names == lists[0] || names == lists[1]) << names.size() << " names";
        EXPECT_EQ(now->size(), (names.size() + 1) * kSlotSize);
        for (const auto& name : names) {
            EXPECT_TRUE(FindStudentInFile(f, name)) << name;
        }
        CloseStudentFile(f);
    });
    std::printf("StdDat.Xrx rebuilt: %d kills among %ld completed saves\n", kKills, saves);
}

// Adding a pupil writes one new slot after the others in place. A kill may cut that slot
// short, but what was there before must stay byte for byte, and the next opening lists the
// pupils the header counts.
TEST(KilledWhileSaving, AppendedStudentLeavesTheFileBeforeIt)
{
    TempDir dir;
    const DataDir data = diskData(dir.path());
    Settings base;
    LoadOriginalDefaults(base);
    {
        StudentFile f(data);
        static_cast<void>(OpenStudentFile(base, f));
        f.studentCount = 2;
        ASSERT_TRUE(RewriteStudentFile(base, f, {"Ann", "Bob"}));
    }
    const auto before = *fileBytes(dir.path() / kStudentFile);
    int cutShort = 0;
    auto save = [&](int version) {
        Settings s;
        StudentFile f(data);
        static_cast<void>(OpenStudentFile(s, f));
        DrillSettings record = base.defaultSettings;
        setName(record, version == 0 ? "New0" : "New1");
        static_cast<void>(AppendStudent(f, record));
        CloseStudentFile(f);
    };
    const long saves = killWhileSaving(save, [&](int) {
        const auto now = *fileBytes(dir.path() / kStudentFile);
        ASSERT_GE(now.size(), before.size());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), now.begin()));
        cutShort += now.size() % kSlotSize != 0 ? 1 : 0;
        Settings s;
        StudentFile f(data);
        EXPECT_EQ(OpenStudentFile(s, f), (std::vector<std::string>{"Ann", "Bob"}));
        CloseStudentFile(f);
        putFile(dir.path() / kStudentFile, before);
    });
    std::printf("StdDat.Xrx appended: %d kills among %ld completed saves, %d slots cut short\n",
                kKills, saves, cutShort);
}

} // namespace
} // namespace sb::proof
