// SPDX-License-Identifier: GPL-3.0-or-later
// Locks of a shared data folder in a temporary folder, on a clock that moves on when the
// program sleeps: busy, stale, skewed and taken-over locks without waiting for any of them.

#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>

#include "platform/lock_file.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::int64_t kAtTenTwo = 1'765'101'720; // 2025-12-07 10:02 UTC

std::string lockText(std::string_view host, long pid)
{
    return "Sumblitz lock\nhost=" + std::string(host) + "\npid=" + std::to_string(pid) +
           "\nsince=" + std::to_string(kAtTenTwo) + "\n";
}

// The host an attempt names as the lock's holder when it did not take it ("(taken)" when it
// did, "(nobody)" when it names none).
std::string heldBy(const LockAttempt& got)
{
    return got.taken() ? "(taken)" : got.holder ? got.holder->host : "(nobody)";
}

// How long ago the folder stamped a file (negative: in the future).
void stampAgo(const Path& path, std::chrono::seconds ago)
{
    fs::last_write_time(path, fs::file_time_type::clock::now() - ago);
}

// A data folder and this computer, its clock and its way to the folder faked.
struct Folder {
    TempDir dir;
    FaultyFiles files;
    FixedClock clock;
    Path lock = dir.path() / "StdDat.Xrx.lock";

    Folder() { skew(0s); }
    // A lock file as another copy of the program leaves it ("" says nothing readable),
    // written `ago` before the folder's now.
    void plant(const std::string& text, std::chrono::seconds ago = 0s) const
    {
        std::ofstream(lock, std::ios::binary | std::ios::trunc) << text;
        stampAgo(lock, ago);
    }
    LockAttempt attempt(bool takeOver = false) { return tryLock(files, clock, lock, takeOver); }
    std::string onDisk() const { return textOf(lock); }
    // A lock moved aside to be broken.
    static bool aside(const Path& p) { return p.string().find(".broken-") != std::string::npos; }
    // The lock alone, nothing beside it: no file moved aside to be broken, no file of its own
    // from before it got its name.
    bool alone() const { return filesIn(dir.path()) == std::set<std::string>{"StdDat.Xrx.lock"}; }
    // This computer's clock, `ahead` of the folder's.
    void skew(std::chrono::seconds ahead)
    {
        clock.ms = (std::chrono::system_clock::now() + ahead).time_since_epoch() / 1ms;
    }
};

// A lock is taken from its holder only when it is stale (its process gone from this machine, or
// untouched for more than a minute on the folder's clock) or taken over; otherwise the attempt
// names who has it. The folder's clock counts, not this computer's: a lock another computer
// stamped in the future (a clock set back since) is fresh.
TEST(Locks, OnlyAStaleLockOrOneTakenOverIsTakenAndTheFoldersClockSaysWhichIsStale)
{
    // what, the lock's text, written how long ago, this computer's clock against the folder's,
    // taken over, who holds it afterwards (nullptr: taken)
    using Row = std::tuple<const char*, std::string, std::chrono::seconds, std::chrono::seconds,
                           bool, const char*>;
    const std::string here = machineName();
    const std::string pc12 = lockText("PC-12", 4242);
    const std::vector<Row> rows{
        {"its process gone from this machine", lockText(here, kDeadPid), 0s, 0s, false, nullptr},
        {"this very process, running", lockText(here, ::getpid()), 0s, 0s, false, here.c_str()},
        {"another computer's, fresh", lockText("PC-12", 1), 0s, 0s, false, "PC-12"},
        {"no process named", lockText("PC-12", 0), 0s, 0s, false, ""},
        {"untouched for 55 s", pc12, 55s, 0s, false, "PC-12"},
        {"untouched for 65 s", pc12, 65s, 0s, false, nullptr},
        {"fresh, taken over", pc12, 0s, 0s, true, nullptr},
        {"says nothing readable, fresh", "", 0s, 0s, false, ""},
        {"says nothing readable, untouched for 65 s", "Sumblit", 65s, 0s, false, nullptr},
        {"fresh, this computer's clock 5 minutes fast", pc12, 0s, 300s, false, "PC-12"},
        {"untouched 65 s, this computer's clock 5 minutes slow", pc12, 65s, -300s, false, nullptr},
        {"stamped 2 minutes in the future", pc12, -120s, 0s, false, "PC-12"},
    };
    for (const auto& [name, text, ago, clockAhead, takeOver, holder] : rows) {
        SCOPED_TRACE(name);
        Folder f;
        f.plant(text, ago);
        f.skew(clockAhead);
        const LockAttempt got = f.attempt(takeOver);
        if (holder == nullptr) {
            ASSERT_TRUE(got.taken()) << got.status.message();
            EXPECT_EQ(readLockHolder(f.files, f.clock, f.lock)->pid, ::getpid());
            EXPECT_FALSE(got.holder);
        } else {
            EXPECT_EQ(got.status, Status::refuse(StatusCode::InUse));
            EXPECT_EQ(heldBy(got), holder);
            EXPECT_TRUE(*holder != 0 || got.holder == (LockHolder{"", 1, 0, 0, 0}))
                << "a lock that names no one: nobody's process, taken at no time";
            EXPECT_EQ(f.onDisk(), text) << "left as it was";
        }
        EXPECT_TRUE(f.alone());
    }
    // A share without hard links says so with any of three errors: the lock is made in place.
    for (const int why : {EPERM, ENOTSUP, ENOSYS}) {
        Folder f;
        f.files.failLink = true, f.files.linkError = why;
        EXPECT_TRUE(f.attempt().taken()) << why;
    }
}

