// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock_file.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sb {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "Sumblitz lock\n";
constexpr std::size_t kMostText = 512;

std::optional<std::string> readText(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string text(kMostText, '\0');
    const ssize_t n = ::read(fd, text.data(), text.size());
    ::close(fd);
    if (n < 0) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// The value after "key=" on a line of text.
std::string_view field(std::string_view text, std::string_view key)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
        at = end + 1;
    }
    return {};
}

template <class T> T number(std::string_view text)
{
    T value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<LockHolder> parse(std::string_view text)
{
    if (!text.starts_with(kFirstLine)) {
        return std::nullopt;
    }
    LockHolder holder;
    holder.host = std::string(field(text, "host"));
    holder.pid = number<long>(field(text, "pid"));
    holder.since = number<std::int64_t>(field(text, "since"));
    if (holder.host.empty() || holder.pid <= 0) {
        return std::nullopt;
    }
    return holder;
}

// Seconds since path was last written; nothing when it cannot be asked. Counted to `now` when
// given: the time a file just written in the same folder carries. A file server stamps the
// times of what is written to it, so the two are read on one clock, however far this
// computer's clock is from the holder's.
std::optional<double> idleSeconds(const fs::path& path, const std::optional<timespec>& now = {})
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    timespec clock{};
    if (now) {
        clock = *now;
    } else {
        ::clock_gettime(CLOCK_REALTIME, &clock);
    }
    return static_cast<double>(clock.tv_sec - st.st_mtim.tv_sec) +
           static_cast<double>(clock.tv_nsec - st.st_mtim.tv_nsec) / 1e9;
}

// What a lock file says. The last line tells this lock apart from any other the same process
// takes of the same file (a take-over within one process).
std::string holderFile()
{
    static_assert(sizeof(std::int64_t) >= sizeof(std::time_t));
    static unsigned taken = 0;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::string(kFirstLine) + "host=" + machineName() +
           "\npid=" + std::to_string(::getpid()) +
           "\nsince=" + std::to_string(static_cast<std::int64_t>(std::time(nullptr))) +
           "\nlock=" + std::to_string(now.tv_nsec) + "." + std::to_string(++taken) + "\n";
}

// Creates path exclusively with text in it; EEXIST when a lock is there. The text is written
// to a file of its own first and given the lock's name in one step (a hard link, which fails
// when the name is taken), so that a lock is never seen without its holder, even when its
// process dies half way. Not flushed: after a crash of the machine an empty lock is stale
// once nobody touches it.
Status create(const fs::path& path, const std::string& text,
              std::optional<timespec>* written = nullptr)
{
    static unsigned serial = 0;
    fs::path own = path;
    own += ".tmp-" + hostName() + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(100000 + (++serial % 900000));
    const int fd = ::open(own.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Status::fail(errno);
    }
    Status made;
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        made = Status::fail(errno);
    }
    if (::close(fd) != 0 && made) {
        made = Status::fail(errno);
    }
    if (struct stat st{}; written != nullptr && made && ::stat(own.c_str(), &st) == 0) {
        *written = st.st_mtim; // the folder's clock now
    }
    if (made && ::link(own.c_str(), path.c_str()) != 0) {
        made = Status::fail(errno);
        if (made.error() == EPERM || made.error() == ENOTSUP || made.error() == ENOSYS) {
            // A file system without hard links: the lock is made exclusively in place.
            made = Status();
            const int lock = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (lock < 0) {
                made = Status::fail(errno);
            } else {
                const bool whole =
                    ::write(lock, text.data(), text.size()) == static_cast<ssize_t>(text.size());
                if (::close(lock) != 0 || !whole) {
                    made = Status::fail(errno == 0 ? EIO : errno);
                    ::unlink(path.c_str());
                }
            }
        }
    }
    retryWhileBusy([&] { return ::unlink(own.c_str()); });
    return made;
}

// A fresh lock that replaced a stale one just before it was moved aside gets its name back,
// unless the name is taken again already (its holder then finds out at its next refresh).
// True when the file moved aside has its name again and is gone from the side.
bool giveBack(const fs::path& aside, const fs::path& path)
{
    if (::link(aside.c_str(), path.c_str()) == 0 || errno == EEXIST) {
        return false;
    }
    // A file system without hard links (an SMB share): a rename that never replaces.
    if (::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return false;
    }
    // Nor that: a plain rename while the name is free.
    return ::access(path.c_str(), F_OK) != 0 && errno == ENOENT &&
           ::rename(aside.c_str(), path.c_str()) == 0;
}

// Takes away the lock whose file said `seen`: it is moved aside first, so that of two copies
// breaking it at once only one does, and a lock taken afresh in between is put back.
void breakLock(const fs::path& path, const std::string& seen)
{
    fs::path aside = path;
    aside += ".broken-" + hostName() + "-" + std::to_string(::getpid());
    if (retryWhileBusy([&] { return ::rename(path.c_str(), aside.c_str()); }) != 0) {
        return; // someone else broke it, or it was released
    }
    if (readText(aside).value_or(std::string()) != seen && giveBack(aside, path)) {
        return;
    }
    retryWhileBusy([&] { return ::unlink(aside.c_str()); });
}

} // namespace

