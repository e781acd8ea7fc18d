// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/status.h"

namespace sb {

// Which file (or folder) a name stands for: its device and inode. A folder renamed and another
// made under its name, or an empty mount point left where a share was, has another.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Everything the record files need from the operating system, behind one small interface so
// that a test can make a write fail half way or a rename fail. Nothing here throws; every
// fallible call says whether it worked and, when not, the system's error.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when path names an existing regular file (exactly that name, no wildcards).
    virtual bool exists(const std::filesystem::path& path) = 0;

    // Up to length bytes from offset; fewer when the file ends sooner (none when it ends before
    // offset). Nothing when the file cannot be opened or read.
    virtual Result<std::vector<std::uint8_t>> read(const std::filesystem::path& path,
                                                   std::uint64_t offset, std::size_t length) = 0;

    // Writes bytes to a new temporary file beside target and flushes them to the disk. The file
    // gets a fresh unique name, target's name with ".tmp-" and six letters or digits, and is
    // created exclusively: whatever already has that name (a link, a pipe) is never opened.
    // Its name carries this machine's name and this process's id, so that copies of the
    // program sharing a folder can tell their temporaries apart (see sweepStaleTemps). It
    // takes the permission bits of target when target exists, and in a group-writable folder
    // group read and write besides (see shareWithFolderGroup). Answers the new file's path;
    // nothing on failure, when no new file is left behind.
    virtual Result<std::filesystem::path> writeTemp(const std::filesystem::path& target,
                                                    std::span<const std::uint8_t> bytes) = 0;

    // Writes bytes at offset of path (created when missing) in one write and flushes them;
    // the rest of the file is left alone. False on any failure, when the file has the length
    // it had (a write stopped half way by a full disk, or whose flush failed, is cut off
    // again). A write in place never goes through a link out of the folder (see writeTarget)
    // nor into a file that has a second name (a hard link, which may stand anywhere): both
    // are refused with LinkOut, the file left as it is.
    virtual Status writeAt(const std::filesystem::path& path, std::uint64_t offset,
                           std::span<const std::uint8_t> bytes) = 0;

    // Cuts the file at path to its first size bytes in place (a file no longer than that is
    // left alone), refused like writeAt for a link out or a second name. Needs no free space.
    virtual Status truncate(const std::filesystem::path& path, std::uint64_t size) = 0;

    // Where a save of path (a file of the data folder) writes: path itself when it is no
    // symbolic link; when it is one, the file its links lead to, provided that lies inside
    // path's folder (or a folder below it), as a teacher may link one file of the class to
    // another; LinkOut when the links lead out of the folder, so that nothing outside it is
    // ever written over.
    virtual Result<std::filesystem::path> writeTarget(const std::filesystem::path& path) = 0;

    // Who owns the file at path (the link itself, for a link): the account's name, or its
    // number when the system knows no name for it.
    virtual Result<std::string> ownerOf(const std::filesystem::path& path) = 0;

    // Moves from over to, replacing to in one step when it exists. False on failure, when
    // both files are as they were.
    virtual Status rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    // Gives the file from a second name, to (a hard link), which must not exist yet. False on
    // failure (to taken, or a file system without hard links), when nothing changed.
    virtual Status link(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    // Deletes path if it is there; a missing file is not an error.
    virtual void remove(const std::filesystem::path& path) = 0;

    // Removes the temporaries in dir that a save stopped half way left behind (a crash, a
    // kill): those of a process of this machine that is no longer running, and those of any
    // other kind or machine that are older than an hour. A temporary that another running copy
    // of the program is writing is never touched.
    virtual void sweepStaleTemps(const std::filesystem::path& dir) = 0;

    // What a data folder's listing and a pupil's second file name need.
    // The names of the entries of dir (files, folders, anything), in no order; none when it
    // cannot be listed.
    virtual std::vector<std::string> list(const std::filesystem::path& dir) = 0;
    // How many names the file at path has (2 or more: it has a hard link).
    virtual Result<std::uintmax_t> linkCount(const std::filesystem::path& path) = 0;
    // True when a and b both exist and are one file.
    virtual bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) = 0;

    // What the locks of a shared folder need (platform/lock_file.h), each one system call
    // unless said otherwise. Nothing of a lock is flushed: it lives for minutes, and one that
    // a crash loses is stale a minute later anyway.

