// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history on the real disk: the rows a drill leaves, a database that is locked,
// damaged or from a newer program, and the history following a pupil who is renamed or removed.

#include <grp.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>

#include "support/test_support.h"

namespace sb {
void PrintTo(const AnswerRow& r, std::ostream* os)
{
    *os << r.atMs << "/" << r.drillMs << " op" << r.operation << " fact" << r.fact << " " << r.first
        << "," << r.second << " =" << r.answer << " outcome" << static_cast<int>(r.outcome)
        << " chose '" << r.chosen << "' " << r.millis << "ms teach" << r.autoTeach << " ranges"
        << r.ranges << " seconds" << r.seconds;
}
} // namespace sb

namespace sb::test {
namespace {

namespace fs = std::filesystem;

// Another program's connection to the database at `path`, once it has run `sql`; closed when it
// goes.
using Connection = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
Connection connection(const Path& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    return {db, sqlite3_close};
}

// "Ann" drilling addition of 1..10 by 1..10, Smart Repeat off, a drill that never stops, fact 1
// (1 + 1: 2 on button 1, 3 and 4 on buttons 2 and 3) posed each time.
struct HistoryDrill : Drilling {
    HistoryDrill() : Drilling([](Drilling& d) { setName(d.p.cur(), "Ann"); }) {}
    Path file() const { return at("Ann.history.sqlite"); }
    std::vector<AnswerRow> rows() { return FlushAnswerHistory(p), historyRows(file()); }
    // An answer given while another program holds the write lock of `history`: it waits.
    void answerLockedOut(const Path& history, Event e, std::int64_t ms)
    {
        const Connection other = connection(history, "BEGIN EXCLUSIVE"); // its write lock
        answer(e, ms);
        FlushAnswerHistory(p);
    }
};

AnswerRow row(std::int64_t at, AnswerOutcome outcome, const char* chosen, std::int32_t millis)
{
    constexpr std::int64_t start = 1'780'000'000'000;
    return AnswerRow{start + at, start + 1500, 1,      1, 1,      1,   "2",
                     outcome,    chosen,       millis, 0, 1 << 1, 2046};
}

TEST(AnswerHistory, EveryCountedAnswerIsOneRowWithItsChoiceAndTime)
{
    HistoryDrill d;
    d.answer(Event::Right, 1500);
    std::swap(d.p.drill.wrongSlot1, d.p.drill.wrongSlot2); // the last button, 4
    d.answer(Event::Wrong, 2250);
    d.answer(Event::TimeOut, 10000);
    d.answer(Event::Right, 999);
    d.answer(Event::Right, -5000), d.answer(Event::Right, 86'400'001);
    // The pop-up's right answer is no answer of its own; the clock restarts with each problem.
    // A time counts from 0 (the clock set back meanwhile) up to a day (a computer that slept
    // with the problem up); the rows come in the order of their times.
    EXPECT_EQ(d.rows(),
              (std::vector<AnswerRow>{row(1500, AnswerOutcome::Right, "2", 1500),
                                      row(3750, AnswerOutcome::Wrong, "4", 2250),
                                      row(18750, AnswerOutcome::TimeOut, "", 10000),
                                      row(19749, AnswerOutcome::Right, "2", 0),
                                      row(24749, AnswerOutcome::Right, "2", 999),
                                      row(86'419'750, AnswerOutcome::Right, "2", 86'400'000)}));
    EXPECT_TRUE(d.p.main.notice.empty());
    EXPECT_FALSE(fs::exists(d.file().string() + "-journal"));
    // A new drill counts from its own first answer.
    d.mainForm.cPause_click(), d.mainForm.Reset_click();
    d.poseFactOne(), d.mainForm.start_click();
    d.answer(Event::Right, 1000);
    EXPECT_EQ(d.rows().back().drillMs, d.rows().back().atMs);
    // The next pupil's answers go to her own file, in a drill of her own, and as she saw the
    // problem: shown turned around (SwitchAB), with its fact (fact 1, made 1 + 5, shown 5 + 1).
    setName(d.p.cur(), "Bo");
    d.p.drill.current().second = 5;
    d.p.drill.posedTurnedAround = true;
    d.answer(Event::Right, 100);
    EXPECT_EQ(d.rows().size(), 7u);
    const auto bo = historyRows(d.at("Bo.history.sqlite"));
    ASSERT_EQ(bo.size(), 1u);
    EXPECT_EQ(ints(bo[0].first, bo[0].second, bo[0].fact, bo[0].drillMs == bo[0].atMs),
              ints(5, 1, 1, true));
    // Nobody's answers (a blank name) go nowhere, and no file is made for them.
    setName(d.p.cur(), "");
    d.answer(Event::Right, 100);
    EXPECT_EQ(filesIn(d.dir.path()),
              (std::set<std::string>{"Ann.history.sqlite", "Bo.history.sqlite", "Default.Xsx"}));
}

TEST(AnswerHistory, ALockedOrDamagedDatabaseNeverHoldsUpTheDrillAndLosesNoAnswer)
{
    HistoryDrill locked;
    locked.answer(Event::Right, 1500);
    FlushAnswerHistory(locked.p);
    locked.answerLockedOut(locked.file(), Event::Wrong, 2250);
    locked.answerLockedOut(locked.file(), Event::Right, 1000); // the first still waiting
    EXPECT_EQ(locked.p.main.notice,
              noticeOf({{MessageId::HistoryNotSaved, {"Ann.history.sqlite"}}}));
    // the next problem is posed
    EXPECT_EQ(ints(locked.p.drill.total, locked.p.main.timerEnabled), ints(3, true));
    locked.answer(Event::TimeOut, 10000); // the other program done
    EXPECT_EQ(locked.rows().size(), 4u);
    EXPECT_EQ(locked.rows()[2], row(9750, AnswerOutcome::Right, "2", 1000));
    EXPECT_TRUE(locked.p.main.notice.empty());

    // A damaged history is set aside as it is, under the day's name, and the answers go on
    // into a fresh one; the notice says where the old one is kept, and stays.
    HistoryDrill damaged;
    const Bytes junk(3000, 0x5A);
    writeBytes(damaged.file(), junk);
    damaged.answer(Event::Right, 1500);
    damaged.answer(Event::Right, 1500);
    EXPECT_EQ(damaged.rows().size(), 2u);
    EXPECT_EQ(readBytes(damaged.at("Ann.history.damaged-2026-05-28.sqlite")), junk);
    const Message setAside =
        noticeOf({{MessageId::HistorySetAside, {"Ann", "Ann.history.damaged-2026-05-28.sqlite"}}});
    EXPECT_EQ(damaged.p.main.notice, setAside);
    writeBytes(damaged.file(), junk); // the same day again: a second name
    damaged.answer(Event::Wrong, 1500);
    EXPECT_EQ(damaged.rows().size(), 1u);
    EXPECT_EQ(readBytes(damaged.at("Ann.history.damaged-2026-05-28-2.sqlite")), junk);
    EXPECT_EQ(damaged.p.main.notice.args.size(), 1u);
    HistoryWriter capped(2); // a history out of reach for long keeps its latest answers
    const Path away = damaged.at("Bo.history.sqlite");
    fs::create_directory(away);
    for (int i = 0; i < 3; ++i) {
        capped.submit(away, row(i, AnswerOutcome::Right, "2", 1000));
    }
    capped.settle();
    EXPECT_EQ(capped.waiting(away), 2u);
}

// What can still be read of a history damaged in the middle is kept: the rows before the
// damage and those after it, in their order, copied into a fresh history; the damaged file is
// kept beside it and never replaced.
TEST(AnswerHistory, ADamagedHistoryIsSetAsideWithEveryRowThatCanStillBeRead)
{
    TempDir dir;
    const Path path = dir.path() / "Ann.history.sqlite";
    std::vector<AnswerRow> all;
    for (int i = 0; i < 3000; ++i) {
        all.push_back(row(i, AnswerOutcome::Wrong, "23456789", i));
    }
    ASSERT_TRUE(HistoryDb::open(path, true).db->append(all));
    Bytes bytes = readBytes(path);
    std::fill_n(bytes.begin() + 12 * 4096, 3 * 4096, 0xA5); // three pages in the middle
    writeBytes(path, bytes);
    ASSERT_FALSE(HistoryDb::open(path, false).db->rows(0, 0)) << "damaged";

    const Path aside = damagedHistoryName(path, "2026-05-28");
    writeBytes(aside, {1});
    EXPECT_EQ(setAsideHistory(path, aside).status(), Status::refuse(StatusCode::NameTaken));
    EXPECT_EQ(readBytes(path), bytes) << "never over another file";
    fs::remove(aside);
    const auto copied = setAsideHistory(path, aside);
    ASSERT_TRUE(copied);
    EXPECT_EQ(readBytes(aside), bytes);
    const auto kept = historyRows(path);
    EXPECT_EQ(kept.size(), *copied);
    ASSERT_TRUE(kept.size() > 100 && kept.size() < all.size()) << kept.size();
    EXPECT_EQ(ints(kept.front().millis, kept.back().millis), ints(0, 2999)) << "first, last";
    for (const AnswerRow& r : kept) { // row i took i milliseconds: each as it was
        EXPECT_EQ(r, all.at(static_cast<std::size_t>(r.millis)));
    }
    EXPECT_TRUE(std::ranges::is_sorted(kept, {}, &AnswerRow::millis));
}

// A reading holds the file's lock while it reads, and never after: the writer's answers wait
// for it (and are kept), then go in. A commit cut short leaves its journal hot: a reader (the
// teacher's Progress, the overview) still reads every committed answer, the cut one rolled
// back, where the folder lets it.
TEST(AnswerHistory, AReaderHoldsTheFileOnlyWhileItReadsAndRollsBackACommitCutShort)
{
    const auto openFiles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    const auto filesBefore = openFiles();
    TempDir dir, copy;
    const Path path = dir.path() / "Ann.history.sqlite";
    auto writer = HistoryDb::open(path, true);
    ASSERT_EQ(writer.db->append(std::vector{row(0, AnswerOutcome::Right, "2", 900)}), Status());
    const std::vector later{row(1, AnswerOutcome::Wrong, "3", 1)};
    auto reader = HistoryDb::open(path, false);
    {
        const HistoryDb::ReadTogether together(*reader.db);
        const HistoryDb::ReadTogether nested(*reader.db);
        ASSERT_TRUE(reader.db->lastAnswerMs());
        const auto asked = std::chrono::steady_clock::now();
        EXPECT_EQ(writer.db->append(later), Status::refuse(StatusCode::InUse));
        EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(35))
            << "after waiting a moment for the reader";
        EXPECT_EQ(reader.db->recent(1, 5)->at(1).size(), 1u) << "one state of the file";
    }
    EXPECT_EQ(writer.db->append(later), Status());
    EXPECT_EQ(reader.db->recent(1, 5)->at(1).size(), 2u);
    writer.db.reset(), reader.db.reset();
    EXPECT_EQ(openFiles(), filesBefore) << "a database let go is closed";

