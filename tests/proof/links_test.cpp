// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a class folder that pupils' accounts write: links planted by a pupil in
// the place of the files it writes, and two accounts of one group taking turns on one pupil.

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

#include <cstdlib>
#include <map>

#include "proof_support.h"

namespace sb::proof {
namespace {

namespace fs = std::filesystem;

// How a run plants its links: symbolic ones in a folder of its own or in a lab's, or second
// names of the files in a lab's.
enum How { SymbolicLinks, SymbolicLinksInALab, SecondNamesInALab };
struct Planted {
    How how;
    std::vector<std::string> files; // each made a link to its copy outside
    // The files the notice names. Its lines come in the order the failures came, and the
    // history's comes whenever its writer has tried: they are compared in any order.
    std::vector<std::string> notice;
};

// Links to files outside the folder planted in the place of each file the program writes (by
// a hostile pupil; a lock is planted aged, as a crashed program's would be, and the names of
// the lock's own temporaries too): a drill and a close, then SIGTERM, write none of the files
// outside, and the notice names each file not written. Bob's fact file, planted as a second
// name, is replaced under his name alone.
TEST(LinksOut, NoFileOutsideTheFolderIsWrittenThroughALink)
{
    const std::string pc = "Default." + hostName() + ".Xsx";
    const std::vector<Planted> runs{
        {SymbolicLinks,
         {"Default.Xsx", "Bob.Xtx", "Bob.history.sqlite", "Bob.Xtx.lock"},
         {"Default.Xsx", "Bob.Xtx", "Bob.history.sqlite"}},
        {SymbolicLinksInALab,
         {pc, "StdDat.Xrx", "Bob.history.sqlite-journal"},
         {pc, "StdDat.Xrx", "Bob.history.sqlite"}},
        {SecondNamesInALab,
         {"StdDat.Xrx", "Bob.Xtx", "Bob.history.sqlite"},
         {"StdDat.Xrx", "Bob.history.sqlite"}}};
    for (const Planted& run : runs) {
        SCOPED_TRACE(run.how);
        const bool shared = run.how != SymbolicLinks, second = run.how == SecondNamesInALab;
        TempDir tmp;
        const fs::path dir = newFolder(tmp, "class"), outside = newFolder(tmp, "teacher");
        ASSERT_TRUE(classWith(dir, "Bob", shared));
        std::map<fs::path, Bytes> kept; // each outside file as it was
        const auto plantOne = [&](const std::string& name, bool symbolic) {
            const fs::path there = outside / name;
            fs::exists(dir / name)
                ? fs::rename(dir / name, there)
                : test::writeBytes(there, Bytes{'n', 'o', 't', ' ', 'h', 'i', 's'});
            symbolic ? fs::create_symlink(there, dir / name)
                     : fs::create_hard_link(there, dir / name);
            fs::last_write_time(there, fs::file_time_type::clock::now() - std::chrono::hours(2));
            kept[there] = test::readBytes(there);
        };
        for (const std::string& name : run.files) {
            plantOne(name, !second);
        }
        const auto plantTemps = [&](pid_t pid) { // the names Bob's lock is first made under
            for (const char* serial : {"100001", "100002"}) {
                const std::string name =
                    "Bob.Xtx.lock.tmp-" + hostName() + "-" + std::to_string(pid) + "-" + serial;
                plantOne(name, true);
            }
        };
        std::multiset<std::string> expected, said;
        for (const std::string& file : run.notice) {
            expected.insert(file + " is a link out of the class folder: not written");
        }
        const std::string notice = runProgram(dir, "start,right,right,right,close,notice",
                                              {.shared = shared, .plant = plantTemps});
        for (const auto line : std::views::split(notice, std::string_view("; "))) {
            said.emplace(line.begin(), line.end());
        }
        EXPECT_EQ(said, expected);
        for (const auto& [file, bytes] : kept) {
            EXPECT_EQ(test::readBytes(file), bytes) << file << " was written";
        }
        if (second) {
            EXPECT_EQ(test::answersIn(dir / "Bob.Xtx"), 3) << "saved under his name alone";
            EXPECT_EQ(fs::hard_link_count(dir / "Bob.Xtx"), 1u);
        }
    }
}

// Runs a shell command as root; false when it failed.
bool shell(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Two pupil accounts of one group, made for the test and removed after it.
struct TwoAccounts {
    std::string group = "sbtest" + std::to_string(::getpid());
    std::array<std::string, 2> names{group + "a", group + "b"};
    bool made = shell("groupadd " + group) &&
                shell("useradd -M -N -g users -G " + group + " -s /bin/sh " + names[0]) &&
                shell("useradd -M -N -g users -G " + group + " -s /bin/sh " + names[1]);
    ~TwoAccounts()
    {
        shell("userdel " + names[0]);
        shell("userdel " + names[1]);
        shell("groupdel " + group);
    }
};

// A class folder set up as the README tells an admin (the group's, setgid, group-writable),
// pupils' accounts with umask 022, and a history an earlier version made without group write:
// two accounts take turns drilling Ann at one computer. Every answer of both is in her history,
// her fact file and her slot of the class file are written by each in turn, and every file
// either made is the group's to write.
TEST(OneGroup, TwoAccountsTakeTurnsDrillingOnePupil)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to make the accounts and the group";
    }
    TwoAccounts pupils;
    ASSERT_TRUE(pupils.made) << "groupadd/useradd failed";
    const gid_t classGid = ::getgrnam(pupils.group.c_str())->gr_gid;
    TempDir tmp;
    fs::permissions(tmp.path(), fs::perms(0755));
    const fs::path dir = newFolder(tmp, "class");
    ASSERT_EQ(::chown(dir.c_str(), 0, classGid), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 02775), 0);
    std::array<uid_t, 2> uid{};
    std::array<fs::path, 2> home;
    const gid_t users = ::getpwnam(pupils.names[0].c_str())->pw_gid;
    for (std::size_t i = 0; i < 2; ++i) {
        uid[i] = ::getpwnam(pupils.names[i].c_str())->pw_uid;
        home[i] = newFolder(tmp, pupils.names[i]);
        ASSERT_EQ(::chown(home[i].c_str(), uid[i], users), 0);
    }
    // The first account sets the class up through the program's own code, and an earlier
    // version leaves her history without group write.
    const pid_t setup = ::fork();
    if (setup == 0) {
        ::umask(022);
        const bool as = ::initgroups(pupils.names[0].c_str(), users) == 0 && ::setgid(users) == 0 &&
                        ::setuid(uid[0]) == 0;
        const bool made = as && classWith(dir, "Ann", true) &&
                          HistoryDb::open(dir / "Ann.history.sqlite", true).db != nullptr &&
                          ::chmod((dir / "Ann.history.sqlite").c_str(), 0644) == 0;
        ::_exit(made ? 0 : 1);
    }
    ASSERT_EQ(endOf(setup), 0) << "set up by the first account";

