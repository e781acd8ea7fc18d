// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "students/answer_history.h"

namespace sb {

// Writes answers to the pupils' history databases on a thread of its own, so that the drill
// never waits for the disk (a commit with synchronous FULL takes a few flushes to the disk,
// tens of milliseconds on a slow one). Answers wait in memory, by database, until a write takes
// them; a database that cannot be written (read-only folder, locked, damaged) keeps its answers
// for the next try, which comes with the next answer given; one found damaged is set aside and
// made afresh. Each try writes everything waiting
// for one database in one transaction. The thread starts with the first answer; going, the
// writer makes one last try and waits for it.
class HistoryWriter {
public:
    explicit HistoryWriter(std::size_t mostWaiting = 100000) : m_mostWaiting(mostWaiting) {}
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    // The lock a program holds for the pupil whose database it writes: before each write the
    // lock file must still hold the text this program wrote into it; when it does not (another
    // computer took the pupil over), the answers waiting for her go unwritten.
    struct Holder {
        FileSystem* files = nullptr;
        std::filesystem::path lock;
        std::string text;
    };

    // Queues one answer for the database at path (the oldest waiting answer of that database
    // is dropped when mostWaiting are already waiting) and wakes the thread. With holder, the
    // answers waiting for path are written only while that lock is still held.
    void submit(const std::filesystem::path& path, AnswerRow row,
                std::optional<Holder> holder = std::nullopt);
    // The folder the databases are in, as files sees it: while files finds it not there (a
    // share gone, see FolderGuard), nothing is written and the answers wait for it. Given
    // before the first answer.
    void watchFolder(FileSystem& files, std::filesystem::path folder);
    // Tries the waiting answers again soon, without waiting for the try.
    void retry();
    // Tries every waiting answer now and returns once that try is over (at once when no answer
    // waits and no try is under way).
    void settle();

    // The history of the pupil whose lock this program holds (empty: none). Only that one may
    // be copied afresh when this account cannot write it (see HistoryDb::open): nobody else
    // writes it meanwhile.
    void holding(const std::filesystem::path& path);

    // How each database fared since the last call: ok when its answers were all written,
    // otherwise why some still wait.
    std::map<std::filesystem::path, Status> outcomes();
    // The damaged databases set aside since the last call (see setAsideHistory), each with the
    // name it is kept under; their answers, and those still readable in them, went on into a
    // fresh database at the old name.
    std::map<std::filesystem::path, std::filesystem::path> setAsideFiles();
    // Answers waiting for the database at path.
    std::size_t waiting(const std::filesystem::path& path);

    // Carries the database at from, and the answers waiting for it, to to (see moveHistory).
    Status rename(const std::filesystem::path& from, const std::filesystem::path& to);

private:
    void run();
    bool folderThere();
    // One database's answers, written while the folder is there and the pupil is still this
    // program's (holder).
    Status tryWrite(const std::filesystem::path& path, const std::vector<AnswerRow>& rows,
                    const std::optional<Holder>& holder, bool held);
    // A database found damaged is set aside and the rows written into the fresh one, once.
    Status writeRows(const std::filesystem::path& path, const std::vector<AnswerRow>& rows,
                     bool held, bool mayRepair = true);
    bool setAside(const std::filesystem::path& path, std::int64_t atMs);
    std::unique_lock<std::mutex> idle();

    const std::size_t m_mostWaiting;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::map<std::filesystem::path, std::vector<AnswerRow>> m_waiting;
    std::map<std::filesystem::path, Status> m_outcomes;
    std::filesystem::path m_held; // see holding()
    std::map<std::filesystem::path, std::optional<Holder>> m_holders;
    std::map<std::filesystem::path, std::filesystem::path> m_setAside;
    bool m_dirty = false;
    bool m_busy = false;
    bool m_stop = false;
    unsigned long m_rounds = 0;
    std::unique_ptr<HistoryDb> m_db; // the thread's open database, at m_dbPath
    std::filesystem::path m_dbPath;
    FileSystem* m_folderFiles = nullptr; // see watchFolder()
    std::filesystem::path m_folder;
    std::thread m_thread;
};

} // namespace sb
