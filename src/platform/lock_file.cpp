// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <utility>

namespace sb {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "Sumblitz lock\n";
constexpr std::size_t kMostText = 512;

std::optional<std::string> readText(FileSystem& files, const fs::path& path)
{
    auto text = files.readText(path, kMostText);
    return text ? std::optional(std::move(*text)) : std::nullopt;
}

// The value after "key=" on a line of text.
std::string_view field(std::string_view text, std::string_view key)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return {};
}

template <class T> T number(std::string_view text)
{
    T value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The holder a lock file's text names, its time zone that of clock.
std::optional<LockHolder> parse(std::string_view text, Clock& clock)
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
    holder.utcOffset = clock.utcOffsetSeconds(holder.since * 1000);
    return holder;
}

// Seconds from when path was last written to now; nothing when it cannot be asked. `now` is
// best the time a file just written in the same folder carries: a file server stamps the times
// of what is written to it, so the two are read on one clock, however far this computer's
// clock is from the holder's.
std::optional<double> idleSeconds(FileSystem& files, const fs::path& path,
                                  std::chrono::nanoseconds now)
{
    const auto written = files.modifiedAt(path);
    if (!written) {
        return std::nullopt;
    }
    return std::chrono::duration<double>(now - *written).count();
}

std::chrono::nanoseconds wallTime(Clock& clock)
{
    return std::chrono::milliseconds(clock.utcMillis());
}

// What a lock file says. The last line tells this lock apart from any other the same process
// takes of the same file (a take-over within one process).
std::string holderFile(FileSystem& files, Clock& clock)
{
    static unsigned taken = 0;
    const auto steady = clock.steadyNow().time_since_epoch();
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(steady).count();
    return std::string(kFirstLine) + "host=" + files.machineName() +
           "\npid=" + std::to_string(files.processId()) +
           "\nsince=" + std::to_string(clock.utcMillis() / 1000) +
           "\nlock=" + std::to_string(nanos) + "." + std::to_string(++taken) + "\n";
}

bool withoutHardLinks(const Status& status)
{
    return status.error() == EPERM || status.error() == ENOTSUP || status.error() == ENOSYS;
}

// Creates path exclusively with text in it; EEXIST when a lock is there. The text is written
// to a file of its own first and given the lock's name in one step (a hard link, which fails
// when the name is taken), so that a lock is never seen without its holder, even when its
// process dies half way. Not flushed: after a crash of the machine an empty lock is stale
// once nobody touches it. When asked (written), the time the folder gave the file written.
Status create(FileSystem& files, const fs::path& path, const std::string& text,
              std::optional<std::chrono::nanoseconds>* written = nullptr)
{
    static unsigned serial = 0;
    fs::path own;
    Status made;
    // The name is this process's own: something else there (left, or planted) is passed by.
    for (int attempt = 0; attempt < 8; ++attempt) {
        own = path;
        own += ".tmp-" + files.hostName() + "-" + std::to_string(files.processId()) + "-" +
               std::to_string(100000 + (++serial % 900000));
        made = files.createExclusive(own, text);
        if (made || made.error() != EEXIST) {
            break;
        }
    }
    if (!made) {
        return made;
    }
    if (written != nullptr) {
        if (const auto stamp = files.modifiedAt(own)) {
            *written = *stamp; // the folder's clock now
        }
    }
    made = files.addName(own, path);
    if (withoutHardLinks(made)) {
        // A file system without hard links: the lock is made exclusively in place.
        made = files.createExclusive(path, text);
    }
    static_cast<void>(files.unlink(own));
    return made;
}

// A fresh lock that replaced a stale one just before it was moved aside gets its name back,
// unless the name is taken again already (its holder then finds out at its next refresh).
// True when the file moved aside has its name again and is gone from the side.
bool giveBack(FileSystem& files, const fs::path& aside, const fs::path& path)
{
    const Status linked = files.addName(aside, path);
    if (linked || linked.error() == EEXIST) {
        return false;
    }
    // A file system without hard links (an SMB share): a rename that never replaces.
    const Status moved = files.moveNoReplace(aside, path);
    if (moved) {
        return true;
    }
    if (moved.error() != EINVAL && moved.error() != ENOSYS && moved.error() != ENOTSUP) {
        return false;
    }
    // Nor that: a plain rename while the name is free.
    return files.present(path).error() == ENOENT && files.move(aside, path);
}

// Takes away the lock whose file said `seen`: it is moved aside first, so that of two copies
// breaking it at once only one does, and a lock taken afresh in between is put back.
void breakLock(FileSystem& files, const fs::path& path, const std::string& seen)
{
    fs::path aside = path;
    aside += ".broken-" + files.hostName() + "-" + std::to_string(files.processId());
    if (!files.move(path, aside)) {
        return; // someone else broke it, or it was released
    }
    if (readText(files, aside).value_or(std::string()) != seen && giveBack(files, aside, path)) {
        return;
    }
    static_cast<void>(files.unlink(aside));
}

} // namespace

