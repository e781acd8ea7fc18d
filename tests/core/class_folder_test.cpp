// SPDX-License-Identifier: GPL-3.0-or-later
// The files of a class folder that pupils' accounts write, on the real disk: links planted in
// their place, and a folder shared by the accounts of a group.

#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/folder_guard.h"
#include "students/answer_history.h"
#include "students/record_files.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

namespace fs = std::filesystem;

// A write in place (a slot, a cut, a lock's refresh) never goes through a symbolic link out of
// the folder nor into a file with a second name: refused, the file outside as it was; a save
// replaces a second name alone. A link within the folder leads every write to its file.
TEST(ClassFolder, NothingIsWrittenThroughALinkOutOrInPlaceThroughASecondName)
{
    TempDir t;
    const Path dir = t.path() / "class";
    const Path outside = t.path() / "teacher";
    fs::create_directories(dir), fs::create_directories(outside);
    writeBytes(outside / "file", Bytes(416, 7));
    writeBytes(dir / "own", Bytes(416, 7));
    fs::create_symlink(outside / "file", dir / "symbolic");
    fs::create_symlink("../teacher/./file", dir / "relative");
    fs::create_hard_link(outside / "file", dir / "second");
    fs::create_symlink("own", dir / "inside");
    FileSystem& disk = diskFileSystem();
    const Bytes slot(208, 1);
    const Status refused = Status::refuse(StatusCode::LinkOut);
    for (const char* name : {"symbolic", "relative", "second"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(disk.writeAt(dir / name, 208, slot), refused);
        EXPECT_EQ(disk.truncate(dir / name, 208), refused);
        EXPECT_EQ(disk.overwrite(dir / name, "x"), refused);
        EXPECT_EQ(saveAtomically(disk, dir / name, slot),
                  std::string_view(name) == "second" ? Status() : refused);
        EXPECT_EQ(readBytes(outside / "file"), Bytes(416, 7));
    }
    EXPECT_EQ(readBytes(dir / "second"), slot) << "replaced under that name alone";
    EXPECT_TRUE(disk.writeAt(dir / "inside", 0, slot).ok());
    EXPECT_TRUE(disk.truncate(dir / "inside", 312).ok());
    Bytes own = slot;
    own.resize(312, 7);
    EXPECT_EQ(readBytes(dir / "own"), own);
    EXPECT_TRUE(fs::is_symlink(dir / "inside"));
    // A history is a file written in place too, and so is its journal.
    fs::create_hard_link(outside / "file", dir / "Ann.history.sqlite");
    fs::create_symlink(outside / "file", dir / "Bob.history.sqlite-journal");
    for (const char* name : {"Ann.history.sqlite", "Bob.history.sqlite"}) {
        EXPECT_EQ(HistoryDb::open(dir / name, true).status, refused) << name;
    }
    EXPECT_EQ(readBytes(outside / "file"), Bytes(416, 7));
    // A cut never makes the file it is given; a file's owner is named as the system knows him.
    EXPECT_EQ(disk.truncate(dir / "none", 0).error(), ENOENT);
    EXPECT_FALSE(fs::exists(dir / "none"));
    EXPECT_EQ(*disk.ownerOf(dir / "own"), ::getpwuid(::geteuid())->pw_name);
    // A temporary of another computer left for hours goes with the next save, however short
    // its computer's name and process number.
    const Path temp = dir / "StdDat.Xrx.tmp-h-1-A1b2C3";
    writeBytes(temp, Bytes{1});
    fs::last_write_time(temp, fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(saveAtomically(disk, dir / "StdDat.Xrx", slot).ok());
    EXPECT_FALSE(fs::exists(temp));
    // A rename that never replaces (where the file system has one) takes a free name only.
    if (const Status moved = disk.moveNoReplace(dir / "own", dir / "moved");
        moved.error() != EINVAL && moved.error() != ENOSYS) {
        EXPECT_EQ(moved, Status());
        EXPECT_EQ(disk.moveNoReplace(dir / "moved", dir / "second").error(), EEXIST);
    }
}

// In a group-writable folder every file the program makes is the group's to write whatever the
// umask: a save, a file made in place, a lock, a history, each given the folder's group; in any
// other folder the umask stands.
// None of them is made a program anybody may run.
TEST(ClassFolder, InAGroupFolderEveryFileMadeIsTheGroupsToWrite)
{
    const mode_t before = ::umask(022);
    for (const bool group : {true, false}) {
        SCOPED_TRACE(group ? "group-writable" : "the owner's");
        TempDir t;
        fs::permissions(t.path(), fs::perms(group ? 0775 : 0755));
        if (group && ::geteuid() == 0) { // a group other than the account's own
            ASSERT_EQ(::chown(t.path().c_str(), static_cast<uid_t>(-1), 65534), 0);
        }
        struct stat folder {};
        ASSERT_EQ(::stat(t.path().c_str(), &folder), 0);
        FileSystem& disk = diskFileSystem();
        ASSERT_TRUE(saveAtomically(disk, t.path() / "Default.Xsx", Bytes(624, 0)).ok());
        ASSERT_TRUE(disk.writeAt(t.path() / "StdDat.Xrx", 0, Bytes(208, 0)).ok());
        ASSERT_TRUE(disk.createExclusive(t.path() / "Ann.Xtx.lock", "x").ok());
        ASSERT_NE(HistoryDb::open(t.path() / "Ann.history.sqlite", true).db, nullptr);
        for (const char* file :
             {"Default.Xsx", "StdDat.Xrx", "Ann.Xtx.lock", "Ann.history.sqlite"}) {
            struct stat st {};
            ASSERT_EQ(::stat((t.path() / file).c_str(), &st), 0);
            // the folder's group, with group write (020) as the folder's, no one's run (0111)
            EXPECT_EQ(ints(st.st_gid, st.st_mode & 0131), ints(folder.st_gid, group ? 020 : 0))
                << file;
        }
        // A file saved again keeps its mode, with the group's right to write in a group folder.
        fs::permissions(t.path() / "Default.Xsx", fs::perms(0604));
        ASSERT_TRUE(saveAtomically(disk, t.path() / "Default.Xsx", Bytes(624, 1)).ok());
        EXPECT_EQ(fs::status(t.path() / "Default.Xsx").permissions(),
                  fs::perms(group ? 0664 : 0604));
    }
    ::umask(before);
}

// The folder is the one first seen, with its class file once that was there: a folder made
// afresh under its name (a share's empty mount point) or one whose class file went is out of
// reach as a missing folder is, every call failing; all goes on once the first one is back.
TEST(ClassFolder, AFolderGuardKeepsToTheFolderFirstSeen)
{
    TempDir t;
    const Path dir = t.path() / "class", away = t.path() / "away", klass = dir / "StdDat.Xrx";
    fs::create_directories(dir);
    FolderGuard files(diskFileSystem(), dir, "StdDat.Xrx");
    fs::rename(dir, away), fs::create_directories(dir); // before the guard's first call
    const auto refused = [&] {
        return files.createExclusive(dir / "lock", "x").error() == ENOENT &&
               !files.exists(dir / "lock") && files.list(dir).empty() &&
               files.present(dir).error() == ENOENT && !files.identity(dir) &&
               !files.writeTemp(dir / "f", Bytes(3, 1)) && filesIn(dir).empty();
    };
    EXPECT_TRUE(refused()) << "an empty folder under its name";
    fs::remove(dir), fs::rename(away, dir);
    ASSERT_TRUE(files.createExclusive(dir / "lock", "x"));
    EXPECT_TRUE(files.exists(dir / "lock"));
    files.remove(dir / "lock");
    EXPECT_FALSE(fs::exists(dir / "lock"));
    writeBytes(klass, Bytes(208, 0));
    ASSERT_TRUE(files.present(klass)); // seen: from now on it must be there
    fs::remove(klass);
    EXPECT_TRUE(refused()) << "its class file gone";
    writeBytes(klass, Bytes(208, 0));
    EXPECT_TRUE(files.sameFile(klass, klass));
    EXPECT_EQ(files.list(dir), std::vector<std::string>{"StdDat.Xrx"});
    for (const std::uint64_t past : {208, 300}) { // reads from its end on find nothing
        const auto read = files.read(klass, past, 9);
        EXPECT_TRUE(read && read->empty()) << past;
    }
    writeBytes(dir / "empty", {}); // a lock's text read: none, a folder's, a missing file's
    const auto empty = files.readText(dir / "empty", 9);
    EXPECT_TRUE(empty && empty->empty());
    EXPECT_EQ(files.readText(dir, 9).status().error(), EISDIR);
    EXPECT_EQ(files.readText(dir / "none", 9).status().error(), ENOENT);
}

// A failure on a file is the folder's out of reach only when the folder is not there and the
// system's error says a file or folder is missing or gone (a share's ESTALE, ENODEV).
TEST(ClassFolder, AFileFailureIsTheFoldersOnlyWhenTheFolderIsGone)
{
    TempDir t;
    FixedClock clock;
    const DataDir here{diskFileSystem(), t.path(), clock};
    const DataDir gone{diskFileSystem(), t.path() / "gone", clock};
    const Status unreachable = Status::refuse(StatusCode::Unreachable);
    for (const int why : {ENOENT, ENOTDIR, ESTALE, ENODEV}) {
        EXPECT_EQ(folderStatus(gone, Status::fail(why)), unreachable) << why;
        EXPECT_EQ(folderStatus(here, Status::fail(why)), Status::fail(why)) << why;
    }
    EXPECT_EQ(folderStatus(gone, Status::fail(EACCES)), Status::fail(EACCES));
}

} // namespace
} // namespace sb::test