std::string machineName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == 0) {
        return hostName();
    }
    std::string machine(name);
    for (char& c : machine) {
        c = c < ' ' ? '_' : c; // one line in the lock file
    }
    return machine;
}

bool lockStale(const LockHolder& holder)
{
    if (holder.host == machineName() && processGone(holder.pid)) {
        return true;
    }
    return holder.idleSeconds > static_cast<double>(kLockStaleAfter.count());
}

std::optional<LockHolder> readLockHolder(const fs::path& path)
{
    const auto text = readText(path);
    auto holder = text ? parse(*text) : std::nullopt;
    if (holder) {
        holder->idleSeconds = idleSeconds(path).value_or(0);
    }
    return holder;
}

std::string holderText(const LockHolder& holder)
{
    if (holder.since <= 0) {
        return holder.host;
    }
    const auto since = static_cast<std::time_t>(holder.since);
    std::tm local{};
    char clock[16] = "?";
    if (::localtime_r(&since, &local) != nullptr) {
        std::strftime(clock, sizeof clock, "%H:%M", &local);
    }
    return holder.host + " since " + clock;
}

LockFile::LockFile(LockFile&& other) noexcept
    : m_path(std::exchange(other.m_path, {})), m_text(std::move(other.m_text))
{
}

LockFile& LockFile::operator=(LockFile&& other) noexcept
{
    if (this != &other) {
        release();
        m_path = std::exchange(other.m_path, {});
        m_text = std::move(other.m_text);
    }
    return *this;
}

bool LockFile::ours() const
{
    return held() && readText(m_path) == m_text;
}

Status LockFile::refresh()
{
    if (!held()) {
        return {};
    }
    const auto text = readText(m_path);
    if (!text) {
        const int why = errno;
        struct stat folder {};
        if (why != ENOENT || ::stat(m_path.parent_path().c_str(), &folder) != 0) {
            return Status::fail(why == ENOENT ? ENOENT : why); // the folder is out of reach
        }
        // Broken as stale while the folder was out of reach, and taken by nobody since: it is
        // this process's again, unless another has made it meanwhile.
        const Status again = create(m_path, m_text);
        return again || again.error() != EEXIST ? again : Status::fail(EOWNERDEAD);
    }
    if (*text != m_text) {
        return Status::fail(EOWNERDEAD);
    }
    // Written again rather than touched, so that the file server stamps the time on its own
    // clock, as it does a lock's creation (a touch carries this computer's clock).
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return Status::fail(errno);
    }
    const bool whole =
        ::pwrite(fd, m_text.data(), m_text.size(), 0) == static_cast<ssize_t>(m_text.size());
    const int why = errno;
    if (::close(fd) != 0 || !whole) {
        return Status::fail(whole ? errno : why);
    }
    return {};
}

void LockFile::release()
{
    if (held() && ours()) {
        retryWhileBusy([this] { return ::unlink(m_path.c_str()); });
    }
    m_path.clear();
    m_text.clear();
}

LockAttempt tryLock(const fs::path& path, bool takeOver)
{
    LockAttempt attempt;
    const std::string text = holderFile();
    for (int round = 0; round < 2; ++round) {
        std::optional<timespec> now;
        const Status made = create(path, text, &now);
        if (made) {
            attempt.lock = LockFile(path, text);
            attempt.holder.reset();
            return attempt;
        }
        if (made.error() != EEXIST) {
            attempt.status = made;
            return attempt;
        }
        const auto seen = readText(path);
        attempt.holder = seen ? parse(*seen) : std::nullopt;
        if (attempt.holder) {
            attempt.holder->idleSeconds = idleSeconds(path, now).value_or(0);
        }
        // A lock whose file says nothing readable is being written this moment, or was left
        // half written by a crash: it is stale once nobody has touched it for a while.
        const bool stale = attempt.holder ? lockStale(*attempt.holder)
                                          : idleSeconds(path, now).value_or(0) >
                                                static_cast<double>(kLockStaleAfter.count());
        if (!seen || !(stale || takeOver)) {
            break;
        }
        breakLock(path, *seen);
    }
    if (!attempt.holder) {
        attempt.holder = LockHolder{"another computer", 1, 0, 0};
    }
    attempt.status = Status::fail(EWOULDBLOCK);
    return attempt;
}

LockAttempt waitForLock(const fs::path& path, std::chrono::milliseconds patience)
{
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + patience;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        LockAttempt attempt = tryLock(path, false);
        if (attempt.taken() || !attempt.holder || Clock::now() >= until) {
            return attempt;
        }
        // While the lock is there, only look whether it still is: one request to a file
        // server instead of the seven of an attempt, and no reader keeping the lock open
        // when its holder removes it. Who holds it, and whether it went stale, is read
        // again every second.
        const auto look = std::min(until, Clock::now() + std::chrono::seconds(1));
        do {
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds(20));
        } while (Clock::now() < look && ::access(path.c_str(), F_OK) == 0);
    }
}

} // namespace sb
