// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/status.h"

struct sqlite3;

namespace sb {

// How an answer ended.
enum class AnswerOutcome : std::int16_t { Right = 0, Wrong = 1, TimeOut = 2 };

// One counted answer, as a pupil's answer history keeps it.
struct AnswerRow {
    std::int64_t atMs = 0;      // when it was given, milliseconds since 1970-01-01 UTC
    std::int64_t drillMs = 0;   // atMs of the first answer of its drill: names the drill
    std::int16_t operation = 0; // 1..6
    std::int16_t fact = 0;      // fact index 1..200: (second - 1) * 20 + first-number column
    std::int16_t first = 0;     // the two numbers as posed
    std::int16_t second = 0;
    std::string answer; // the right answer as the buttons show it ("54", "7 R 2")
    AnswerOutcome outcome = AnswerOutcome::Right;
    std::string chosen;         // the answer pressed (the right one too); empty for a time-out
    std::int32_t millis = 0;    // from the problem being shown to the answer
    std::int16_t autoTeach = 0; // Auto Teach on (1) or off (0) when it was given
    std::int16_t ranges = 0;    // first-number ranges selected then: bit r for range r (1..4)
    std::int16_t seconds = 0;   // second numbers selected then: bit n for n (1..10)

    bool operator==(const AnswerRow&) const = default;
};

// The history file of the pupil with this (trimmed) name: the name made safe as for the fact
// file, followed by ".history.sqlite".
std::filesystem::path historyFileName(std::string_view trimmedName);
// Where the answer history of a pupil removed on day ("2026-12-08", local) is set aside, the
// n-th of that name and day: "Zoë (removed 2026-12-08).history.sqlite", "... 2026-12-08 2)...".
// Longer than any pupil's name, so no pupil added later takes it for hers.
std::filesystem::path removedHistoryFileName(std::string_view trimmedName, std::string_view day,
                                             int n);

// What a call on a history database found is a Status: ok, or Missing (no database there,
// and none was to be made), InUse (another program holds it locked; try again later), Damaged
// (the file is not a database this program can use), Newer (made by a newer program: readable,
// never written), NameTaken (a move onto another history), or the system's refusal (a
// read-only folder, a full disk, no permission).

// The schema version this program writes; older databases are brought up to it when opened
// for writing.
inline constexpr int kHistorySchema = 1;

// One pupil's answer history: an SQLite database of one table of answers, written with
// journal_mode DELETE and synchronous FULL, so that it is safe on a network share and a
// committed answer survives a power cut. Every call reports what happened; none throws. Not
// copyable; closing happens when it goes.
class HistoryDb {
public:
    // Opens the database at path. forWriting makes it when missing and brings an older
    // schema up to date, each step in one transaction; otherwise a missing file is Missing
    // and nothing is made (but a commit cut short is rolled back where this account may write
    // the file, as its next writer would, so that it can be read). Written, a history is never
    // reached through a link out of its folder nor written in place through a second name (a hard
    // link), its journal neither: LinkOut, the files left as they are. In a group-writable folder
    // every file SQLite makes is the group's (see shareWithFolderGroup). A history this account may
    // only read (made by another account before the folder was shared by a group) is, with
    // mayCopyAfresh (the caller holds its pupil's lock: nobody else writes it), replaced by a copy
    // of its own with every answer in it; without, it is refused (EACCES).
    struct Opened;
    static Opened open(const std::filesystem::path& path, bool forWriting,
                       bool mayCopyAfresh = false);
    ~HistoryDb();
    HistoryDb(const HistoryDb&) = delete;
    HistoryDb& operator=(const HistoryDb&) = delete;

    // Adds the rows in one transaction: all of them or none.
    [[nodiscard]] Status append(std::span<const AnswerRow> rows);

    // Every answer of operation (0: of every operation) given at or after sinceMs, oldest
    // first. Nothing when the database cannot be read.
    [[nodiscard]] std::optional<std::vector<AnswerRow>> rows(int operation, std::int64_t sinceMs);

