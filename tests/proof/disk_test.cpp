// SPDX-License-Identifier: GPL-3.0-or-later
// The program on real disks that refuse writes: a read-only data folder and a full one. It
// must go on running, leave every old file exactly as it was and name in the main window's
// notice each file it could not save.
//
// Both need a small file system of their own, mounted in a private mount namespace of this
// process (so nothing is left mounted whatever happens). Where mounting is not allowed (no
// root, or a container without the capability) the tests are skipped, saying so; without
// root a read-only folder is made with the permission bits instead.

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>

#include "proof_support.h"
#include "students/file_names.h"

namespace sb::proof {
namespace {

// Mounts a tmpfs of the given size on dir in a private mount namespace. Answers why it could
// not, or an empty text.
std::string mountSmallDisk(const std::filesystem::path& dir, const std::string& size)
{
    const auto why = [](const char* step) {
        return step + std::string(": ") + std::strerror(errno);
    };
    static const std::string unshared =
        ::unshare(CLONE_NEWNS) != 0 ? why("unshare(CLONE_NEWNS)")
        : ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            ? why("making / private")
            : "";
    const std::string options = "size=" + size + ",mode=0777";
    return !unshared.empty() ? unshared
           : ::mount("sumblitz-test", dir.c_str(), "tmpfs", 0, options.c_str()) != 0
               ? why("mount tmpfs")
               : "";
}

// The files in dir by name, the filler that fills a full disk left out.
std::map<std::string, Bytes> filesOf(const std::filesystem::path& dir)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().filename().string().rfind("filler", 0) != 0) {
            files[entry.path().filename().string()] = test::readBytes(entry.path());
        }
    }
    return files;
}

// Fills the disk of dir: every block left goes to one big file, "filler".
void fillDisk(const std::filesystem::path& dir)
{
    std::ofstream filler(dir / "filler", std::ios::binary);
    const std::vector<char> block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        filler.flush();
    }
}

// The old files' student file lists 18 pupils: its 19 slots end 144 bytes before its last page
// does, so on a full disk an appended slot is cut there.
const std::vector<std::string> kClass{"Ann", "B", "C", "D", "E", "F", "G", "H", "I",
                                      "J",   "K", "L", "M", "N", "O", "P", "Q", "R"};

// On a small disk of its own: the old files planted, the disk made to fail (read-only, or
// full), then a run of the program. Without root a read-only folder is made with the permission
// bits.
void failingDisk(bool full)
{
    TempDir tmp;
    const auto dir = newFolder(tmp, "data");
    const bool mounted = full || ::geteuid() == 0; // root writes whatever the bits say
    if (const std::string why = mounted ? mountSmallDisk(dir, full ? "256k" : "1m") : "";
        !why.empty()) {
        GTEST_SKIP() << "cannot mount a small file system here (" << why << ")";
    }
    { // old files of a pupil "Ann" who works with Auto Teach, as an earlier run left them
        DiskProgram earlier(dir);
        setName(earlier.p.cur(), "Ann");
        earlier.p.cur().autoTeach = earlier.p.cur().loadOnStart = 1;
        earlier.mainForm.start_click();
        EXPECT_TRUE(earlier.mainForm.close_request())
            << testing::PrintToString(earlier.p.main.notice);
        ASSERT_TRUE(writeClass(dir, kClass));
    }
    const auto old = filesOf(dir);
    EXPECT_EQ(old.size(), 3u); // Default.Xsx, Ann.Xtx, StdDat.Xrx
    namespace fs = std::filesystem;
    if (full) {
        fillDisk(dir);
    } else if (mounted) {
        ASSERT_EQ(::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
            << std::strerror(errno);
    } else {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    }

    // A run that cannot save: it starts, drills, tries every save and shuts down. Opening the
    // Student Data window saves the pupil's facts first; the drill goes on.
    DiskProgram run(dir);
    Program& p = run.p;
    const auto notice = [&] { return testing::PrintToString(p.main.notice); };
    EXPECT_EQ(trimmedName(p.cur()), "Ann"); // the old files are read as ever
    EXPECT_FALSE(WriteFactFile(p));
    EXPECT_TRUE(test::mentions(p.main.notice, factFileName("Ann").string())) << notice();
    run.mainForm.start_click();
    run.mainForm.timer_tick();
    // An answer counts as ever; its history waits in memory, named in the notice.
    run.mainForm.but_click(p.drill.rightSlot);
    FlushAnswerHistory(p);
    EXPECT_EQ(p.drill.score, 1);
    // (A folder made read-only by its bits says why: it cannot be written.)
    const auto lines = [&](MessageId id) {
        return std::ranges::count(p.main.notice.args, id, &Message::id);
    };
    EXPECT_EQ(lines(MessageId::HistoryNotSaved) + lines(MessageId::FileNotMade), 1) << notice();
    EXPECT_TRUE(test::mentions(p.main.notice, "Ann.history.sqlite"));
    StudentFile f(DataDir{diskFileSystem(), dir, realClock()});
    EXPECT_EQ(OpenStudentFile(f, {}), kClass);
    EXPECT_FALSE(AppendStudent(f, p.cur()).ok()) << "a file of n slots is n * 208 bytes";
    EXPECT_FALSE(RewriteStudentFile(f, {"Ann", "Bob"}, {}, {}).ok());
    p.cur().operation = OpMult;
    EXPECT_FALSE(run.mainForm.close_request());
    EXPECT_TRUE(test::mentions(p.main.notice, std::string(kDefaultFile)) &&
                test::mentions(p.main.notice, factFileName("Ann").string()))
        << notice();
    // Every old file stays as it was and no other is left behind.
    EXPECT_TRUE(filesOf(dir) == old) << "an old file changed or a new one was left";
    if (mounted) {
        ::umount(dir.c_str());
    } else {
        fs::permissions(dir, fs::perms::owner_all);
    }
}

TEST(FailingDisk, ReadOnlyDataFolder)
{
    failingDisk(false);
}

TEST(FailingDisk, FullDataFolder)
{
    failingDisk(true);
}

// On a full disk Add may still append (the slots fit in the file's last page) while a whole
// file cannot be written: Cancel cuts the slots appended off in place, so that no slot is left
// after the count (which the next opening would take for damage, listing the pupil).
TEST(FailingDisk, CancelOnAFullDiskLeavesNoSlotBehind)
{
    TempDir tmp;
    const auto dir = newFolder(tmp, "data");
    if (const std::string why = mountSmallDisk(dir, "256k"); !why.empty()) {
        GTEST_SKIP() << "cannot mount a small file system here (" << why << ")";
    }
    // 16 pupils: their 17 slots end 560 bytes before the last page does
    ASSERT_TRUE(writeClass(dir, {kClass.begin(), kClass.begin() + 16}));
    const Bytes before = test::readBytes(dir / "StdDat.Xrx");
    fillDisk(dir);
    DiskProgram run(dir);
    StudentForm form(run.p);
    form.load();
    form.newstudent_change("Zed");
    form.addstudent_click(); // the pupil on display, then Zed, appended
    EXPECT_TRUE(form.FindListed("Zed").has_value()) << testing::PrintToString(form.model().message);
    form.cancel_click();
    EXPECT_EQ(test::readBytes(dir / "StdDat.Xrx"), before);
    EXPECT_TRUE(run.p.main.notice.empty()) << testing::PrintToString(run.p.main.notice);
    ::umount(dir.c_str());
}

} // namespace
} // namespace sb::proof
