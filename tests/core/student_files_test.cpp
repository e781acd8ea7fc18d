// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's fact file and the student file "StdDat.Xrx", against bytes written by hand and
// the files in tests/data.

#include <sys/stat.h>

#include "students/fact_file.h"
#include "students/record_files.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

namespace fs = std::filesystem;

// A program whose pupil is Ann, with the original defaults and saveLevel on.
struct Ann : OwnFaultyFiles, ProgramFixture {
    Ann() : ProgramFixture(random, files)
    {
        load();
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = 1;
    }
    std::vector<std::string> open() { return OpenStudentFile(students, p.run.shownPupil); }
    auto open(const Bytes& b) { return writeBytes(at("StdDat.Xrx"), b), open(); }
    Bytes file() const { return readBytes(at("StdDat.Xrx")); }
    ScriptedRandom random; // reading a fact file draws nothing
    StudentFile students{dataDirOf(p)};
};

TEST(FactFile, OnlyAutoTeachOnOrSaveLevelTouchesTheDiskAndAnUnreadFileIsNeverWrittenOver)
{
    const std::vector<std::array<std::int16_t, 2>> rows{{2, 0}, {1, 0}, {0, -1}};
    for (const auto& [autoTeach, saveLevel] : rows) {
        const bool on = autoTeach == 1 || saveLevel != 0;
        Ann t;
        t.p.cur().autoTeach = autoTeach;
        t.p.cur().saveLevel() = saveLevel;
        writeBytes(t.at("Ann.Xtx"), Bytes(4800, 0x11));
        t.files.calls = 0;
        t.p.run.drillResumable = 7;
        ReadFactFile(t.p);
        EXPECT_EQ(t.p.run.drillResumable, on ? 1 : 7) << autoTeach << " " << saveLevel;
        EXPECT_TRUE(WriteFactFile(t.p));
        EXPECT_EQ(ints(readBytes(t.at("Ann.Xtx")) == Bytes(4800, 0x11), t.files.calls == 0),
                  ints(!on, !on));
    }
    Ann pupil;
    pupil.p.run.drillResumable = 1;
    ReadFactFile(pupil.p);
    EXPECT_EQ(pupil.p.run.drillResumable, 0) << "a pupil without a fact file";
    // A fact file that is there but cannot be read: the run starts from scratch, the file is
    // never written over and the notice says so.
    pupil.p.cur().loadOnStart = 1;
    ASSERT_TRUE(pupil.mainForm.close_request()); // start-up will choose Ann
    const Bytes stored(4800, 0x11);
    writeBytes(pupil.at("Ann.Xtx"), stored);
    Program next{pupil.services};
    pupil.files.unreadable = {"Ann.Xtx"};
    MainForm(next).load();
    next.run.drillResumable = 1;
    ReadFactFile(next);
    EXPECT_EQ(next.run.drillResumable, 0) << "nothing of hers to go on with";
    pupil.files.unreadable.clear();
    ASSERT_EQ(trimmedName(next.cur()), "Ann");
    EXPECT_EQ(next.main.notice, noticeOf({{MessageId::ResultsNotRead, {"Ann.Xtx"}}}));
    EXPECT_FALSE(MainForm(next).close_request());
    EXPECT_EQ(readBytes(pupil.at("Ann.Xtx")), stored);
    EXPECT_EQ(next.main.notice, noticeOf({{MessageId::ResultsKept, {"Ann.Xtx"}}}));
    ReadFactFile(next); // readable again (Student Data's OK reads it): saved as any other
    EXPECT_EQ(ints(next.run.drillResumable, next.main.notice.empty()), ints(1, true));
    EXPECT_TRUE(WriteFactFile(next));
}

