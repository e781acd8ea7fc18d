// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/answer_history.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <random>
#include <system_error>
#include <utility>

#include "platform/file_system.h"
#include "students/file_names.h"

namespace sb {

namespace {

// How long a call waits for another program's lock before giving up: short enough that an
// answer is never delayed visibly; the answer is then kept and written with the next one.
constexpr int kBusyMs = 40;

// Each step brings the schema from version i to i + 1, in one transaction with the version.
constexpr std::array<const char*, kHistorySchema> kMigrations{
    "CREATE TABLE answers("
    " id INTEGER PRIMARY KEY,"
    " at_ms INTEGER NOT NULL,"     // when, ms since 1970 UTC
    " drill_ms INTEGER NOT NULL,"  // at_ms of the drill's first answer
    " operation INTEGER NOT NULL," // 1..6
    " fact INTEGER NOT NULL,"      // 1..200
    " first INTEGER NOT NULL,"
    " second INTEGER NOT NULL,"
    " answer TEXT NOT NULL,"     // the right answer
    " outcome INTEGER NOT NULL," // 0 right, 1 wrong, 2 time-out
    " chosen TEXT,"              // the answer pressed; NULL for a time-out
    " millis INTEGER NOT NULL,"
    " auto_teach INTEGER NOT NULL,"
    " ranges INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL);"
    "CREATE INDEX answers_at ON answers(at_ms);"
    "CREATE INDEX answers_fact ON answers(operation, fact, at_ms, outcome, millis);"
    "CREATE TABLE settings(key TEXT PRIMARY KEY, value INTEGER NOT NULL);"};

Status statusOf(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return {};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Status::refuse(StatusCode::InUse);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_SCHEMA:
    case SQLITE_ERROR: // a table or column this program expects is not there
        return Status::refuse(StatusCode::Damaged);
    case SQLITE_FULL:
        return Status::fail(ENOSPC);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Status::fail(EACCES);
    default:
        return Status::fail(EIO);
    }
}

// One prepared statement, finalized when it goes.
class Stmt {
public:
    Stmt(sqlite3* db, const char* sql)
    {
        m_rc = sqlite3_prepare_v2(db, sql, -1, &m_s, nullptr);
        m_prepared = m_rc == SQLITE_OK;
    }
    ~Stmt() { sqlite3_finalize(m_s); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    // Prepared; rc() then tells how the last step went.
    bool ok() const { return m_prepared; }
    int rc() const { return m_rc; }
    void bind(int i, std::int64_t v) { sqlite3_bind_int64(m_s, i, v); }
    void bind(int i, std::string_view v)
    {
        sqlite3_bind_text(m_s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bindNull(int i) { sqlite3_bind_null(m_s, i); }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() { return m_rc = sqlite3_step(m_s); }
    // Ready to run again; every use binds each of its parameters anew (a NULL too).
    void reset() { sqlite3_reset(m_s); }
    std::int64_t i64(int col) const { return sqlite3_column_int64(m_s, col); }
    std::int16_t i16(int col) const { return static_cast<std::int16_t>(i64(col)); }
    std::string text(int col) const
    {
        const auto* t = sqlite3_column_text(m_s, col);
        return t == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(t));
    }

private:
    sqlite3_stmt* m_s = nullptr;
    int m_rc = SQLITE_OK;
    bool m_prepared = false;
};

int exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

constexpr const char* kColumns = "at_ms, drill_ms, operation, fact, first, second, answer, "
                                 "outcome, chosen, millis, auto_teach, ranges, seconds";

// The outcome column: 0 right, 2 timed out, anything else wrong.
AnswerOutcome outcomeOf(std::int64_t stored)
{
    return stored == 0   ? AnswerOutcome::Right
           : stored == 2 ? AnswerOutcome::TimeOut
                         : AnswerOutcome::Wrong;
}

AnswerRow rowOf(const Stmt& s)
{
    AnswerRow r;
    r.atMs = s.i64(0);
    r.drillMs = s.i64(1);
    r.operation = s.i16(2);
    r.fact = s.i16(3);
    r.first = s.i16(4);
    r.second = s.i16(5);
    r.answer = s.text(6);
    r.outcome = outcomeOf(s.i64(7));
    r.chosen = s.text(8);
    r.millis = static_cast<std::int32_t>(s.i64(9));
    r.autoTeach = s.i16(10);
    r.ranges = s.i16(11);
    r.seconds = s.i16(12);
    return r;
}

// SQLite's open() for every file it opens (a history, its journal, the folder for a flush),
// with what no write of a history may do: a file opened to be written is never reached through
// a symbolic link, never one that has a second name (a hard link: written in place, the other
// name, which may stand anywhere, would change with it), and in a group's folder it is the
// group's (see shareWithFolderGroup). SQLite takes a refusal as any failure to open.
int guardedOpen(const char* path, int flags, int mode)
{
    const bool writing = (flags & O_ACCMODE) != O_RDONLY;
    const int fd = ::open(path, writing ? flags | O_NOFOLLOW : flags, mode);
    if (fd < 0 || !writing) {
        return fd;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (st.st_nlink > 1) {
            ::close(fd);
            errno = EMLINK;
            return -1;
        }
        shareWithFolderGroup(fd, std::filesystem::path(path).parent_path());
    }
    return fd;
}

// Puts guardedOpen in the place of SQLite's open(), once, before the first database is opened
// (SQLite's unix VFS lets a program replace the system calls it makes).
void guardOpens()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        if (vfs != nullptr && vfs->iVersion >= 3 && vfs->xSetSystemCall != nullptr) {
            vfs->xSetSystemCall(vfs, "open", reinterpret_cast<sqlite3_syscall_ptr>(&guardedOpen));
        }
    });
}