    // A transaction too big for its cache writes into the file before its commit: the state
    // a computer switched off mid-commit leaves, copied with its journal.
    Connection db = connection(
        path, "PRAGMA cache_size=1; BEGIN; CREATE TABLE cut(x);"
              " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
              " INSERT INTO cut SELECT randomblob(500) FROM n;");
    for (const char* name : {"Ann.history.sqlite", "Ann.history.sqlite-journal"}) {
        fs::copy_file(dir.path() / name, copy.path() / name);
    }
    db.reset();
    auto opened = HistoryDb::open(copy.path() / "Ann.history.sqlite", false);
    ASSERT_TRUE(opened.db) << "read only, the journal left makes the file unreadable";
    EXPECT_EQ(opened.db->rows(0, 0).value_or(std::vector<AnswerRow>{}).size(), 2u);
}

// Another account's history, which this account may read but not write, becomes a copy of its
// own with every answer in it, and nothing else is left beside it. Not while the folder is not
// this account's to write, nor while a journal waits for the file's own writer: refused, as it was.
TEST(AnswerHistory, AnotherAccountsHistoryIsCopiedAfreshOnlyWhereThatIsSafe)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as a second account";
    }
    TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    const Path path = dir.path() / "Ann.history.sqlite";
    const std::vector answers{row(0, AnswerOutcome::Right, "2", 900),
                              row(1, AnswerOutcome::Wrong, "3", 1)};
    ASSERT_EQ(HistoryDb::open(path, true).db->append(answers), Status());
    const std::vector later{row(2, AnswerOutcome::Right, "2", 800)};
    const auto openAsNobody = [&] { // the error number, 0 when it opened and took more answers
        const pid_t child = ::fork();
        if (child == 0) {
            const bool as =
                ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
            const HistoryDb::Opened opened = HistoryDb::open(path, true, true);
            ::_exit(!as                        ? 100
                    : !opened.db               ? opened.status.error()
                    : opened.db->append(later) ? 0
                                               : 101);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(openAsNobody(), EACCES) << "a folder only root may write";
    fs::permissions(dir.path(), fs::perms(0777));
    std::ofstream(path.native() + "-journal").put('x');
    EXPECT_EQ(openAsNobody(), EACCES) << "a journal to roll back";
    fs::remove(path.native() + "-journal");
    EXPECT_EQ(openAsNobody(), 0);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    std::vector all = answers; // copied, and then written to as the account's own
    all.insert(all.end(), later.begin(), later.end());
    EXPECT_EQ(ints(st.st_uid, historyRows(path) == all), ints(65534, true));
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"Ann.history.sqlite"});
}

