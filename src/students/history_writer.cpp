// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/history_writer.h"

#include "platform/lock_file.h"

#include <array>
#include <ctime>
#include <string>
#include <utility>

namespace sb {

HistoryWriter::~HistoryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_dirty = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void HistoryWriter::submit(const std::filesystem::path& path, AnswerRow row,
                           std::optional<Holder> holder)
{
    {
        const std::lock_guard lock(m_mutex);
        m_holders[path] = std::move(holder);
        auto& rows = m_waiting[path];
        if (rows.size() >= m_mostWaiting) {
            rows.erase(rows.begin());
        }
        rows.push_back(std::move(row));
        m_dirty = true;
        if (!m_thread.joinable()) {
            m_thread = std::thread([this] { run(); });
        }
    }
    m_wake.notify_all();
}

void HistoryWriter::watchFolder(FileSystem& files, std::filesystem::path folder)
{
    const std::lock_guard lock(m_mutex);
    m_folderFiles = &files;
    m_folder = std::move(folder);
}

void HistoryWriter::retry()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting.empty()) {
            return;
        }
        m_dirty = true;
    }
    m_wake.notify_all();
}

void HistoryWriter::settle()
{
    std::unique_lock lock(m_mutex);
    if (!m_thread.joinable() || (!m_busy && m_waiting.empty())) {
        return; // every answer is on the disk already: no need to wake the thread
    }
    // A try already under way may have taken its answers before the last ones came.
    const unsigned long until = m_rounds + (m_busy ? 2 : 1);
    m_dirty = true;
    m_wake.notify_all();
    m_done.wait(lock, [&] { return m_rounds >= until; });
}

void HistoryWriter::holding(const std::filesystem::path& path)
{
    const std::lock_guard lock(m_mutex);
    m_held = path;
}

std::map<std::filesystem::path, Status> HistoryWriter::outcomes()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_outcomes, {});
}

std::map<std::filesystem::path, std::filesystem::path> HistoryWriter::setAsideFiles()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_setAside, {});
}

std::size_t HistoryWriter::waiting(const std::filesystem::path& path)
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_waiting.find(path);
    return it == m_waiting.end() ? 0 : it->second.size();
}

std::unique_lock<std::mutex> HistoryWriter::idle()
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [&] { return !m_busy; });
    return lock;
}

Status HistoryWriter::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // No try runs while the lock is held: the thread takes it to begin one.
    const auto lock = idle();
    m_db.reset();
    const Status moved = moveHistory(from, to);
    const auto it = m_waiting.find(from);
    if ((moved || moved.code() == StatusCode::Missing) && it != m_waiting.end()) {
        auto& target = m_waiting[to];
        target.insert(target.begin(), it->second.begin(), it->second.end());
        m_waiting.erase(from);
        m_outcomes[from] = Status(); // nothing waits for that name any more
        m_dirty = true;
        m_wake.notify_all();
    }
    return moved;
}

namespace {

// The day (UTC) of a time in milliseconds since 1970, as "2026-12-08".
std::string utcDay(std::int64_t ms)
{
    const auto t = static_cast<std::time_t>(ms / 1000);
    std::tm utc{};
    gmtime_r(&t, &utc);
    std::array<char, 16> text{};
    return {text.data(), std::strftime(text.data(), text.size(), "%Y-%m-%d", &utc)};
}

} // namespace

Status HistoryWriter::writeRows(const std::filesystem::path& path,
                                const std::vector<AnswerRow>& rows, bool held, bool mayRepair)
{
    Status written;
    if (!m_db || m_dbPath != path) {
        m_db.reset();
        auto opened = HistoryDb::open(path, true, held);
        written = opened.status;
        if (written) {
            m_db = std::move(opened.db);
            m_dbPath = path;
        }
    }
    if (written) {
        written = m_db->append(rows);
    }
    if (mayRepair && written.code() == StatusCode::Damaged && setAside(path, rows.front().atMs)) {
        return writeRows(path, rows, held, false); // into the fresh history
    }
    if (!written) {
        // Opened afresh next time: the lock may be gone or the file set aside by then.
        m_db.reset();
    }
    return written;
}

bool HistoryWriter::setAside(const std::filesystem::path& path, std::int64_t atMs)
{
    m_db.reset();
    const std::string day = utcDay(atMs);
    for (int n = 1; n <= 99; ++n) {
        const std::filesystem::path aside = damagedHistoryName(path, day, n);
        const auto copied = setAsideHistory(path, aside);
        if (copied || copied.status().code() != StatusCode::NameTaken) {
            if (copied) {
                const std::lock_guard lock(m_mutex);
                m_setAside[path] = aside;
            }
            return bool(copied);
        }
    }
    return false;
}

bool HistoryWriter::folderThere()
{
    return m_folderFiles == nullptr || m_folderFiles->present(m_folder).ok();
}

Status HistoryWriter::tryWrite(const std::filesystem::path& path,
                               const std::vector<AnswerRow>& rows,
                               const std::optional<Holder>& holder, bool held)
{
    if (!folderThere()) {
        m_db.reset(); // it may be open on a share that is gone
        return Status::refuse(StatusCode::Unreachable);
    }
    // Answers of a pupil taken over by another computer are not this program's to write any
    // more: they go unwritten. A lock that cannot be read since the folder went meanwhile says
    // nothing of the kind.
    if (holder && !lockHolds(*holder->files, holder->lock, holder->text)) {
        return folderThere() ? Status() : Status::refuse(StatusCode::Unreachable);
    }
    return writeRows(path, rows, held);
}

void HistoryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_dirty; });
        m_dirty = false;
        m_busy = true;
        const auto work = m_waiting;
        const auto held = m_held;
        const auto holders = m_holders;
        lock.unlock();
        std::map<std::filesystem::path, Status> written;
        for (const auto& [path, rows] : work) {
            const auto holder = holders.find(path);
            written[path] =
                rows.empty()
                    ? Status()
                    : tryWrite(path, rows, holder == holders.end() ? std::nullopt : holder->second,
                               path == held);
        }
        lock.lock();
        for (const auto& [path, ok] : written) {
            if (ok) {
                // Answers that came during the write stay for the next try.
                auto& rows = m_waiting[path];
                rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                            rows.size(), work.at(path).size())));
                if (rows.empty()) {
                    m_waiting.erase(path);
                }
            }
            m_outcomes[path] = ok;
        }
        m_busy = false;
        ++m_rounds;
        m_done.notify_all();
        if (m_stop && !m_dirty) {
            m_db.reset();
            return;
        }
    }
}

} // namespace sb