// This computer's lock names it, this process and the time (on this computer's clock), and
// says so as "host since hh:mm" in local time.
TEST(Locks, ALockNamesItsHolderAndWhenItWasTaken)
{
    EXPECT_EQ(machineName() + "\n", textOf("/proc/sys/kernel/hostname"));
    // What a file name and a lock's line can hold of a name.
    const std::string odd = "PC-1/a\\b c\x01";
    EXPECT_EQ(hostNameFrom(odd) + "|" + machineNameFrom(odd), "PC_1_a_b c_|PC-1/a\\b c_");
    EXPECT_EQ(hostNameFrom("") + machineNameFrom(""), "hosthost");
    const auto localMinute = [] {
        const std::time_t now = std::time(nullptr);
        return std::localtime(&now)->tm_min;
    };
    const int before = localMinute();
    const int minute = SystemClock().minuteOfHour();
    EXPECT_TRUE(minute == before || minute == localMinute()) << "the computer's own clock";
    Folder f;
    f.clock.ms = kAtTenTwo * 1000 + 999;
    const LockAttempt got = f.attempt();
    ASSERT_TRUE(got.taken());
    EXPECT_FALSE(FolderShared({f.files, f.dir.path(), f.clock})) << "its own lock shares nothing";
    EXPECT_TRUE(f.onDisk().starts_with(lockText(machineName(), ::getpid()))) << f.onDisk();
    const LockAttempt second = tryLock(f.files, f.clock, f.dir.path() / "x.lock", false);
    EXPECT_NE(second.lock.text(), got.lock.text()) << "each lock's text its own, at one moment";
    const auto holder = readLockHolder(f.files, f.clock, f.lock);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holderMessage(*holder), Message(MessageId::HolderSince, {machineName(), "10:02"}));
    LockHolder east = *holder;
    east.utcOffset = 3600 + 60 * 30;
    EXPECT_EQ(heldSince(east), "11:32");
    east.host.clear(), east.since = 0; // a lock that says nothing readable
    EXPECT_EQ(holderMessage(east), Message(MessageId::AnotherComputer));
}

// Why a change of the class file failed, as the Student Data window says it: who is changing
// the list, a pupil removed elsewhere, or the file with this program's reason or the system's.
TEST(Locks, AFailureSaysWhyByItsCodeNotByAnErrno)
{
    const Message what(MessageId::SettingsNotStored, {"Ann"});
    const auto said = [&](Status status, std::optional<LockHolder> busy = std::nullopt) {
        return failureMessage(what, {"/class/StdDat.Xrx", FileOutcome::Action::Save, status}, busy);
    };
    const auto fileFailed = [&](Message why) {
        return Message(MessageId::BecauseFileFailed, {what, "StdDat.Xrx", std::move(why)});
    };
    EXPECT_EQ(said({}), Message()) << "done";
    EXPECT_EQ(said(Status::refuse(StatusCode::InUse), LockHolder{"PC-12", 7, 0, 0, 0}),
              Message(MessageId::BecauseListBusy, {what, "PC-12"}));
    EXPECT_EQ(said(Status::refuse(StatusCode::ClassFull)), fileFailed(MessageId::ReasonClassFull));
    EXPECT_EQ(said(Status::fail(ENOENT)), fileFailed(Status::fail(ENOENT).message()));
    EXPECT_EQ(said(Status::refuse(StatusCode::NotOpen)), fileFailed(MessageId::ReasonUnreadable));
    EXPECT_EQ(fileTrouble({"/class/StdDat.Xrx", FileOutcome::Action::Save,
                           Status::refuse(StatusCode::Kept)}),
              Message(MessageId::StudentsNotSaved, {"StdDat.Xrx"}));
}