// Answers reach the pupil's files as she goes: at most a minute after they were given, at
// Pause and at the end of a drill, so that a crash or a pulled plug loses little.
TEST(FactFile, AnswersAreSavedWithinAMinuteAtPauseAndAtTheEndOfADrill)
{
    using namespace std::chrono_literals;
    Drilling d([](Drilling& t) {
        setName(t.p.cur(), "Ann");
        t.p.cur().saveLevel() = 1;
        t.p.cur().stopOn = 2; // three problems
        t.p.cur().maxProblems() = 3;
    });
    const auto saved = [&] {
        return ints(answersIn(d.at("Ann.Xtx")), fs::exists(d.at("Default.Xsx")));
    };
    d.answer(Event::Right);
    d.clock.sleepFor(kUnsavedAtMost - kLockRefreshEvery - 1ms);
    d.mainForm.locks_tick();
    EXPECT_EQ(saved(), ints(-1, false)) << "the next tick comes in time";
    d.clock.sleepFor(1ms);
    d.mainForm.locks_tick();
    EXPECT_EQ(saved(), ints(1, true));
    fs::remove(d.at("Default.Xsx"));
    d.clock.sleepFor(kUnsavedAtMost);
    d.mainForm.locks_tick();
    EXPECT_EQ(saved(), ints(1, false)) << "nothing new, nothing written";
    d.answer(Event::Right);
    d.mainForm.cPause_click();
    EXPECT_EQ(saved(), ints(2, true));
    d.poseFactOne(), d.mainForm.start_click();
    d.answer(Event::Wrong);
    EXPECT_FALSE(d.p.main.pauseEnabled) << "the drill ended";
    EXPECT_EQ(saved(), ints(3, true));
    // The lock timer writes her fact file again only when its own save failed.
    fs::remove(d.at("Ann.Xtx"));
    noteFile(d.p, {d.at("Default.Xsx"), FileOutcome::Action::Save, Status::fail(EIO)});
    d.mainForm.locks_tick();
    EXPECT_EQ(answersIn(d.at("Ann.Xtx")), -1) << "another file's trouble";
    noteFile(d.p, {d.at("Ann.Xtx"), FileOutcome::Action::Save, Status::fail(EIO)});
    d.mainForm.locks_tick();
    EXPECT_EQ(answersIn(d.at("Ann.Xtx")), 3);
}

TEST(FactFile, PupilNamesBecomeFileNamesInsideTheDataDirectory)
{
    // 0x81 is undefined in Windows-1252; 0x8A, 0x8C, 0x9E and 0x9F are letters outside Latin-1.
    const std::vector<std::pair<std::string, std::string>> rows{
        {"../../x", "..%2F..%2Fx.Xtx"},
        {"a/b", "a%2Fb.Xtx"},
        {"a\\b", "a%5Cb.Xtx"},
        {"..", "...Xtx"},
        {"CON", "%43ON.Xtx"},
        {"Com1.txt", "%43om1.txt.Xtx"},
        {"con .x", "%63on .x.Xtx"},
        {"aux", "%61ux.Xtx"},
        {"lpt9", "%6Cpt9.Xtx"},
        {"com0", "%63om0.Xtx"},
        {"COM", "COM.Xtx"},
        {"LPT10", "LPT10.Xtx"},
        {"Comb", "Comb.Xtx"},
        {"lpt\xB9", "%6Cpt\xC2\xB9.Xtx"},
        {"50%", "50%.Xtx"},
        {"%41", "%2541.Xtx"},
        {"%09%AF%af", "%2509%25AF%25af.Xtx"},
        {"%4g%g1", "%4g%g1.Xtx"},
        {"x%4", "x%4.Xtx"},
        {"x\x81", "x%81.Xtx"},
        {"\x8A\xE1rka \x8C\x9E\x9F", "\u0160\u00E1rka \u0152\u017E\u0178.Xtx"}};
    for (const auto& [name, file] : rows) {
        Ann t;
        t.services.dataDir = t.dir.path() / "data";
        fs::create_directories(t.services.dataDir);
        setName(t.p.cur(), name);
        ASSERT_TRUE(WriteFactFile(t.p));
        EXPECT_EQ(filesIn(t.services.dataDir), std::set<std::string>{file}) << name;
        EXPECT_EQ(filesIn(t.dir.path()), std::set<std::string>{"data"});
        ReadFactFile(t.p);
        EXPECT_EQ(t.p.run.drillResumable, 1) << "the same name finds the same file";
    }
}