    fs::file_time_type classWritten = fs::file_time_type::min();
    for (std::size_t turn = 1; turn <= 4; ++turn) {
        const std::size_t who = turn % 2; // the second account first
        SCOPED_TRACE(pupils.names[who]);
        EXPECT_EQ(runProgram(dir, "start,right,right,right,close,notice",
                             {.shared = true, .account = pupils.names[who], .home = home[who]}),
                  "");
        EXPECT_EQ(test::historyRows(dir / "Ann.history.sqlite").size(), 3u * turn);
        EXPECT_EQ(test::answersIn(dir / "Ann.Xtx"), 3) << "her fact file holds this drill";
        struct stat st {};
        ASSERT_EQ(::stat((dir / "Ann.Xtx").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, uid[who]) << "her fact file saved by this account";
        const fs::file_time_type written = fs::last_write_time(dir / "StdDat.Xrx");
        EXPECT_GT(written, classWritten) << "her slot written back by this account";
        classWritten = written;
    }
    for (const auto& entry : fs::directory_iterator(dir)) {
        struct stat st {};
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(test::ints(st.st_gid, st.st_mode & 0660), test::ints(classGid, 0660))
            << entry.path();
    }
}

// The class folder on a share (a bind mount) that drops mid-drill, lazily unmounted as a
// failing server leaves it, and comes back: nothing is written into the empty mount point, the
// notice says the folder cannot be reached, and every answer is on the share once it is back.
TEST(DroppedShare, NothingGoesIntoTheMountPointAndEveryAnswerReachesTheShare)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to mount";
    }
    TempDir tmp;
    const fs::path share = newFolder(tmp, "server"), mount = newFolder(tmp, "class");
    ASSERT_TRUE(classWith(share, "Bob", true));
    ASSERT_TRUE(shell("mount --bind " + share.string() + " " + mount.string()));
    std::set<std::string> underMount{"?"};
    const auto atHold = [&](int hold) {
        if (hold == 1) {
            EXPECT_TRUE(shell("umount -l " + mount.string()));
        } else {
            underMount = test::filesIn(mount);
            EXPECT_TRUE(shell("mount --bind " + share.string() + " " + mount.string()));
        }
    };
    const std::string notices = runProgram(
        mount, "start,right,right,hold,right,right,tick,notice,hold,tick,right,close,notice",
        {.shared = true, .atHold = atHold});
    shell("umount -l " + mount.string());
    // (The history's writer says its own word too when it has tried before the notice.)
    const std::string out = "The data folder cannot be reached: saving again soon\n";
    EXPECT_TRUE(notices.ends_with(out)) << notices << "and nothing once it is back";
    EXPECT_EQ(underMount, std::set<std::string>()) << "written into the mount point";
    EXPECT_EQ(test::filesIn(mount), std::set<std::string>());
    EXPECT_EQ(test::historyRows(share / "Bob.history.sqlite").size(), 5u);
    EXPECT_EQ(test::answersIn(share / "Bob.Xtx"), 5);
}

} // namespace
} // namespace sb::proof