std::filesystem::path journalOf(const std::filesystem::path& path)
{
    return std::filesystem::path(path.native() + "-journal");
}

// LinkOut when the history at path, or the journal beside it, is a link out of the folder or
// a file with a second name: SQLite writes both in place. (A link inside the folder is left
// to SQLite, which refuses links as it always has.)
Status linkedHistory(const std::filesystem::path& path)
{
    for (const auto& file : {path, journalOf(path)}) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0) {
            continue;
        }
        if (S_ISLNK(st.st_mode) && !followLinksWithin(file, file.parent_path())) {
            return Status::refuse(StatusCode::LinkOut);
        }
        if (S_ISREG(st.st_mode) && st.st_nlink > 1) {
            return Status::refuse(StatusCode::LinkOut);
        }
    }
    return {};
}

// Six letters or digits, as a temporary's name ends (see FileSystem::writeTemp).
std::string freshLetters()
{
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::string letters;
    for (int i = 0; i < 6; ++i) {
        letters += kLetters[device() % kLetters.size()];
    }
    return letters;
}

// Replaces the history at path, which this account may read but not write (another account
// made it before the folder was shared by a group), with a copy of its own: every page copied
// by SQLite's backup API into a fresh file beside it (its group's, see guardedOpen), which then
// takes its name in one rename. Only for a history nobody else writes meanwhile (the caller
// holds its pupil's lock), and not while a transaction another program left is to be rolled
// back (that needs the file's own writer). On failure the history stays as it was.
Status copyAfresh(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::exists(journalOf(path), ec) ||
        ::access(path.parent_path().c_str(), W_OK) != 0) {
        return Status::fail(EACCES);
    }
    std::filesystem::path temp = path;
    temp += ".tmp-" + hostName() + "-" + std::to_string(::getpid()) + "-" + freshLetters();
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    int rc =
        sqlite3_open_v2(path.c_str(), &from, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_open_v2(temp.c_str(), &to,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW,
                             nullptr);
    }
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(from, kBusyMs);
        // No journal for a file nobody reads yet: one left half written is swept as any
        // temporary is.
        rc = exec(to, "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL;");
    }
    if (rc == SQLITE_OK) {
        sqlite3_backup* copy = sqlite3_backup_init(to, "main", from, "main");
        rc = copy == nullptr ? sqlite3_errcode(to) : sqlite3_backup_step(copy, -1);
        const int finished = sqlite3_backup_finish(copy);
        rc = rc == SQLITE_DONE ? finished : rc == SQLITE_OK ? SQLITE_ERROR : rc;
    }
    if (const int closed = sqlite3_close(to); rc == SQLITE_OK) {
        rc = closed;
    }
    sqlite3_close(from);
    const Status copied = rc != SQLITE_OK                             ? statusOf(rc)
                          : ::rename(temp.c_str(), path.c_str()) != 0 ? Status::fail(errno)
                                                                      : Status();
    if (!copied) {
        std::filesystem::remove(temp, ec);
        return copied;
    }
    const int dir = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