// Impossible second numbers take their row: 300 and -1 would index past the per-number
// statistics, 0 is a table never built. A cut file keeps its whole records and builds the rest
// for the current settings without a random draw (a DivR table would draw one per fact).
TEST(FactFile, DamagedRecordsAreRepairedAndACutFileIsCompletedWithoutRandomDraws)
{
    Ann t;
    Bytes bad = readBytes(Path(SUMBLITZ_TEST_DATA) / "facts_ann_bad_second.Xtx");
    bad[8 * 24 + 2] = 0;
    bad[9 * 24 + 2] = 10;
    bad[20 * 24 + 2] = 11;
    writeBytes(t.at("Ann.Xtx"), bad);
    ReadFactFile(t.p);
    for (const auto& [k, second] : {std::pair{7, 1}, {8, 1}, {9, 0}, {10, 10}, {21, 2}}) {
        EXPECT_EQ(t.p.drill.fact(k).second, second) << "fact " << k;
    }

    t.p.cur().operation = OpDivR;
    Bytes cut(10 * 24 + 10, 0);
    cut[9 * 24 + 14] = 7; // record 10: state 7, kept as read
    writeBytes(t.at("Ann.Xtx"), cut);
    ReadFactFile(t.p);
    EXPECT_EQ(t.p.drill.fact(10).state, 7);
    EXPECT_EQ(t.p.drill.fact(11), (FactRec{11, 1, 11, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(t.p.drill.fact(181).state, 1) << "pooled as Start would";
    EXPECT_EQ(ints(t.p.drill.fact(200).first, t.p.drill.factCount), ints(200, 200));
}

// Two damaged bytes must not hide or drop a class: a count below 0, above the slots held, or one
// that leaves named pupils after it is repaired from the slots themselves, and the file says so.
// Whole slots only are read; slots named as the window's fixed entries after the count are no
// pupils of their own.
TEST(StudentFile, BlankSlotsAreCountedNotListedAndADamagedCountIsRepairedFromTheSlots)
{
    // A pupil named as a fixed entry is one when the count takes her in, left out when not.
    const std::vector<HandSlot> pupils{markedSlot("Ann", 4), markedSlot("Untitled", 5),
                                       markedSlot("Cy", 6)};
    // what, the count, the bytes kept of the file, the pupils listed, whether it was repaired
    const std::vector<std::tuple<const char*, int, std::size_t, std::vector<std::string>, bool>>
        rows{{"count as it should be", 3, 4 * 208, {"Ann", "Untitled", "Cy"}, false},
             {"negative count", -2, 4 * 208, {"Ann", "Cy"}, true},
             {"count below the named slots", 1, 4 * 208, {"Ann", "Cy"}, true},
             {"count one below the last named slot", 2, 4 * 208, {"Ann", "Untitled", "Cy"}, true},
             {"count above the whole slots", 4, 3 * 208 + 100, {"Ann", "Untitled"}, true},
             {"count 0 and a default slot after it", 0, 208, {}, false}};
    for (const auto& [what, count, cutTo, listed, repaired] : rows) {
        SCOPED_TRACE(what);
        Ann t;
        Bytes bytes = concat({markedSlot("X", 1, count), pupils[0], pupils[1], pupils[2]});
        bytes.resize(cutTo);
        if (count == 0) {
            bytes = concat({markedSlot("X", 1, 0), markedSlot("Default", 1)});
        }
        EXPECT_EQ(t.open(bytes), listed);
        const std::size_t n = listed.size();
        EXPECT_EQ(ints(t.students.repaired(), t.students.studentCount()), ints(repaired, n));
        ASSERT_TRUE(RewriteStudentFile(t.students, listed, {}, t.p.settings.defaultSettings).ok());
        EXPECT_EQ(ints(i16At(t.file(), 0), t.file().size()), ints(n, (n + 1) * 208));
    }
    Ann blankAfter; // a blank slot after the counted ones is no damage
    EXPECT_EQ(blankAfter.open(concat({markedSlot("X", 1, 1), pupils[0], markedSlot("", 1)})),
              std::vector<std::string>{"Ann"});
    EXPECT_FALSE(blankAfter.students.repaired());
    blankAfter.students.dropEntry(); // Ann removed, and once more: the count stays at 0
    blankAfter.students.dropEntry();
    EXPECT_EQ(blankAfter.students.studentCount(), 0);
    Ann later; // an opening that reads nothing repairs nothing, whatever the one before did
    static_cast<void>(later.open(concat({markedSlot("X", 1, -2), pupils[0]})));
    later.files.failRead = true;
    static_cast<void>(later.open());
    EXPECT_FALSE(later.students.repaired());
    // Blank-named slots are counted but not listed, and an append goes after them all.
    Ann t;
    EXPECT_EQ(t.open(concat({markedSlot("Whoever", 1, 4), markedSlot("  Ann ", 4),
                             markedSlot("    ", 5), markedSlot("Bob", 6), markedSlot("Cy", 3)})),
              (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(ints(FindStudentInFile(t.students, " Cy").value_or(-1),
                   FindStudentInFile(t.students, "cy").value_or(-1),
                   ReadStudent(t.students, 3)->operation, t.students.repaired()),
              ints(4, -1, 6, false));
    EXPECT_FALSE(ReadStudent(t.students, 0)) << "slot 1 is the header, no pupil";
    ASSERT_TRUE(AppendStudent(t.students, originalDefaults("Maximilian Alexander Huber")).ok());
    ASSERT_EQ(ints(t.students.studentCount(), t.file().size()), ints(4, 6 * 208));
    EXPECT_EQ(fieldsOf(t.file(), 6), fieldsOf(concat({markedSlot("Maximilian Alexander", 1)}), 1));
    EXPECT_EQ(i16At(t.file(), 0), 4) << "the header counts only at the next rebuild";
    EXPECT_TRUE(t.open(Bytes(100, 1)).empty()); // too short for a header: started anew
    EXPECT_EQ(ints(t.file().size(), i16At(t.file(), 0)), ints(208, 0));
    ASSERT_TRUE(RewriteStudentFile(t.students, {"Ann"}, {}, {}).ok()); // nobody counted in it
    EXPECT_EQ(t.file().size(), 208u);
}

// The rebuild takes, for each entry of the list, the first slot whose trimmed name matches
// (case counts), repaired; an unknown name gets the custom defaults under that name. The header
// counts 6 slots and one more is appended: that seventh entry has no name and gets a fresh blank
// record of the defaults, never the stale blank slot.
TEST(StudentFile, TheRebuildFollowsTheListAndGivesUnknownAndMissingEntriesFreshRecords)
{
    Ann t;
    const HandSlot bob = markedSlot("Bob", 5).at(184, 33); // progress travels with the record
    static_cast<void>(
        t.open(concat({markedSlot("X", 1, 6), markedSlot("Ann", 4), bob, markedSlot("  Cy ", 6),
                       markedSlot("Cy", 3), markedSlot("", 5), markedSlot("Eve", 9)})));
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings).ok());
    t.p.settings.defaultSettings.shockSeconds() = 8; // custom defaults
    DrillSettings shown = originalDefaults("Bob");   // the pupil on display
    shown.operation = 2;
    ASSERT_TRUE(RewriteStudentFile(t.students, {"Cy", "Dan", "  Bob", "Eve", "cy"}, shown,
                                   t.p.settings.defaultSettings)
                    .ok());
    EXPECT_FALSE(t.students.isOpen() || FindStudentInFile(t.students, "Cy"));
    const HandSlot fresh = originalDefaultsSlot().at(82, 8);
    EXPECT_EQ(t.file(), concat({markedSlot("Bob", 2, 6), markedSlot("  Cy ", 6),
                                HandSlot(fresh).name("Dan"), bob, markedSlot("Eve", 1),
                                HandSlot(fresh).name("cy"), HandSlot(fresh).name("")}));
}

// Cancel keeps what was written in place but takes the appended slots away again, so that the
// header counts every pupil the file holds; an append that fails, or that the 16-bit header
// could not count, changes neither the file nor the count.
TEST(StudentFile, CancelCutsTheAppendedSlotsAndAFailedAppendOrAnUnreadFileChangesNothing)
{
    Ann t;
    const Bytes old = concat({markedSlot("X", 1, 2), markedSlot("Ann", 4), markedSlot("Bob", 5)});
    static_cast<void>(t.open(old));
    DrillSettings bob = originalDefaults("Bob");
    bob.operation = 3;
    ASSERT_TRUE(WriteStudent(t.students, 2, bob).ok());
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings).ok());
    EXPECT_EQ(t.file().size(), 4u * 208);
    Ann untouched; // nothing appended: nothing to write, so a full disk does not matter
    static_cast<void>(untouched.open(old));
    untouched.files.failWrite = untouched.files.failRename = true;
    EXPECT_TRUE(CloseStudentFile(untouched.students).ok());
    ASSERT_TRUE(CloseStudentFile(t.students).ok());
    const Bytes after = t.file();
    ASSERT_EQ(after.size(), 3u * 208);
    EXPECT_EQ(i16At(after, 208 * 2 + 30), 3) << "Bob as written in place";
    EXPECT_FALSE(WriteStudent(t.students, 2, bob).ok()) << "a closed file is not written";
    EXPECT_EQ(t.file(), after);
    Ann uncut; // a file this account may not cut in place is written anew, to the same bytes
    static_cast<void>(uncut.open(old));
    ASSERT_TRUE(WriteStudent(uncut.students, 2, bob).ok() &&
                AppendStudent(uncut.students, uncut.p.settings.defaultSettings).ok());
    uncut.files.failWrite = true;
    EXPECT_TRUE(CloseStudentFile(uncut.students).ok());
    EXPECT_EQ(uncut.file(), after);

    // 32766 blank slots: one more fits, then the 16-bit header could count no more.
    Bytes full = concat({markedSlot("X", 1, 32766)});
    full.resize(32767u * 208, ' ');
    static_cast<void>(t.open(full));
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings).ok());
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(AppendStudent(t.students, t.p.settings.defaultSettings).status,
                  Status::refuse(StatusCode::ClassFull));
    }
    EXPECT_EQ(ints(t.students.studentCount(), t.file().size()), ints(1, 32768 * 208))
        << "failed appends count nothing";

    // A file that cannot be read, or a named pipe in its place, is neither read nor written, and
    // nothing waits for a pipe's reader.
    t.files.failRead = true;
    EXPECT_TRUE(t.open(old).empty());
    EXPECT_EQ(t.students.opened().status.error(), EACCES);
    t.files.failRead = false;
    EXPECT_FALSE(AppendStudent(t.students, t.p.settings.defaultSettings).ok() ||
                 ReadStudent(t.students, 1) ||
                 WriteStudent(t.students, 1, t.p.settings.defaultSettings).ok());
    EXPECT_EQ(RewriteStudentFile(t.students, {}, {}, {}).status.error(), EACCES);
    EXPECT_EQ(t.file(), old);

    fs::remove(t.at("StdDat.Xrx"));
    fs::create_directory(t.at("StdDat.Xrx"));
    EXPECT_TRUE(t.open().empty());
    EXPECT_EQ(t.students.opened().status.error(), EISDIR) << "a folder in its place";
    fs::remove(t.at("StdDat.Xrx"));
    ASSERT_EQ(::mkfifo(t.at("StdDat.Xrx").c_str(), 0600), 0);
    EXPECT_TRUE(t.open().empty() && !t.students.isOpen());
    static_cast<void>(RewriteStudentFile(t.students, {"Ann"}, {}, {})); // returns at once
}