// Two copies break the same stale lock at once: the one that moved it aside finds a fresh lock
// there (the other copy broke the stale one and took the name first), gives it back, and leaves
// nothing beside it. When a third copy has taken the name again meanwhile, the third keeps it.
// The same without hard links (an SMB share): a rename that never replaces, and where the share
// has none of those either, a rename while the name is free.
TEST(Locks, BreakingAStaleLockGivesBackAFreshOneMovedAsideAndTriesTwiceAtMost)
{
    // what, hard links, the name taken again meanwhile, the error of a rename that never
    // replaces (0: there is one)
    const std::vector<std::tuple<const char*, bool, bool, int>> rows{
        {"hard links", true, false, 0},
        {"hard links, name taken again", true, true, 0},
        {"no hard links", false, false, 0},
        {"no hard links, name taken again", false, true, 0},
        {"nor a rename that never replaces", false, false, EINVAL},
        {"nor that, name taken again", false, true, EINVAL},
        {"nor that (ENOSYS)", false, false, ENOSYS},
        {"nor that (ENOTSUP)", false, false, ENOTSUP}};
    for (const auto& [name, hardLinks, retakenMeanwhile, noReplace] : rows) {
        SCOPED_TRACE(name);
        Folder f;
        f.files.failLink = !hardLinks;
        f.files.failNoReplace = noReplace;
        f.plant(lockText("PC-12", 4242), 65s);
        const std::string fresh = lockText("PC-7", 77);
        const std::string third = lockText("PC-9", 99);
        bool brokenElsewhere = false;
        f.files.before = [&](std::string_view call, const Path& path) {
            if (call == "move" && path == f.lock && !brokenElsewhere) {
                brokenElsewhere = true; // PC-7 broke the stale lock and took the name
                f.plant(fresh);
            }
            const bool givingBack = (call == "addName" || call == "moveNoReplace") && f.aside(path);
            if (givingBack && retakenMeanwhile && !fs::exists(f.lock)) {
                f.plant(third);
            }
        };
        EXPECT_EQ(heldBy(f.attempt()), retakenMeanwhile ? "PC-9" : "PC-7");
        EXPECT_EQ(f.onDisk(), retakenMeanwhile ? third : fresh);
        EXPECT_TRUE(f.alone());
    }
    // A stale lock that is back as soon as it was broken (copies that crash as fast as they
    // start) is broken once more, and then this attempt gives up, naming it: an attempt is a
    // bounded number of requests to the file server. The next attempt finds the name free.
    Folder f;
    f.plant(lockText("PC-12", 4242), 65s);
    int breaks = 0;
    f.files.before = [&](std::string_view call, const Path& path) {
        breaks += call == "move" && path == f.lock ? 1 : 0;
        if (call == "unlink" && f.aside(path) && breaks == 1) {
            f.plant(lockText("PC-13", 4343), 65s);
        }
    };
    EXPECT_EQ(heldBy(f.attempt()), "PC-13");
    EXPECT_EQ(breaks, 2);
    EXPECT_TRUE(f.attempt().taken());
}

// A holder's refresh: its own lock is written again (so the folder stamps it now); one taken
// over is left to its new holder; one broken meanwhile and free is made again; one the folder
// lost together with the folder is not.
TEST(Locks, ARefreshKeepsOnlyItsOwnLock)
{
    const Status kTakenOver = Status::refuse(StatusCode::TakenOver);
    // what, what happens meanwhile, the refresh's status, who holds the lock afterwards
    // (nullptr: no lock file)
    const std::vector<std::tuple<const char*, void (*)(Folder&), Status, const char*>> rows{
        {"untouched", [](Folder&) {}, {}, "this"},
        {"taken over", [](Folder& f) { f.plant(lockText("PC-12", 4242)); }, kTakenOver, "PC-12"},
        {"broken, the name free", [](Folder& f) { fs::remove(f.lock); }, {}, "this"},
        {"broken, taken while this one looks",
         [](Folder& f) {
             fs::remove(f.lock);
             f.files.before = [&f](std::string_view call, const Path& path) {
                 if (call == "createExclusive" && path == f.lock) {
                     f.plant(lockText("PC-12", 4242));
                 }
             };
             f.files.failLink = true; // the lock made in place: the name is found taken
         },
         kTakenOver, "PC-12"},
        {"the folder gone", [](Folder& f) { fs::remove_all(f.dir.path()); }, Status::fail(ENOENT),
         nullptr},
    };
    for (const auto& [name, meanwhile, refreshed, heldBy] : rows) {
        SCOPED_TRACE(name);
        Folder f;
        LockAttempt got = f.attempt();
        ASSERT_TRUE(got.taken());
        stampAgo(f.lock, 65s);
        meanwhile(f);
        EXPECT_EQ(got.lock.refresh(), refreshed);
        f.files.before = nullptr;
        const auto holder = readLockHolder(f.files, f.clock, f.lock);
        ASSERT_EQ(holder.has_value(), heldBy != nullptr);
        if (!holder) {
            continue;
        }
        const bool ours = std::string(heldBy) == "this";
        EXPECT_EQ(holder->host, ours ? machineName() : heldBy);
        EXPECT_TRUE(!ours || std::abs(holder->idleSeconds) < 5) << "stamped now by its refresh";
        got.lock.release();
        EXPECT_EQ(fs::exists(f.lock), !ours) << "released only when still this one's";
        EXPECT_EQ(got.lock.refresh(), Status()) << "a lock let go is not made again";
        EXPECT_EQ(fs::exists(f.lock), !ours);
    }
}

