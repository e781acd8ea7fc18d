// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace sb {

// Locks for copies of the program that share one data folder (a computer lab on a file
// server). A lock is a small file created exclusively (O_CREAT | O_EXCL), which every SMB and
// NFS server honours, holding who took it: the machine, the process and when. Its holder
// touches it while it holds it; a lock is stale, and may be broken by anyone, when its process
// is gone (seen on the machine that took it) or when it has not been touched for a minute
// (its machine crashed or lost the network).
//
// Everything a lock does to the folder goes through the FileSystem, and every time it reads
// and every wait through the Clock, so that a test drives a busy, stale or taken-over lock with
// fakes, without waiting.

// Who holds a lock, as its file says.
struct LockHolder {
    std::string host;       // the machine's name
    long pid = 0;           // the process on that machine
    std::int64_t since = 0; // when it was taken, seconds since 1970 (UTC)
    // How far local time was ahead of UTC then (this computer's time zone), in seconds.
    std::int32_t utcOffset = 0;
    // Seconds since the holder last touched the file.
    double idleSeconds = 0;
    bool operator==(const LockHolder&) const = default;
};

// A lock untouched for this long is stale, whoever holds it.
inline constexpr std::chrono::seconds kLockStaleAfter{60};
// How often a holder touches its locks: well inside kLockStaleAfter.
inline constexpr std::chrono::seconds kLockRefreshEvery{20};

// True when the holder can no longer be using the lock: its process has ended on this machine
// (as files knows it), or it has not touched the lock for kLockStaleAfter.
bool lockStale(FileSystem& files, const LockHolder& holder);

struct LockAttempt;
LockAttempt tryLock(FileSystem& files, Clock& clock, const std::filesystem::path& path,
                    bool takeOver);

// A lock this process holds. Released (its file removed, when it is still this process's) when
// it goes; moves, never copies. The FileSystem it was taken through must outlive it.
class LockFile {
public:
    LockFile() = default;
    ~LockFile() { release(); }
    LockFile(LockFile&& other) noexcept;
    LockFile& operator=(LockFile&& other) noexcept;
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    bool held() const { return !m_path.empty(); }
    const std::filesystem::path& path() const { return m_path; }
    // What this process wrote into it: while the file holds this, the lock is this process's.
    const std::string& text() const { return m_text; }
    // Touches the lock so that nobody takes it for stale. Fails with TakenOver when another
    // process has it now (a take-over), and with the system's error when the folder cannot be
    // reached; a lock broken meanwhile and taken by nobody is made again. A lock that is not
    // held answers ok.
    Status refresh();
    // Removes the lock's file when it is still this process's, and lets go of it.
    void release();

private:
    friend LockAttempt tryLock(FileSystem&, Clock&, const std::filesystem::path&, bool);
    LockFile(FileSystem& files, std::filesystem::path path, std::string text)
        : m_files(&files), m_path(std::move(path)), m_text(std::move(text))
    {
    }
    bool ours() const;

    FileSystem* m_files = nullptr; // where the lock is; set while held()
    std::filesystem::path m_path;
    std::string m_text; // what this process wrote into it
};

// What an attempt to take a lock came to: the lock (held()), or who holds it (holder), or why
// the folder could not be asked at all (status).
struct LockAttempt {
    LockFile lock;
    std::optional<LockHolder> holder;
    Status status;
    bool taken() const { return lock.held(); }
};

// One attempt at the lock file at path: a stale lock is broken first; with takeOver any lock is
// (the teacher knows its machine is off).
LockAttempt tryLock(FileSystem& files, Clock& clock, const std::filesystem::path& path,
                    bool takeOver = false);

// Tries until the lock is taken or patience (on clock's steady time) has run out (then the
// answer names the holder). Sleeps on clock between looks.
LockAttempt waitForLock(FileSystem& files, Clock& clock, const std::filesystem::path& path,
                        std::chrono::milliseconds patience);

// Whether the lock file at path still holds text: the lock a process took with that text is
// still its own, nobody took it over. One read of the file.
bool lockHolds(FileSystem& files, const std::filesystem::path& path, std::string_view text);

// Who holds the lock at path; nothing when nobody does or its file says nothing readable. Its
// idle time is counted to clock's time now.
std::optional<LockHolder> readLockHolder(FileSystem& files, Clock& clock,
                                         const std::filesystem::path& path);

// "10:02": the local time the holder took the lock (its since moved by its utcOffset); empty
// when the lock says no time.
std::string heldSince(const LockHolder& holder);

} // namespace sb
