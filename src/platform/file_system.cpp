// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_system.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sb {

namespace fs = std::filesystem;

namespace {

// This computer's name as the system gives it; empty when it gives none.
std::string systemHostName()
{
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size()) != 0) {
        return {};
    }
    return {name.data(), ::strnlen(name.data(), name.size())};
}

} // namespace

std::string hostName()
{
    return hostNameFrom(systemHostName());
}

std::string hostNameFrom(std::string system)
{
    if (system.empty()) {
        return "host";
    }
    // Only what stands in any file name: the separator and slashes are replaced.
    for (char& c : system) {
        if (c == '/' || c == '\\' || c == '-' || c < ' ') {
            c = '_';
        }
    }
    return system;
}

std::string machineName()
{
    return machineNameFrom(systemHostName());
}

std::string machineNameFrom(std::string system)
{
    if (system.empty()) {
        return hostNameFrom(system);
    }
    for (char& c : system) {
        c = c < ' ' ? '_' : c; // one line in the lock file
    }
    return system;
}

int retryWhileBusy(const std::function<int()>& call)
{
    int result = call();
    for (int attempt = 0; result != 0 && errno == EBUSY && attempt < 200; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        result = call();
    }
    return result;
}

bool processGone(long pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

Result<fs::path> followLinksWithin(const fs::path& path, const fs::path& folder)
{
    std::error_code ec;
    fs::path p = path;
    bool linked = false;
    // A loop of links ends somewhere: the last link reached is then the file replaced.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) {
            return Status::fail(ec.value());
        }
        p = to.is_absolute() ? to : p.parent_path() / to;
        linked = true;
    }
    if (!linked) {
        return path;
    }
    // Its folder without links, and its own name: the file itself is no link (or the last of
    // a loop), so its name is not followed.
    const fs::path real =
        fs::weakly_canonical(p.parent_path().empty() ? "." : p.parent_path(), ec) / p.filename();
    const fs::path home = ec ? fs::path() : fs::canonical(folder.empty() ? "." : folder, ec);
    if (ec) {
        return Status::fail(ec.value());
    }
    // Inside: every part of the folder's path begins the file's, and something follows.
    const auto [f, r] = std::mismatch(home.begin(), home.end(), real.begin(), real.end());
    if (f != home.end() || r == real.end()) {
        return Status::refuse(StatusCode::LinkOut);
    }
    return real;
}

void shareWithFolderGroup(int fd, const fs::path& folder)
{
    struct stat dir {};
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &dir) != 0 || (dir.st_mode & S_IWGRP) == 0 ||
        ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        return;
    }
    // A setgid folder gives its group by itself; otherwise the file takes it when this
    // account is in that group. Group rights for any other group would give the file away.
    if (st.st_gid != dir.st_gid && ::fchown(fd, static_cast<uid_t>(-1), dir.st_gid) != 0) {
        return;
    }
    const mode_t mode = st.st_mode & 07777;
    if ((mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) {
        const int shared = ::fchmod(fd, mode | S_IRGRP | S_IWGRP);
        static_cast<void>(shared); // a file system without modes keeps its own
    }
}