TEST(AnswerHistory, OpeningFindsTheSchemaAndBringsAnOlderOneUpToDate)
{
    TempDir dir;
    // A database another program made by running `sql`.
    const auto made = [&](const char* name, const char* sql) {
        const Path path = dir.path() / name;
        connection(path, sql); // closed at once
        return path;
    };
    const Path empty = dir.path() / "empty";
    writeBytes(empty, {});
    const Path junk = dir.path() / "junk";
    writeBytes(junk, Bytes(100, 'x'));
    fs::create_directory(dir.path() / "folder");
    const Status damaged = Status::refuse(StatusCode::Damaged),
                 newer = Status::refuse(StatusCode::Newer);
    // what, the file, opened for writing, the status and the schema version found (-1: none)
    const std::vector<std::tuple<const char*, Path, bool, Status, int>> cases{
        {"an empty file is made a database", empty, true, {}, kHistorySchema},
        {"version 0 is not read", made("v0", "CREATE TABLE t(x)"), false, damaged, -1},
        {"version 0 is migrated", dir.path() / "v0", true, {}, kHistorySchema},
        {"a newer one is read", made("v9", "PRAGMA user_version=9"), false, newer, 9},
        {"a newer one is not changed", dir.path() / "v9", true, newer, 9},
        {"junk", junk, true, damaged, -1},
        {"nothing there, reading", dir.path() / "none", false, Status::refuse(StatusCode::Missing),
         -1},
        {"no folder, writing", dir.path() / "no" / "db", true, Status::fail(ENOENT), -1},
        {"a folder in its place", dir.path() / "folder", false, Status::fail(EISDIR), -1}};
    for (const auto& [name, path, forWriting, status, version] : cases) {
        SCOPED_TRACE(name);
        auto opened = HistoryDb::open(path, forWriting);
        EXPECT_EQ(opened.status, status);
        EXPECT_EQ(opened.db ? opened.db->schemaVersion() : -1, version);
        if (opened.db && status == newer) {
            EXPECT_EQ(opened.db->append(std::vector<AnswerRow>(1)), newer);
        }
    }
    EXPECT_EQ(readBytes(junk), Bytes(100, 'x'));
    EXPECT_FALSE(fs::exists(dir.path() / "none"));
    // Every field of a row comes back from the column it went to.
    const AnswerRow all{1, 2, 3, 4, 5, 6, "7", AnswerOutcome::Wrong, "8", 9, 1, 10, 11};
    auto fresh = HistoryDb::open(dir.path() / "fresh", true);
    ASSERT_EQ(fresh.db->append(std::vector{all}), Status());
    EXPECT_EQ(fresh.db->rows(0, 0), std::vector{all});
}