// A rename moves the pupil's slot, her fact file and, when she is the pupil a start-up loads,
// slot 3 of "Default.Xsx"; a step the disk refuses undoes those before it, and results kept
// under the new name already are never taken over.
TEST(StudentFile, ARenameMovesSlotFactFileAndStartUpPupilOrNothing)
{
    // what, why a hard link is refused (0: it is not), what the disk refuses besides, results
    // under the new name, the rename's status
    const std::vector<std::tuple<const char*, int, std::string_view, bool, Status>> rows{
        {"renamed", 0, "", false, {}},
        {"no hard links: moved by a rename", EPERM, "", false, {}},
        {"no hard links, Default.Xsx refused", ENOSYS, "rename", false, Status::fail(EIO)},
        {"a link the disk fails", EIO, "", false, Status::fail(EIO)},
        {"Default.Xsx refused", 0, "rename", false, Status::fail(EIO)},
        {"her slot refused", 0, "write", false, Status::fail(ENOSPC)},
        {"results under the new name", 0, "", true, Status::refuse(StatusCode::NameTaken)}};
    for (const auto& [what, linkError, refused, orphan, status] : rows) {
        SCOPED_TRACE(what);
        Ann t;
        const Bytes defaults =
            concat({markedSlot("Default", 1), markedSlot("Untitled", 1), markedSlot("Ann", 4, 1)});
        writeBytes(t.at("Default.Xsx"), defaults);
        writeBytes(t.at("Default.PC-12.Xsx"), defaults); // a lab computer's own
        writeBytes(t.at("Ann.Xtx"), Bytes(4800, 0x11));
        if (orphan) {
            writeBytes(t.at("Anna.Xtx"), Bytes(4800, 0x22));
        }
        static_cast<void>(
            t.open(concat({markedSlot("X", 1, 2), markedSlot("Bob", 5), markedSlot("Ann", 4)})));
        EXPECT_EQ(RenameStudent(t.students, 0, "Anna").status, Status::refuse(StatusCode::NotOpen))
            << "no pupil 0";
        t.files.failLink = linkError != 0, t.files.linkError = linkError;
        t.files.failRename = refused == "rename", t.files.failWrite = refused == "write";
        EXPECT_EQ(RenameStudent(t.students, 2, "Anna").status, status);
        const bool done = status.ok();
        const char* name = done ? "Anna" : "Ann";
        EXPECT_EQ(FindStudentInFile(t.students, name), std::optional<std::int16_t>(2));
        EXPECT_EQ(fieldsOf(t.file(), 3), fieldsOf(concat({markedSlot(name, 4)}), 1));
        for (const char* file : {"Default.Xsx", "Default.PC-12.Xsx"}) {
            EXPECT_EQ(fieldsOf(readBytes(t.at(file)), 3),
                      fieldsOf(concat({markedSlot(name, 4, 1)}), 1))
                << file;
        }
        EXPECT_EQ(ints(fs::exists(t.at("Ann.Xtx")), fs::exists(t.at("Anna.Xtx")),
                       fs::exists(t.at("Ann.Xtx.renaming"))), // the note of the rename goes
                  ints(!done, done || orphan, false));
        EXPECT_EQ(readBytes(t.at(done || orphan ? "Anna.Xtx" : "Ann.Xtx")),
                  Bytes(4800, orphan ? 0x22 : 0x11));
    }
}