namespace {

// Owns an open file descriptor: closed exactly once, by close() (which says whether the
// system reported an error, as a late write error is reported there) or when it goes.
class UniqueFd {
public:
    UniqueFd() = default; // holding no file
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { static_cast<void>(close()); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close() { return m_fd < 0 || ::close(std::exchange(m_fd, -1)) == 0; }
    // Owns fd from now on (the one owned before is closed). errno stays as the call that
    // gave fd left it.
    void reset(int fd)
    {
        const int why = errno;
        static_cast<void>(close());
        m_fd = fd;
        errno = why;
    }

private:
    int m_fd = -1;
};

// Writes all of bytes at offset of a regular file. A write to a regular file comes back short
// only when the disk is full or the file may grow no more, which is a failure like any other.
Status writeAll(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (n == -1) {
        return Status::fail(errno);
    }
    return static_cast<std::size_t>(n) == bytes.size() ? Status() : Status::fail(ENOSPC);
}

// Flushes and closes fd; the first failure of the write, the flush or the close is the answer.
Status finish(UniqueFd& fd, Status written)
{
    if (written && ::fsync(fd.get()) != 0) {
        written = Status::fail(errno);
    }
    if (!fd.close() && written) {
        written = Status::fail(errno);
    }
    return written;
}

// Opens path (a file of the data folder) to be written in place: never through a link and
// never anything but a regular file; created when missing and create is asked (created then
// says so). LinkOut for a link, or for a file that has a second name: written in place, the
// other name, which may stand anywhere, would change with it.
Status openInPlace(UniqueFd& fd, const fs::path& path, bool create, bool& created)
{
    // O_NONBLOCK: a named pipe put where a record file belongs fails at once instead of
    // waiting for a reader; it is refused below like anything else that is no regular file.
    constexpr int kFlags = O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;
    created = false;
    fd.reset(::open(path.c_str(), kFlags));
    if (!fd.valid() && errno == ENOENT && create) {
        fd.reset(::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666));
        created = fd.valid();
        if (!fd.valid() && errno == EEXIST) { // made this moment by another copy
            fd.reset(::open(path.c_str(), kFlags));
        }
    }
    if (!fd.valid()) {
        return errno == ELOOP ? Status::refuse(StatusCode::LinkOut) : Status::fail(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return Status::fail(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return Status::fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    if (st.st_nlink > 1) {
        return Status::refuse(StatusCode::LinkOut);
    }
    shareWithFolderGroup(fd.get(), path.parent_path());
    return {};
}

// Writes bytes at offset of path (created when missing) and flushes them. A write that fails
// after it made the file longer (a disk that fills up part way into a slot, or a flush that
// fails) is cut back, so that the file keeps the length it had; a file this made is removed
// again.
Status writeFileAt(const fs::path& path, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    UniqueFd fd;
    bool created = false;
    if (const Status opened = openInPlace(fd, path, true, created); !opened) {
        return opened;
    }
    struct stat before {};
    const bool sized = ::fstat(fd.get(), &before) == 0;
    Status written = sized ? writeAll(fd.get(), offset, bytes) : Status::fail(errno);
    if (written && ::fsync(fd.get()) != 0) {
        written = Status::fail(errno);
    }
    if (!written && sized && offset + bytes.size() > static_cast<std::uint64_t>(before.st_size)) {
        const int cut = ::ftruncate(fd.get(), before.st_size);
        static_cast<void>(cut); // nothing more can be done about it
    }
    if (!fd.close() && written) {
        written = Status::fail(errno);
    }
    if (!written && created) {
        ::unlink(path.c_str());
    }
    return written;
}

// Creates temp exclusively (never through a link, never opening a pipe or any file already
// there) with the permission bits mode, writes bytes and flushes them. A file this made and
// could not fill is removed again. EEXIST when the name is taken.
Status writeFresh(const fs::path& temp, unsigned mode, bool exactMode,
                  std::span<const std::uint8_t> bytes)
{
    UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       static_cast<mode_t>(mode)));
    if (!fd.valid()) {
        return Status::fail(errno);
    }
    if (exactMode) {
        // The bits of the file replaced, also those the umask took away at the open.
        const int kept = ::fchmod(fd.get(), static_cast<mode_t>(mode));
        static_cast<void>(kept); // a file system without modes keeps its own
    }
    shareWithFolderGroup(fd.get(), temp.parent_path());
    const Status written = finish(fd, writeAll(fd.get(), 0, bytes));
    if (!written) {
        ::unlink(temp.c_str());
    }
    return written;
}

// Reads bytes.size() bytes at offset of a regular file; bytes is cut to what the file held
// (less only when it shrank since its size was taken).
Status readAll(int fd, std::uint64_t offset, std::vector<std::uint8_t>& bytes)
{
    const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (n < 0) {
        return Status::fail(errno);
    }
    bytes.resize(static_cast<std::size_t>(n));
    return {};
}

// The permission bits of an existing file, or nothing.
std::optional<unsigned> modeOf(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return static_cast<unsigned>(st.st_mode & 0777);
}

// Makes a rename in dir durable. Best effort: some file systems refuse to sync a directory.
void syncDirectory(const fs::path& dir)
{
    const UniqueFd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

constexpr std::string_view kTempMark = ".tmp-";
constexpr std::size_t kTempLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// A temporary of an earlier version, or of another machine, is taken as left behind once it
// is this old: a save is over in well under a second.
constexpr auto kOldTempAge = std::chrono::seconds(60);
constexpr auto kForeignTempAge = std::chrono::hours(1);

std::string freshLetters()
{
    // Seeded once per call from the device and the clock: no state outlives the call.
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937_64 gen((static_cast<std::uint64_t>(device()) << 32) ^
                        static_cast<std::uint64_t>(now));
    std::string letters;
    for (std::size_t i = 0; i < kTempLetters; ++i) {
        letters += kLetters[gen() % kLetters.size()];
    }
    return letters;
}

bool allLetters(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

// Who wrote a temporary, read from its name: target ".tmp-" host "-" pid "-" six letters, or,
// from earlier versions, target ".tmp-" six letters (no owner known).
struct TempOwner {
    std::string host; // empty for an earlier version's temporary
    long pid = 0;
};

std::optional<TempOwner> tempOwner(std::string_view suffix)
{
    if (suffix.size() == kTempLetters) {
        return allLetters(suffix) ? std::optional(TempOwner{}) : std::nullopt;
    }
    if (suffix.size() < kTempLetters + 4 ||
        !allLetters(suffix.substr(suffix.size() - kTempLetters)) ||
        suffix[suffix.size() - kTempLetters - 1] != '-') {
        return std::nullopt;
    }
    const std::string_view rest = suffix.substr(0, suffix.size() - kTempLetters - 1);
    const std::size_t dash = rest.rfind('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) {
        return std::nullopt;
    }
    TempOwner owner{std::string(rest.substr(0, dash)), 0};
    for (const char c : rest.substr(dash + 1)) {
        if (c < '0' || c > '9' || owner.pid > 999999999) {
            return std::nullopt;
        }
        owner.pid = owner.pid * 10 + (c - '0');
    }
    return owner;
}

// The temporary's owner when entry is a temporary of a record file (".Xsx", ".Xrx", ".Xtx"), a
// lock or a rename's note, or of target when one is given.
std::optional<TempOwner> recordTemp(const std::string& entry, const std::string& target)
{
    const std::size_t mark = entry.rfind(kTempMark);
    if (mark == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view of = std::string_view(entry).substr(0, mark);
    const bool wanted = target.empty() ? (of.ends_with(".Xsx") || of.ends_with(".Xrx") ||
                                          of.ends_with(".Xtx") || of.ends_with(".lock") ||
                                          of.ends_with(".sqlite") || of.ends_with(".renaming"))
                                       : of == target;
    return wanted ? tempOwner(std::string_view(entry).substr(mark + kTempMark.size()))
                  : std::nullopt;
}

// Removes the temporaries in dir (of target alone when one is given) that nobody is writing.
void sweepTemps(const fs::path& dir, const std::string& target)
{
    std::error_code ec;
    const std::string host = hostName();
    const auto now = fs::file_time_type::clock::now();
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto owner = recordTemp(it->path().filename().string(), target);
        if (!owner) {
            continue;
        }
        std::error_code timeError;
        const auto age = now - fs::last_write_time(it->path(), timeError);
        const bool gone = owner->host.empty()   ? age > kOldTempAge
                          : owner->host == host ? processGone(owner->pid)
                                                : age > kForeignTempAge;
        if (!timeError && (gone || age > kForeignTempAge)) {
            stale.push_back(it->path());
        }
    }
    for (const fs::path& p : stale) {
        fs::remove(p, ec);
    }
}

Status lastError()
{
    return Status::fail(errno);
}

class DiskFileSystem final : public FileSystem {
public:
    bool exists(const fs::path& path) override
    {
        std::error_code ec;
        return fs::is_regular_file(path, ec);
    }

    Result<std::vector<std::uint8_t>> read(const fs::path& path, std::uint64_t offset,
                                           std::size_t length) override
    {
        // Opened without waiting, so that a named pipe in a record file's place is refused at
        // once instead of blocking until something writes to it: only a regular file is read.
        const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid()) {
            return lastError();
        }
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            return Status::fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        }
        const auto size = static_cast<std::uint64_t>(st.st_size);
        std::vector<std::uint8_t> bytes(
            offset < size ? static_cast<std::size_t>(std::min<std::uint64_t>(length, size - offset))
                          : 0);
        const Status got = readAll(fd.get(), offset, bytes);
        if (!got) {
            return got;
        }
        return bytes;
    }

    Result<fs::path> writeTemp(const fs::path& target, std::span<const std::uint8_t> bytes) override
    {
        const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
        sweepTemps(dir, target.filename().string());
        const std::optional<unsigned> mode = modeOf(target);
        const std::string owner = hostName() + "-" + std::to_string(::getpid()) + "-";
        // A name another file already has is never touched: try another, a few times.
        Status written;
        for (int attempt = 0; attempt < 16; ++attempt) {
            fs::path temp = target;
            temp += std::string(kTempMark) + owner + freshLetters();
            written = writeFresh(temp, mode.value_or(0666), mode.has_value(), bytes);
            if (written) {
                return temp;
            }
            if (written.error() != EEXIST) {
                break;
            }
        }
        return written;
    }

    Status writeAt(const fs::path& path, std::uint64_t offset,
                   std::span<const std::uint8_t> bytes) override
    {
        const Result<fs::path> target = writeTarget(path);
        return target ? writeFileAt(*target, offset, bytes) : target.status();
    }

    Status truncate(const fs::path& path, std::uint64_t size) override
    {
        const Result<fs::path> target = writeTarget(path);
        if (!target) {
            return target.status();
        }
        UniqueFd fd;
        bool created = false;
        if (const Status opened = openInPlace(fd, *target, false, created); !opened) {
            return opened;
        }
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0) {
            return lastError();
        }
        Status cut;
        if (static_cast<std::uint64_t>(st.st_size) > size &&
            ::ftruncate(fd.get(), static_cast<off_t>(size)) != 0) {
            cut = lastError();
        }
        return finish(fd, cut); // flushed
    }