bool lockStale(FileSystem& files, const LockHolder& holder)
{
    if (holder.host == files.machineName() && files.processGone(holder.pid)) {
        return true;
    }
    return holder.idleSeconds > static_cast<double>(kLockStaleAfter.count());
}

std::optional<LockHolder> readLockHolder(FileSystem& files, Clock& clock, const fs::path& path)
{
    const auto text = readText(files, path);
    auto holder = text ? parse(*text, clock) : std::nullopt;
    if (holder) {
        holder->idleSeconds = idleSeconds(files, path, wallTime(clock)).value_or(0);
    }
    return holder;
}

std::string heldSince(const LockHolder& holder)
{
    if (holder.since <= 0) {
        return {};
    }
    const std::int64_t local = holder.since + holder.utcOffset;
    const std::int64_t minutes = (local / 60 % (24 * 60) + 24 * 60) % (24 * 60);
    char clock[16] = {};
    std::snprintf(clock, sizeof clock, "%02d:%02d", static_cast<int>(minutes / 60),
                  static_cast<int>(minutes % 60));
    return clock;
}

LockFile::LockFile(LockFile&& other) noexcept
    : m_files(other.m_files), m_path(std::exchange(other.m_path, {})),
      m_text(std::move(other.m_text))
{
}

LockFile& LockFile::operator=(LockFile&& other) noexcept
{
    if (this != &other) {
        release();
        m_files = other.m_files;
        m_path = std::exchange(other.m_path, {});
        m_text = std::move(other.m_text);
    }
    return *this;
}

bool LockFile::ours() const
{
    return held() && lockHolds(*m_files, m_path, m_text);
}

bool lockHolds(FileSystem& files, const std::filesystem::path& path, std::string_view text)
{
    return readText(files, path) == text;
}

Status LockFile::refresh()
{
    if (!held()) {
        return {};
    }
    const auto text = m_files->readText(m_path, kMostText);
    if (!text) {
        const int why = text.status().error();
        if (why != ENOENT || !m_files->modifiedAt(m_path.parent_path())) {
            return Status::fail(why); // the folder is out of reach
        }
        // Broken as stale while the folder was out of reach, and taken by nobody since: it is
        // this process's again, unless another has made it meanwhile.
        const Status again = create(*m_files, m_path, m_text);
        return again || again.error() != EEXIST ? again : Status::refuse(StatusCode::TakenOver);
    }
    if (*text != m_text) {
        return Status::refuse(StatusCode::TakenOver);
    }
    // Written again rather than touched, so that the file server stamps the time on its own
    // clock, as it does a lock's creation (a touch carries this computer's clock).
    return m_files->overwrite(m_path, m_text);
}

void LockFile::release()
{
    if (held() && ours()) {
        static_cast<void>(m_files->unlink(m_path));
    }
    m_path.clear();
    m_text.clear();
}

LockAttempt tryLock(FileSystem& files, Clock& clock, const fs::path& path, bool takeOver)
{
    LockAttempt attempt;
    const std::string text = holderFile(files, clock);
    for (int round = 0; round < 2; ++round) {
        std::optional<std::chrono::nanoseconds> written;
        const Status made = create(files, path, text, &written);
        if (made) {
            attempt.lock = LockFile(files, path, text);
            attempt.holder.reset();
            return attempt;
        }
        if (made.error() != EEXIST) {
            attempt.status = made;
            return attempt;
        }
        // Counted to the folder's time now when it gave one, else to this computer's.
        const auto now = written.value_or(wallTime(clock));
        const auto seen = readText(files, path);
        attempt.holder = seen ? parse(*seen, clock) : std::nullopt;
        if (attempt.holder) {
            attempt.holder->idleSeconds = idleSeconds(files, path, now).value_or(0);
        }
        // A lock whose file says nothing readable is being written this moment, or was left
        // half written by a crash: it is stale once nobody has touched it for a while.
        const bool stale = attempt.holder ? lockStale(files, *attempt.holder)
                                          : idleSeconds(files, path, now).value_or(0) >
                                                static_cast<double>(kLockStaleAfter.count());
        if (!seen || !(stale || takeOver)) {
            break;
        }
        breakLock(files, path, *seen);
    }
    if (!attempt.holder) {
        attempt.holder = LockHolder{"", 1, 0, 0, 0}; // a lock that names no one
    }
    attempt.status = Status::refuse(StatusCode::InUse);
    return attempt;
}

LockAttempt waitForLock(FileSystem& files, Clock& clock, const fs::path& path,
                        std::chrono::milliseconds patience)
{
    const auto until = clock.steadyNow() + patience;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        LockAttempt attempt = tryLock(files, clock, path, false);
        if (attempt.taken() || !attempt.holder || clock.steadyNow() >= until) {
            return attempt;
        }
        // While the lock is there, only look whether it still is: one request to a file
        // server instead of the seven of an attempt, and no reader keeping the lock open
        // when its holder removes it. Who holds it, and whether it went stale, is read
        // again every second.
        const auto look = std::min(until, clock.steadyNow() + std::chrono::seconds(1));
        do {
            clock.sleepFor(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds(20));
        } while (clock.steadyNow() < look && files.present(path));
    }
}

} // namespace sb