// The Student Data window waits for the class file while another computer changes the class
// list: a lock let go within the window's patience lets it open; one held longer is given up,
// and the window names the computer and when it took the list. A stale lock is not waited for.
TEST(Locks, TheStudentDataWindowWaitsForTheClassListAndNamesWhoKeepsIt)
{
    // what, the lock's age when the window opens, when it is let go after that, whether the
    // window opens, how long it waited at least and below, how often it tried to make the lock
    using Ms = std::chrono::milliseconds;
    using Row = std::tuple<const char*, std::chrono::seconds, std::optional<Ms>, bool, Ms, Ms, int>;
    const std::vector<Row> rows{
        {"let go after 3 s", 0s, 3s, true, 3s, 3100ms, 4},
        {"let go after 9.9 s", 0s, 9900ms, true, 9900ms, 10s, 11},
        {"held past the patience (10 s)", 0s, std::nullopt, false, 10s, 10100ms, 11},
        {"stale", 65s, std::nullopt, true, 0ms, 1ms, 2},
    };
    for (const auto& [name, ago, letGo, opens, waitedAtLeast, waitedBelow, tries] : rows) {
        SCOPED_TRACE(name);
        StdRandom random{1};
        FaultyFiles files;
        ProgramFixture fx{random, files};
        fx.load();
        writeStudentFile(fx.dir.path(), {originalDefaults("Ann"), originalDefaults("Ben")});
        const Path lock = fx.at(kStudentLockFile);
        std::ofstream(lock) << lockText("PC-12", 4242);
        stampAgo(lock, ago);
        if (letGo) {
            fx.clock.due.emplace_back(*letGo, [&] { fs::remove(lock); });
        }
        fx.mainForm.goauto_click();
        // While the lock is there, it is tried once a second, and looked at.
        int made = 0; // tries to make it
        files.before = [&made](std::string_view call, const Path&) {
            made += call == "createExclusive" ? 1 : 0;
        };
        StudentForm form(fx.p);
        form.load();

        const auto& m = form.model();
        EXPECT_GE(fx.clock.slept, waitedAtLeast);
        EXPECT_LT(fx.clock.slept, waitedBelow);
        EXPECT_EQ(made, tries);
        // ever longer pauses in between, up to 20 ms
        const std::vector<std::chrono::milliseconds> first{1ms, 2ms, 4ms, 8ms, 16ms, 20ms, 20ms};
        EXPECT_TRUE(ago > 0s || std::ranges::equal(fx.clock.pauses | std::views::take(7), first));
        if (opens) {
            EXPECT_TRUE(m.message.empty());
            EXPECT_EQ(m.studentlist,
                      (std::vector<std::string>{"Default", "Untitled", "Ann", "Ben"}));
            EXPECT_FALSE(form.file().busyHolder());
        } else {
            EXPECT_EQ(m.studentlist.size(), 2u) << "the fixed entries alone";
            EXPECT_EQ(m.message, Message(MessageId::ClassListBusy,
                                         {{MessageId::HolderSince, {"PC-12", "10:02"}}}));
            EXPECT_EQ(textOf(lock), lockText("PC-12", 4242));
        }
    }
    // A folder that cannot be asked has no lock to wait for.
    Folder f;
    const LockAttempt lost = waitForLock(f.files, f.clock, f.dir.path() / "gone" / "x.lock", 10s);
    EXPECT_EQ(ints(lost.status.error(), f.clock.slept.count()), ints(ENOENT, 0));
}

} // namespace
} // namespace sb::test