    Result<fs::path> writeTarget(const fs::path& path) override
    {
        return followLinksWithin(path, path.parent_path());
    }

    Result<std::string> ownerOf(const fs::path& path) override
    {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            return lastError();
        }
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(st.st_uid, &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_name != nullptr) {
            return std::string(found->pw_name);
        }
        return std::to_string(st.st_uid);
    }

    Status rename(const fs::path& from, const fs::path& to) override
    {
        if (retryWhileBusy([&] { return ::rename(from.c_str(), to.c_str()); }) != 0) {
            return lastError();
        }
        syncDirectory(to.parent_path());
        return {};
    }

    Status link(const fs::path& from, const fs::path& to) override
    {
        if (::link(from.c_str(), to.c_str()) != 0) {
            return lastError();
        }
        syncDirectory(to.parent_path());
        return {};
    }

    void remove(const fs::path& path) override
    {
        if (retryWhileBusy([&] { return ::unlink(path.c_str()); }) == 0) {
            syncDirectory(path.parent_path());
        }
    }

    void sweepStaleTemps(const fs::path& dir) override { sweepTemps(dir, {}); }

    std::vector<std::string> list(const fs::path& dir) override
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            names.push_back(it->path().filename().string());
        }
        return names;
    }

    Result<std::uintmax_t> linkCount(const fs::path& path) override
    {
        std::error_code ec;
        const std::uintmax_t count = fs::hard_link_count(path, ec);
        if (ec) {
            return Status::fail(ec.value());
        }
        return count;
    }

    bool sameFile(const fs::path& a, const fs::path& b) override
    {
        std::error_code ec;
        return fs::equivalent(a, b, ec) && !ec;
    }

    std::string hostName() override { return sb::hostName(); }
    std::string machineName() override { return sb::machineName(); }
    long processId() override { return static_cast<long>(::getpid()); }
    bool processGone(long pid) override { return sb::processGone(pid); }

    Status createExclusive(const fs::path& path, std::string_view text) override
    {
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd == -1) {
            return lastError();
        }
        shareWithFolderGroup(fd, path.parent_path());
        Status made;
        if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            made = lastError();
        }
        if (::close(fd) != 0 && made) {
            made = lastError();
        }
        if (!made) {
            retryWhileBusy([&] { return ::unlink(path.c_str()); });
        }
        return made;
    }

    Result<std::string> readText(const fs::path& path, std::size_t most) override
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd == -1) {
            return lastError();
        }
        std::string text(most, '\0');
        const ssize_t n = ::read(fd, text.data(), text.size());
        const int why = errno;
        ::close(fd);
        if (n == -1) {
            return Status::fail(why);
        }
        text.resize(static_cast<std::size_t>(n));
        return text;
    }

    Result<std::chrono::nanoseconds> modifiedAt(const fs::path& path) override
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            return lastError();
        }
        return std::chrono::seconds(st.st_mtim.tv_sec) +
               std::chrono::nanoseconds(st.st_mtim.tv_nsec);
    }

    Status overwrite(const fs::path& path, std::string_view text) override
    {
        UniqueFd fd;
        bool created = false;
        if (const Status opened = openInPlace(fd, path, false, created); !opened) {
            return opened;
        }
        const bool whole =
            ::pwrite(fd.get(), text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
        const int why = errno;
        if (!fd.close() || !whole) {
            return Status::fail(whole ? errno : why);
        }
        return {};
    }

    Status addName(const fs::path& from, const fs::path& to) override
    {
        return ::link(from.c_str(), to.c_str()) == 0 ? Status() : lastError();
    }

    Status move(const fs::path& from, const fs::path& to) override
    {
        return retryWhileBusy([&] { return ::rename(from.c_str(), to.c_str()); }) == 0
                   ? Status()
                   : lastError();
    }

    Status moveNoReplace(const fs::path& from, const fs::path& to) override
    {
        return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0
                   ? Status()
                   : lastError();
    }

    Status present(const fs::path& path) override
    {
        return ::access(path.c_str(), F_OK) == 0 ? Status() : lastError();
    }

    Status unlink(const fs::path& path) override
    {
        return retryWhileBusy([&] { return ::unlink(path.c_str()); }) == 0 ? Status() : lastError();
    }

    Result<FileIdentity> identity(const fs::path& path) override
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            return lastError();
        }
        return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                            static_cast<std::uint64_t>(st.st_ino)};
    }
};

} // namespace

FileSystem& diskFileSystem()
{
    static DiskFileSystem disk;
    return disk;
}

} // namespace sb