// A commit cut short (a computer switched off, a program killed) leaves its journal behind,
// and a read-only connection cannot roll it back: every read would fail until the pupil's next
// answer. A reader then opens the file for writing (never making one) so that SQLite puts back
// the last committed state, as that next writer would; it reads read-only where it may not
// write.
bool hotJournalToRollBack(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::path journal = path.string() + "-journal";
    return std::filesystem::file_size(journal, ec) > 0 && !ec && linkedHistory(path).ok() &&
           ::access(path.c_str(), W_OK) == 0;
}

} // namespace

std::filesystem::path historyFileName(std::string_view trimmedName)
{
    const std::string stem = fileStemForName(trimmedName) + ".history.sqlite";
    return std::filesystem::path(std::u8string(stem.begin(), stem.end()));
}

std::filesystem::path removedHistoryFileName(std::string_view trimmedName, std::string_view day,
                                             int n)
{
    std::string stem = fileStemForName(trimmedName) + " (removed " + std::string(day);
    if (n > 1) {
        stem += ' ' + std::to_string(n);
    }
    stem += ").history.sqlite";
    return std::filesystem::path(std::u8string(stem.begin(), stem.end()));
}

HistoryDb::Opened HistoryDb::open(const std::filesystem::path& path, bool forWriting,
                                  bool mayCopyAfresh)
{
    guardOpens();
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    if (!forWriting && !existed) {
        return {nullptr, Status::refuse(StatusCode::Missing)};
    }
    if (forWriting) {
        if (const Status linked = linkedHistory(path); !linked) {
            return {nullptr, linked};
        }
    }
    sqlite3* raw = nullptr;
    const bool rollBack = !forWriting && hotJournalToRollBack(path);
    // A connection is used by one thread at a time (the writer's, or a window's): no mutex
    // around every call.
    const int flags = (forWriting ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                       : rollBack ? SQLITE_OPEN_READWRITE
                                  : SQLITE_OPEN_READONLY) |
                      SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    std::unique_ptr<HistoryDb> db(new HistoryDb(raw, path)); // closes raw whatever happens
    if (rc != SQLITE_OK) {
        const Status why = statusOf(rc);
        const int system = raw != nullptr ? sqlite3_system_errno(raw) : 0;
        if (const Status linked = linkedHistory(path); !linked) {
            return {nullptr, linked};
        }
        if (forWriting && !existed && ::access(path.parent_path().c_str(), W_OK) != 0) {
            return {nullptr, Status::fail(errno)}; // a folder this account cannot write
        }
        return {nullptr, why.code() == StatusCode::Damaged ? why : Status::fail(system)};
    }
    if (forWriting && sqlite3_db_readonly(raw, "main") == 1) {
        // SQLite could open it only to read: a link made meanwhile, or another account's file.
        db.reset();
        if (const Status linked = linkedHistory(path); !linked) {
            return {nullptr, linked};
        }
        if (mayCopyAfresh && copyAfresh(path)) {
            return open(path, true, false);
        }
        return {nullptr, Status::fail(EACCES)};
    }
    sqlite3_busy_timeout(raw, kBusyMs);
    // WAL would need shared memory, which a network share does not give; FULL syncs the
    // journal and the database at each commit.
    if (forWriting) {
        if (const int r = exec(raw, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
            r != SQLITE_OK) {
            return {nullptr, statusOf(r)};
        }
    }
    Stmt version(raw, "PRAGMA user_version");
    if (!version.ok() || version.step() != SQLITE_ROW) {
        return {nullptr, statusOf(version.rc())};
    }
    db->m_version = static_cast<int>(version.i64(0));
    if (db->m_version > kHistorySchema) {
        return {std::move(db), Status::refuse(StatusCode::Newer)};
    }
    if (forWriting && db->m_version < kHistorySchema) {
        if (const Status s = db->migrate(); !s) {
            if (!existed) { // a full disk: the empty file this call made goes again
                db.reset();
                std::filesystem::remove(path, ec);
                std::filesystem::remove(path.native() + "-journal", ec);
            }
            return {nullptr, s};
        }
    } else if (db->m_version < kHistorySchema) {
        return {nullptr, Status::refuse(StatusCode::Damaged)}; // nothing this program can read yet
    }
    return {std::move(db), {}};
}

HistoryDb::~HistoryDb()
{
    sqlite3_close_v2(m_db);
}

HistoryDb::ReadTogether::ReadTogether(HistoryDb& db)
{
    if (sqlite3_get_autocommit(db.m_db) != 0 && exec(db.m_db, "BEGIN") == SQLITE_OK) {
        m_db = db.m_db;
    }
}

HistoryDb::ReadTogether::~ReadTogether()
{
    if (m_db != nullptr) {
        exec(m_db, "COMMIT");
    }
}

Status HistoryDb::migrate()
{
    while (m_version < kHistorySchema) {
        const std::string sql = std::string("BEGIN IMMEDIATE;") +
                                kMigrations[static_cast<std::size_t>(m_version)] +
                                "PRAGMA user_version=" + std::to_string(m_version + 1) + ";COMMIT;";
        if (const int rc = exec(m_db, sql.c_str()); rc != SQLITE_OK) {
            exec(m_db, "ROLLBACK");
            return statusOf(rc);
        }
        ++m_version;
    }
    return {};
}

Status HistoryDb::append(std::span<const AnswerRow> rows)
{
    if (m_version != kHistorySchema) {
        return Status::refuse(StatusCode::Newer);
    }
    if (const int rc = exec(m_db, "BEGIN IMMEDIATE"); rc != SQLITE_OK) {
        return why(rc);
    }
    const std::string sql =
        std::string("INSERT INTO answers(") + kColumns + ") VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)";
    int rc = SQLITE_OK;
    {
        Stmt s(m_db, sql.c_str());
        rc = s.rc();
        for (const AnswerRow& r : rows) {
            if (!s.ok()) {
                break;
            }
            s.bind(1, r.atMs);
            s.bind(2, r.drillMs);
            s.bind(3, r.operation);
            s.bind(4, r.fact);
            s.bind(5, r.first);
            s.bind(6, r.second);
            s.bind(7, r.answer);
            s.bind(8, static_cast<std::int64_t>(r.outcome));
            if (r.outcome == AnswerOutcome::TimeOut) {
                s.bindNull(9);
            } else {
                s.bind(9, r.chosen);
            }
            s.bind(10, r.millis);
            s.bind(11, r.autoTeach);
            s.bind(12, r.ranges);
            s.bind(13, r.seconds);
            if ((rc = s.step()) != SQLITE_DONE) {
                break;
            }
            rc = SQLITE_OK;
            s.reset();
        }
    }
    if (rc == SQLITE_OK) {
        rc = exec(m_db, "COMMIT");
    }
    if (rc != SQLITE_OK) {
        exec(m_db, "ROLLBACK");
    }
    return why(rc);
}

Status HistoryDb::why(int rc) const
{
    const Status status = statusOf(rc);
    // A journal that SQLite could not open (a link planted in its place) is said as such.
    if (!status && status.code() != StatusCode::InUse) {
        if (const Status linked = linkedHistory(m_path); !linked) {
            return linked;
        }
    }
    return status;
}

std::optional<std::vector<AnswerRow>> HistoryDb::rows(int operation, std::int64_t sinceMs)
{
    const std::string sql = std::string("SELECT ") + kColumns +
                            // "+operation": the time index gives the order, no sorting
                            " FROM answers WHERE at_ms >= ?1 AND (?2 = 0 OR +operation = ?2)"
                            " ORDER BY at_ms, id";
    Stmt s(m_db, sql.c_str());
    s.bind(1, sinceMs);
    s.bind(2, operation);
    std::vector<AnswerRow> out;
    while (s.ok() && s.step() == SQLITE_ROW) {
        out.push_back(rowOf(s));
    }
    if (s.rc() != SQLITE_DONE) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<AnswerRow>> HistoryDb::figureRows(int operation, std::int64_t sinceMs)
{
    Stmt s(m_db, "SELECT at_ms, fact, first, second, outcome, millis,"
                 " CASE outcome WHEN 1 THEN chosen END"
                 " FROM answers WHERE at_ms >= ?1 AND +operation = ?2 ORDER BY at_ms, id");
    s.bind(1, sinceMs);
    s.bind(2, operation);
    std::vector<AnswerRow> out;
    // Counted in the time index alone, so that the rows are never moved as the vector grows.
    if (Stmt count(m_db, "SELECT COUNT(*) FROM answers WHERE at_ms >= ?"); count.ok()) {
        count.bind(1, sinceMs);
        if (count.step() == SQLITE_ROW) {
            out.reserve(static_cast<std::size_t>(count.i64(0)));
        }
    }
    while (s.ok() && s.step() == SQLITE_ROW) {
        AnswerRow& r = out.emplace_back();
        r.atMs = s.i64(0);
        r.operation = static_cast<std::int16_t>(operation);
        r.fact = s.i16(1);
        r.first = s.i16(2);
        r.second = s.i16(3);
        r.outcome = outcomeOf(s.i64(4));
        r.millis = static_cast<std::int32_t>(s.i64(5));
        r.chosen = s.text(6);
    }
    if (s.rc() != SQLITE_DONE) {
        return std::nullopt;
    }
    return out;
}

std::optional<HistoryDb::RecentByFact> HistoryDb::recent(int operation, int count, bool withNumbers)
{
    // Only what judging a fact needs, the outcome and the time of each answer, is in the index
    // answers_fact: without the numbers no row of the table itself is read.
    Stmt s(m_db, withNumbers
                     ? "SELECT outcome, millis, first, second FROM answers"
                       " WHERE operation = ? AND fact = ? ORDER BY at_ms DESC LIMIT ?"
                     : "SELECT outcome, millis FROM answers WHERE operation = ? AND fact = ?"
                       " ORDER BY at_ms DESC LIMIT ?");
    const ReadTogether together(*this);
    RecentByFact out;
    for (std::size_t fact = 1; fact < out.size() && s.ok(); ++fact) {
        s.bind(1, operation);
        s.bind(2, static_cast<std::int64_t>(fact));
        s.bind(3, count);
        while (s.step() == SQLITE_ROW) {
            AnswerRow r;
            r.operation = static_cast<std::int16_t>(operation);
            r.fact = static_cast<std::int16_t>(fact);
            r.outcome = outcomeOf(s.i64(0));
            r.millis = static_cast<std::int32_t>(s.i64(1));
            if (withNumbers) {
                r.first = s.i16(2);
                r.second = s.i16(3);
            }
            out[fact].push_back(std::move(r));
        }
        if (s.rc() != SQLITE_DONE) {
            return std::nullopt;
        }
        s.reset();
    }
    if (!s.ok()) {
        return std::nullopt;
    }
    return out;
}

std::optional<HistoryDb::Counts> HistoryDb::counts(std::int64_t fromMs, std::int64_t toMs)
{
    Stmt s(m_db, "SELECT COUNT(*), COALESCE(SUM(outcome = 0), 0), COALESCE(SUM(millis), 0)"
                 " FROM answers WHERE at_ms >= ? AND at_ms < ?");
    s.bind(1, fromMs);
    s.bind(2, toMs);
    if (!s.ok() || s.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return Counts{s.i64(0), s.i64(1), s.i64(2)};
}

std::optional<std::int64_t> HistoryDb::lastAnswerMs()
{
    Stmt s(m_db, "SELECT COALESCE(MAX(at_ms), 0) FROM answers");
    if (!s.ok() || s.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return s.i64(0);
}

std::optional<std::int64_t> HistoryDb::setting(std::string_view key)
{
    Stmt s(m_db, "SELECT value FROM settings WHERE key = ?");
    s.bind(1, key);
    if (!s.ok() || s.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return s.i64(0);
}

Status HistoryDb::setSetting(std::string_view key, std::int64_t value)
{
    if (m_version != kHistorySchema) {
        return Status::refuse(StatusCode::Newer);
    }
    Stmt s(m_db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)");
    s.bind(1, key);
    s.bind(2, value);
    return s.ok() ? statusOf(s.step()) : statusOf(s.rc());
}

Status moveHistory(const std::filesystem::path& from, const std::filesystem::path& to)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(from, ec)) {
        return Status::refuse(StatusCode::Missing);
    }
    if (fs::exists(to, ec) && !fs::equivalent(from, to, ec)) {
        return Status::refuse(StatusCode::NameTaken);
    }
    {
        // Opening for writing and reading once rolls back a transaction a crash left behind,
        // which removes its journal: the journal is named after the old file.
        auto opened = HistoryDb::open(from, true);
        if (opened.db) {
            static_cast<void>(opened.db->lastAnswerMs());
        } else if (opened.status.code() == StatusCode::InUse) {
            return opened.status;
        }
    }
    if (fs::exists(fs::path(from.native() + "-journal"), ec)) {
        return Status::refuse(StatusCode::InUse); // still in use by another program
    }
    fs::rename(from, to, ec);
    return ec ? Status::fail(ec.value()) : Status();
}

std::vector<AnswerRow> HistoryDb::salvage()
{
    // A damaged page ends a reading in one direction; read from both ends, every row before
    // the damage and every row after it is found. Rows keep the order of their ids.
    std::map<std::int64_t, AnswerRow> found;
    for (const char* order : {" ORDER BY id", " ORDER BY id DESC"}) {
        Stmt s(m_db, (std::string("SELECT ") + kColumns + ", id FROM answers" + order).c_str());
        while (s.ok() && s.step() == SQLITE_ROW) {
            found.try_emplace(s.i64(13), rowOf(s));
        }
    }
    std::vector<AnswerRow> out;
    out.reserve(found.size());
    for (auto& [id, row] : found) {
        out.push_back(std::move(row));
    }
    return out;
}

std::filesystem::path damagedHistoryName(const std::filesystem::path& path, std::string_view date,
                                         int n)
{
    // "Ann.history.sqlite": the stem keeps ".history", the new name ends in ".sqlite" again.
    // (Appended piece by piece: GCC 12 at -O3 wrongly warns about a literal joined to a
    // temporary.)
    std::string name = path.stem().string();
    name += ".damaged-";
    name += date;
    if (n > 1) {
        name += '-';
        name += std::to_string(n);
    }
    name += path.extension().string();
    return path.parent_path() / name;
}

std::vector<AnswerRow> salvageHistory(const std::filesystem::path& path)
{
    auto opened = HistoryDb::open(path, false);
    return opened.db ? opened.db->salvage() : std::vector<AnswerRow>{};
}

Result<std::size_t> setAsideHistory(const std::filesystem::path& path,
                                    const std::filesystem::path& aside)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(aside, ec) || fs::exists(aside.native() + "-journal", ec)) {
        return Status::refuse(StatusCode::NameTaken);
    }
    fs::rename(path, aside, ec);
    if (ec) {
        return Status::fail(ec.value());
    }
    // A journal belongs to its database: left behind, it would be rolled into the fresh one.
    if (fs::exists(path.native() + "-journal", ec)) {
        fs::rename(path.native() + "-journal", aside.native() + "-journal", ec);
    }
    const std::vector<AnswerRow> rows = salvageHistory(aside);
    auto fresh = HistoryDb::open(path, true);
    if (!fresh.db) {
        return fresh.status;
    }
    if (!rows.empty()) {
        if (const Status s = fresh.db->append(rows); !s) {
            return s;
        }
    }
    return rows.size();
}

} // namespace sb