TEST(AnswerHistory, RenameAndRemoveTakeTheHistoryAndItsWaitingAnswersWithThePupilNothingDeleted)
{
    HistoryDrill d;
    d.answer(Event::Right, 1500);
    FlushAnswerHistory(d.p);
    d.answerLockedOut(d.file(), Event::Wrong, 1500); // waiting for Ann's file
    // A pupil already called Bob keeps his history: nothing moves.
    writeBytes(d.at("Bob.history.sqlite"), {});
    EXPECT_EQ(RenameHistory(d.p, "Ann", "Bob"), Status::refuse(StatusCode::NameTaken));
    EXPECT_TRUE(fs::exists(d.file()));

    EXPECT_FALSE(d.p.main.notice.empty());
    EXPECT_EQ(RenameHistory(d.p, "Ann", "Ann Lee"), Status());
    EXPECT_TRUE(d.p.main.notice.empty()) << "nothing waits under the old name";
    setName(d.p.cur(), "Ann Lee");
    FlushAnswerHistory(d.p);
    EXPECT_FALSE(fs::exists(d.file()));
    EXPECT_EQ(historyRows(d.at("Ann Lee.history.sqlite")).size(), 2u)
        << "the waiting answer went along";
    EXPECT_TRUE(d.p.main.notice.empty());
    EXPECT_EQ(RenameHistory(d.p, "Cy", "Dee"), Status::refuse(StatusCode::Missing));

    d.answerLockedOut(d.at("Ann Lee.history.sqlite"), Event::Wrong, 1500);
    EXPECT_FALSE(d.p.main.notice.empty());
    // Removed, she leaves her history and the answer still waiting for it aside under the
    // day's name; the next pupil of her name starts afresh, and is set aside beside her.
    d.clock.offset = 4 * 3600; // already the 29th there
    EXPECT_EQ(SetAsideHistory(d.p, "Ann Lee"), Status());
    EXPECT_TRUE(d.p.main.notice.empty());
    EXPECT_EQ(SetAsideHistory(d.p, "Ann Lee"), Status::refuse(StatusCode::Missing));
    d.answer(Event::Right, 1500), FlushAnswerHistory(d.p);
    EXPECT_EQ(historyRows(d.at("Ann Lee.history.sqlite")).size(), 1u)
        << "in a history made afresh, not in the one set aside";
    d.clock.ms = 1'780'084'790'000; // 23:59:50 there: the same day
    ASSERT_EQ(SetAsideHistory(d.p, "Ann Lee"), Status());
    EXPECT_EQ(
        filesIn(d.dir.path()),
        (std::set<std::string>{"Bob.history.sqlite", "Ann Lee (removed 2026-05-29).history.sqlite",
                               "Ann Lee (removed 2026-05-29 2).history.sqlite"}));
    EXPECT_EQ(historyRows(d.at("Ann Lee (removed 2026-05-29).history.sqlite")).size(), 3u);
}

} // namespace
} // namespace sb::test