    // Who is asking: this machine's name as file names carry it (see hostName()) and as a
    // lock names its holder (see machineName()), and this process's id.
    virtual std::string hostName() = 0;
    virtual std::string machineName() = 0;
    virtual long processId() = 0;
    // True when no process of this id runs on this machine.
    virtual bool processGone(long pid) = 0;
    // Creates path exclusively (nothing of that name may exist, not even a link) and writes
    // text into it in one write. EEXIST when the name is taken. A file made but not filled
    // whole (the write or the close failed) is removed again, and the answer says why. In a
    // group-writable folder the file is the group's too (see shareWithFolderGroup).
    virtual Status createExclusive(const std::filesystem::path& path, std::string_view text) = 0;
    // The first `most` bytes of path (all when it is shorter), opened without waiting (a pipe
    // answers at once). The system's error when it cannot be opened or read (ENOENT: not there).
    virtual Result<std::string> readText(const std::filesystem::path& path, std::size_t most) = 0;
    // When path was last written, as the computer that keeps the file counts time (a file
    // server stamps what is written to it with its own clock): since 1970-01-01 UTC.
    virtual Result<std::chrono::nanoseconds> modifiedAt(const std::filesystem::path& path) = 0;
    // Writes text over the start of the existing file path (never creating it) in one write;
    // refused like writeAt (LinkOut) when path is a link or has a second name.
    virtual Status overwrite(const std::filesystem::path& path, std::string_view text) = 0;
    // Gives the file from a second name, to, as link() does, without flushing the directory.
    virtual Status addName(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Moves from to to, replacing to when it exists, tried again while the server says EBUSY;
    // the directory is not flushed.
    virtual Status move(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Moves from to to only while to does not exist (EEXIST then). EINVAL, ENOSYS or ENOTSUP
    // from a file system that cannot promise that.
    virtual Status moveNoReplace(const std::filesystem::path& from,
                                 const std::filesystem::path& to) = 0;
    // Ok when something of this name is there; else the system's error (ENOENT: nothing).
    virtual Status present(const std::filesystem::path& path) = 0;
    // Deletes path, tried again while the server says EBUSY; the directory is not flushed.
    virtual Status unlink(const std::filesystem::path& path) = 0;
    // Which file or folder path names now (links followed).
    virtual Result<FileIdentity> identity(const std::filesystem::path& path) = 0;
};

// This machine's name as file names carry it: '/', '\\', '-' and control characters become '_'.
std::string hostName();
// The same of a name the system gave ("host" for none).
std::string hostNameFrom(std::string system);

// This machine's name as its locks carry it (and a teacher knows it: "PC-12"): control
// characters become '_'; hostName() when the system gives none.
std::string machineName();
std::string machineNameFrom(std::string system);

// True when no process of this id runs on this machine.
bool processGone(long pid);

// Runs call (a rename or an unlink: 0 or -1 with errno) again for up to two seconds while it
// fails with EBUSY: an SMB server refuses to remove or replace a file that another computer
// has open this moment, as one reading a lock or a record file does for a few milliseconds.
int retryWhileBusy(const std::function<int()>& call);

// The file the links at path lead to, followed one by one (a link's relative target counts
// from the link's folder; a missing file ends the chain; a loop ends at the 40th link), its
// folder's path made absolute without links; LinkOut when it does not lie inside folder or a
// folder below it. path itself when it is no link.
Result<std::filesystem::path> followLinksWithin(const std::filesystem::path& path,
                                                const std::filesystem::path& folder);

// The accounts of one group share a class's folder when it is group-writable (its group the
// class's, often setgid so that every file made in it takes that group): every file the
// program makes there must then be writable by the group whatever the umask, or the next
// account could not write it. For the open file fd in folder: when folder is group-writable
// and the file is this account's, the file gets group read and write and the folder's group
// (a group this account is not in is left as it is). Does nothing otherwise; never fails.
void shareWithFolderGroup(int fd, const std::filesystem::path& folder);

// The real file system: the standard library and the POSIX calls that create a fresh file
// exclusively, never write through a link out of the folder and keep a replaced file's
// permission bits.
// Stateless.
FileSystem& diskFileSystem();

} // namespace sb
