// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's fact file and the student file "StdDat.Xrx", against bytes written by hand and
// the files in tests/data.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "flow/lifecycle.h"
#include "records/codec.h"
#include "students/fact_file.h"
#include "students/record_files.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// A program whose pupil is Ann, with the original defaults and saveLevel on.
struct Ann : ProgramFixture {
    Ann() : ProgramFixture(random, files)
    {
        load();
        setName(p.cur(), "Ann");
        p.cur().saveLevel() = 1;
    }
    std::vector<std::string> open() { return OpenStudentFile(p.settings, students); }
    auto open(const Bytes& b) { return writeBytes(at("StdDat.Xrx"), b), open(); }
    Bytes file() const { return readBytes(at("StdDat.Xrx")); }
    ScriptedRandom random; // reading a fact file draws nothing
    FaultyFiles files;
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
        EXPECT_EQ(readBytes(t.at("Ann.Xtx")) == Bytes(4800, 0x11), !on);
        EXPECT_EQ(t.files.calls == 0, !on);
    }
    Ann pupil;
    pupil.p.run.drillResumable = 1;
    ReadFactFile(pupil.p);
    EXPECT_EQ(pupil.p.run.drillResumable, 0) << "a pupil without a fact file";
    // A fact file that is there but cannot be read: the run starts from scratch, the file is
    // never written over and the notice says so.
    pupil.p.cur().loadOnStart = 1;
    ASSERT_TRUE(ProgramClose(pupil.p)); // start-up will choose Ann
    const Bytes stored(4800, 0x11);
    writeBytes(pupil.at("Ann.Xtx"), stored);
    Program next{pupil.services};
    pupil.files.unreadable = {"Ann.Xtx"};
    ProgramLoad(next);
    pupil.files.unreadable.clear();
    ASSERT_EQ(trimmedName(next.cur()), "Ann");
    EXPECT_EQ(next.main.notice, "Results could not be read (Ann.Xtx)");
    EXPECT_FALSE(ProgramClose(next));
    EXPECT_EQ(readBytes(pupil.at("Ann.Xtx")), stored);
    EXPECT_EQ(next.main.notice, "Results could not be read and were not saved (Ann.Xtx)");
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
        {"COM", "COM.Xtx"},
        {"LPT10", "LPT10.Xtx"},
        {"Comb", "Comb.Xtx"},
        {"lpt\xB9", "%6Cpt\xC2\xB9.Xtx"},
        {"50%", "50%.Xtx"},
        {"%41", "%2541.Xtx"},
        {"%09%AF%af", "%2509%25AF%25af.Xtx"},
        {"%4g%g1", "%4g%g1.Xtx"},
        {"x\x81", "x%81.Xtx"},
        {"\x8A\xE1rka \x8C\x9E\x9F", "\u0160\u00E1rka \u0152\u017E\u0178.Xtx"}};
    for (const auto& [name, file] : rows) {
        Ann t;
        t.services.dataDir = t.dir.path() / "data";
        std::filesystem::create_directories(t.services.dataDir);
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
    writeBytes(t.at("Ann.Xtx"), bad);
    ReadFactFile(t.p);
    EXPECT_EQ((std::array{t.p.drill.fact(7).second, t.p.drill.fact(8).second,
                          t.p.drill.fact(9).second, t.p.drill.fact(10).second}),
              (std::array<std::int16_t, 4>{1, 1, 0, 10}));

    t.p.cur().operation = OpDivR;
    Bytes cut(10 * 24 + 10, 0);
    cut[9 * 24 + 14] = 7; // record 10: state 7, kept as read
    writeBytes(t.at("Ann.Xtx"), cut);
    ReadFactFile(t.p);
    EXPECT_EQ(t.p.drill.fact(10).state, 7);
    EXPECT_EQ(t.p.drill.fact(11), (FactRec{11, 1, 11, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(t.p.drill.fact(181).state, 1) << "pooled as Start would";
    EXPECT_EQ(t.p.drill.fact(200).first * 1000 + t.p.drill.factCount, 200200); // remainder 0
}

const HandSlot kHeader4 = markedSlot("Whoever", 1, 4);

TEST(StudentFile, BlankNamedSlotsAreCountedButNotListedAndAnAppendGoesAfterThemAll)
{
    Ann t;
    EXPECT_EQ(t.open(concat({kHeader4, markedSlot("  Ann ", 4), markedSlot("    ", 5),
                             markedSlot("Bob", 6), markedSlot("Cy", 3)})),
              (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    EXPECT_TRUE(FindStudentInFile(t.students, " Cy") && !FindStudentInFile(t.students, "cy"));
    EXPECT_EQ(t.students.foundIndex, 4);
    DrillSettings bob;
    EXPECT_TRUE(ReadStudent(t.students, 3, bob) && bob.operation == 6);
    DrillSettings dan = t.p.settings.defaultSettings;
    setName(dan, "Maximilian Alexander Huber");
    ASSERT_TRUE(AppendStudent(t.students, dan));
    EXPECT_EQ(t.students.studentCount, 4);
    ASSERT_EQ(t.file().size(), 6u * 208);
    EXPECT_EQ(fieldsOf(t.file(), 6), fieldsOf(concat({markedSlot("Maximilian Alexander", 1)}), 1));
    EXPECT_EQ(i16At(t.file(), 0), 4) << "the header counts only at the next rebuild";
    t.students.slotCount = 32767; // no slot is left that the 16-bit header could count
    EXPECT_FALSE(AppendStudent(t.students, dan));
    EXPECT_EQ(t.file().size(), 6u * 208);
}

// The header counts four pupils, but the file holds two whole slots and part of a third: only
// whole slots are read, and the next pupil goes where the cut slot began.
TEST(StudentFile, AHeaderCountingMoreThanTheFileHoldsIsCutToItsWholeSlots)
{
    Ann t;
    Bytes bytes =
        concat({kHeader4, markedSlot("Ann", 4), markedSlot("Bob", 5), markedSlot("Cy", 6)});
    bytes.resize(3 * 208 + 100);
    EXPECT_EQ(t.open(bytes), (std::vector<std::string>{"Ann", "Bob"}));
    DrillSettings cy;
    EXPECT_FALSE(FindStudentInFile(t.students, "Cy") || ReadStudent(t.students, 3, cy));
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings));
    ASSERT_TRUE(FindStudentInFile(t.students, "Default"));
    EXPECT_EQ(t.file().size() * 10 + static_cast<std::size_t>(t.students.foundIndex),
              4 * 2080 + 3u);
    // too short for a header: started again with a count of 0, no pupil of before left
    EXPECT_TRUE(t.open(Bytes(100, 1)).empty() && !FindStudentInFile(t.students, "Ann"));
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings));
    EXPECT_EQ(static_cast<int>(t.file().size()) * 10 + i16At(t.file(), 0), 4160);
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
    ASSERT_TRUE(AppendStudent(t.students, t.p.settings.defaultSettings));
    t.p.settings.defaultSettings.shockSeconds() = 8; // custom defaults
    setName(t.p.settings.workSettings, "Bob");       // the pupil on display
    t.p.settings.workSettings.operation = 2;
    ASSERT_TRUE(RewriteStudentFile(t.p.settings, t.students, {"Cy", "Dan", "  Bob", "Eve", "cy"}));
    EXPECT_FALSE(std::filesystem::exists(t.at("Std2.ini")) || t.students.open ||
                 FindStudentInFile(t.students, "Cy"));
    const HandSlot fresh = originalDefaultsSlot().at(82, 8);
    EXPECT_EQ(t.file(), concat({markedSlot("Bob", 2, 6), markedSlot("  Cy ", 6),
                                HandSlot(fresh).name("Dan"), bob, markedSlot("Eve", 1),
                                HandSlot(fresh).name("cy"), HandSlot(fresh).name("")}));
}

// A file that cannot be read, or a named pipe in its place, is neither read nor written, and
// nothing waits for a pipe's reader.
TEST(StudentFile, AFileThatCannotBeReadIsNeverWritten)
{
    Ann t;
    const Bytes old = concat({markedSlot("X", 1, 1), markedSlot("Ann", 4)});
    t.files.failRead = true;
    EXPECT_TRUE(t.open(old).empty());
    t.files.failRead = false;
    EXPECT_FALSE(AppendStudent(t.students, t.p.settings.defaultSettings));
    EXPECT_TRUE(t.students.writeFailed) << "a failed append alone is noticed";
    DrillSettings ann;
    EXPECT_FALSE(ReadStudent(t.students, 1, ann) ||
                 WriteStudent(t.students, 1, t.p.settings.defaultSettings) ||
                 RewriteStudentFile(t.p.settings, t.students, {}));
    EXPECT_TRUE(t.students.writeFailed);
    EXPECT_EQ(t.file(), old);
    EXPECT_FALSE(diskFileSystem().rename(t.at("none"), t.at("x"))) << "a refused rename";

    std::filesystem::remove(t.at("StdDat.Xrx"));
    ASSERT_EQ(::mkfifo(t.at("StdDat.Xrx").c_str(), 0600), 0);
    EXPECT_TRUE(t.open().empty());
    EXPECT_FALSE(AppendStudent(t.students, t.p.settings.defaultSettings) ||
                 ReadStudent(t.students, 1, ann) || FindStudentInFile(t.students, "Ann"));
    static_cast<void>(RewriteStudentFile(t.p.settings, t.students, {"Ann"})); // returns at once
}

} // namespace
} // namespace sb::test