    // The same answers with only what the Progress window's figures are made of: when, the
    // fact and its two numbers, the outcome, the time, and the answer chosen when it was wrong
    // (the other fields are left empty). Reading less, it reads a long history in half the time.
    [[nodiscard]] std::optional<std::vector<AnswerRow>> figureRows(int operation,
                                                                   std::int64_t sinceMs);

    // The outcome and time of the last `count` answers of each fact 1..200 of operation, newest
    // first; withNumbers adds the two numbers as posed (the other fields are left empty).
    using RecentByFact = std::array<std::vector<AnswerRow>, 201>;
    [[nodiscard]] std::optional<RecentByFact> recent(int operation, int count,
                                                     bool withNumbers = false);

    // Answers given in [fromMs, toMs) and how many of them were right.
    struct Counts {
        std::int64_t answers = 0;
        std::int64_t right = 0;
        std::int64_t millis = 0; // their times added up
    };
    [[nodiscard]] std::optional<Counts> counts(std::int64_t fromMs, std::int64_t toMs);
    // When the last answer was given; 0 when there is none.
    [[nodiscard]] std::optional<std::int64_t> lastAnswerMs();

    // A whole-number setting kept with the history (the fluency threshold, for one).
    [[nodiscard]] std::optional<std::int64_t> setting(std::string_view key);
    [[nodiscard]] Status setSetting(std::string_view key, std::int64_t value);

    int schemaVersion() const { return m_version; }

    // What salvageHistory reads from this database.
    [[nodiscard]] std::vector<AnswerRow> salvage();

    // While one lives, the calls on its database see one state of it and take SQLite's file
    // locks once, not once each: a reading of many calls (a fact-by-fact read makes 200) then
    // costs the disk's locking and checks once. Nested ones do nothing.
    class ReadTogether {
    public:
        explicit ReadTogether(HistoryDb& db);
        ~ReadTogether();
        ReadTogether(const ReadTogether&) = delete;
        ReadTogether& operator=(const ReadTogether&) = delete;

    private:
        sqlite3* m_db = nullptr; // set when this one began the transaction
    };

private:
    HistoryDb(sqlite3* db, std::filesystem::path path) : m_db(db), m_path(std::move(path)) {}
    Status migrate();
    // What SQLite's code rc stands for, a link in the history's place said as LinkOut.
    Status why(int rc) const;
    sqlite3* m_db;
    std::filesystem::path m_path;
    int m_version = 0;
};

struct HistoryDb::Opened {
    std::unique_ptr<HistoryDb> db; // set exactly when status is ok or Newer
    Status status = Status::fail(0);
};

// Carries a pupil's history to a new name: the database at from is moved to to. A move never
// replaces a history already at to (both stay; the answer is NameTaken), and an interrupted
// transaction left at from is rolled back first so that its journal is not left behind.
// Missing when there is nothing at from.
[[nodiscard]] Status moveHistory(const std::filesystem::path& from,
                                 const std::filesystem::path& to);

// The name a damaged history at path is kept under, beside it: "Ann.history.sqlite" set aside
// on 2026-12-08 becomes "Ann.history.damaged-2026-12-08.sqlite", the n-th of that day (n > 1)
// "Ann.history.damaged-2026-12-08-n.sqlite".
std::filesystem::path damagedHistoryName(const std::filesystem::path& path, std::string_view date,
                                         int n = 1);

// Every answer that can still be read from the history at path, which may be damaged, in the
// order they were added: read from the first row until damage stops the reading, and from the
// last row back to the damage. None when not even its table can be read.
std::vector<AnswerRow> salvageHistory(const std::filesystem::path& path);

// Sets the damaged history at path aside: it is moved to aside (never over a file there; its
// journal goes with it) and a fresh history is made at path holding every answer that could
// still be read from it. Answers how many were copied. Nothing is lost whatever fails: when
// the move fails nothing changed, and when the fresh history cannot be made or filled the
// answers are still in the file set aside.
[[nodiscard]] Result<std::size_t> setAsideHistory(const std::filesystem::path& path,
                                                  const std::filesystem::path& aside);

} // namespace sb