// A rename cut short after her slot took the new name but before "Default.Xsx" did: the next
// start-up loads her under the name the class lists, with her results, and one file is left.
TEST(StudentFile, AStartUpFinishesOrUndoesARenameACrashCutShortAsTheClassListSays)
{
    Ann t;
    writeBytes(t.at("Default.Xsx"), concat({markedSlot("Default", 1), markedSlot("Untitled", 1),
                                            markedSlot("Ann", 4, 1).at(56, 1)}));
    writeBytes(t.at("StdDat.Xrx"), concat({markedSlot("X", 1, 3), markedSlot("", 1),
                                           markedSlot("Bob", 5), markedSlot("Anna", 4)}));
    writeBytes(t.at("Ann.Xtx"), Bytes(4800, 0));
    ASSERT_EQ(::link(t.at("Ann.Xtx").c_str(), t.at("Anna.Xtx").c_str()), 0);
    {
        Program next{t.services};
        MainForm(next).load();
        EXPECT_EQ(trimmedName(next.cur()), "Anna");
        EXPECT_FALSE(fs::exists(t.at("Ann.Xtx")));
        EXPECT_EQ(fs::hard_link_count(t.at("Anna.Xtx")), 1u);
    } // and dies without a close
    // Finished on the disk at once: the next start-up still begins with Anna.
    Program again{t.services};
    MainForm(again).load();
    EXPECT_EQ(trimmedName(again.cur()), "Anna");
    // A pupil added under a name such a rename left as a second name starts without results;
    // a fact file of one name is somebody's own.
    ASSERT_EQ(::link(t.at("Anna.Xtx").c_str(), t.at("Eve.Xtx").c_str()), 0);
    writeBytes(t.at("Cy.Xtx"), Bytes(4800, 1));
    DropStrayFactLink(dataDirOf(again), "Eve"), DropStrayFactLink(dataDirOf(again), "Cy");
    EXPECT_FALSE(fs::exists(t.at("Eve.Xtx")));
    EXPECT_TRUE(fs::exists(t.at("Cy.Xtx")) && fs::exists(t.at("Anna.Xtx")));

    // A rename cut short with its note left beside her files is finished or undone as the class
    // list says; when it lists neither name, nothing of hers is touched.
    // the name listed, whether "Rob.Xtx" is a second name of "Bob.Xtx" or a file of its own, the
    // pupil current after the start, whether "Rob.Xtx" and "Bob.Xtx" stay
    for (const auto& [listed, linked, current, newNameStays, oldNameStays] :
         {std::tuple("Bob", true, "Bob", false, true), std::tuple("Rob", true, "Rob", true, false),
          std::tuple("Ann", true, "Rob", true, true), std::tuple("Rob", false, "Rob", true, true),
          std::tuple("Bob", false, "Bob", true, true)}) {
        SCOPED_TRACE(testing::Message() << listed << linked);
        TempDir home;
        FixedClock clock;
        const DataDir data{diskFileSystem(), home.path(), clock};
        writeStudentFile(home.path(), {originalDefaults(listed)});
        writeBytes(home.path() / "Bob.Xtx", Bytes(4800, 1));
        if (linked) {
            fs::create_hard_link(home.path() / "Bob.Xtx", home.path() / "Rob.Xtx");
        } else {
            writeBytes(home.path() / "Rob.Xtx", Bytes(4800, 2));
        }
        writeBytes(home.path() / "Bob.Xtx.renaming", {'B', 'o', 'b', '\n', 'R', 'o', 'b', '\n'});
        Settings s;
        s.curSettings = originalDefaults("Rob");
        FinishInterruptedRename(s, data);
        EXPECT_EQ(trimmedName(s.curSettings), current);
        EXPECT_EQ(ints(fs::exists(home.path() / "Rob.Xtx"), fs::exists(home.path() / "Bob.Xtx"),
                       fs::exists(home.path() / "Bob.Xtx.renaming")),
                  ints(newNameStays, oldNameStays, false));
    }
}

} // namespace
} // namespace sb::test
