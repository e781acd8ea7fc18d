// The Student Data window without a screen: a real program over a temporary data directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "flow/digits_only.h"
#include "flow/lifecycle.h"
#include "flow/student_form.h"
#include "records/codec.h"
#include "students/record_files.h"
#include "support/test_support.h"

namespace sb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Fixture {
    StdRandom random{1};
    test::FaultyFiles files;
    test::ProgramFixture fx{random, files};
    Program& p = fx.p;
    fs::path dir = fx.dir.path();
    StudentForm form{p};

    Fixture()
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
    }

    // The custom defaults under a name, with the operation telling records apart.
    DrillSettings pupil(std::string_view name, std::int16_t op = OpMult) const
    {
        DrillSettings s = p.settings.defaultSettings;
        setName(s, name);
        s.operation = op;
        return s;
    }
    Bytes bytes() const { return test::readBytes(dir / "StdDat.Xrx"); }
    // Slot k (from 1) of the student file.
    DrillSettings slot(std::size_t k) const
    {
        const Bytes b = bytes();
        return *decodeSettings(std::span(b).subspan((k - 1) * kSlotSize, kSlotSize));
    }
    std::vector<std::string> listed() const
    {
        std::vector<std::string> out;
        for (const std::string& s : form.model().studentlist) {
            out.push_back(trimBlanks(s));
        }
        return out;
    }
    std::string shown() const { return trimBlanks(form.model().studentdisplay); }
    void type(std::string_view text) { form.newstudent_change(text); }
    void select(std::string_view name) { form.studentlist_click(*form.FindListed(name)); }
};

TEST(StudentForm, UntitledOpenedAndOkdLeavesABlankDefaultRecordAtTheEndOfTheFile)
{
    Fixture f;
    test::writeStudentFile(f.dir, {f.pupil("Ann"), f.pupil("Bob")});
    setName(f.p.cur(), "Untitled");
    f.form.load();
    EXPECT_EQ(f.listed(), (std::vector<std::string>{"Default", "Untitled", "Ann", "Bob"}));
    EXPECT_EQ(f.form.model().studentdisplay, "Untitled            ");
    EXPECT_EQ(f.form.model().listIndex, -1);

    f.form.close_click();
    const Bytes b = f.bytes();
    ASSERT_EQ(b.size(), 4u * 208);
    EXPECT_EQ(b[0], 3) << "the header counts the appended Untitled slot";
    EXPECT_EQ(std::string(b.begin() + 3 * 208 + 2, b.begin() + 3 * 208 + 22), std::string(20, ' '));
    EXPECT_EQ(f.slot(4).operation, OpAdd) << "a copy of the custom defaults";
    EXPECT_EQ(trimmedName(f.slot(3)), "Bob");
    EXPECT_EQ(trimmedName(f.p.cur()), "Untitled");
    EXPECT_TRUE(f.form.model().closed);
}

TEST(StudentForm, DefaultSelectedTwiceFindsTheSlotMadeTheFirstTime)
{
    Fixture f;
    setName(f.p.cur(), "Zed");
    f.form.load();
    f.select("Default"); // Zed stored, then a slot made for Default
    EXPECT_EQ(f.form.file().slotCount, 2);
    f.form.start_click(); // Auto Teach on for Default
    f.select("Untitled");
    f.select("Default");
    EXPECT_EQ(f.p.settings.workSettings.autoTeach, 1);
    EXPECT_EQ(f.form.model().dsauto, "Auto Teach On");
    EXPECT_EQ(f.form.file().slotCount, 3) << "Zed, Default, Untitled";
    f.form.start_click();
    EXPECT_EQ(f.form.model().dsauto, "Auto Teach Off");
    EXPECT_FALSE(f.form.model().autoTeach);
    EXPECT_EQ(f.bytes().size(), 4u * 208);
}

TEST(StudentForm, AddShowsAListedPupilWhateverTheCaseAndAddsOnlyNewNames)
{
    Fixture f;
    test::writeStudentFile(f.dir, {f.pupil("Ann", OpDiv), f.pupil("Zo\xC9\xDE", OpSub)});
    f.form.load();
    f.type("zo\xE9\xFE"); // Windows-1252 capitals and small letters: E acute, thorn
    f.form.addstudent_click();
    EXPECT_EQ(f.shown(), "Zo\xC9\xDE");
    f.type("ann");
    EXPECT_EQ(f.form.newstudent_keypress(13), 0) << "Enter adds and is dropped";
    EXPECT_EQ(f.listed().size(), 4u);
    EXPECT_EQ(f.shown(), "Ann");
    EXPECT_EQ(f.form.model().op, OpDiv);
    EXPECT_TRUE(f.form.model().newstudent.empty());

    // A fixed name without a slot shows a record made as selecting it would make it.
    f.type("UNTITLED");
    f.form.addstudent_click();
    EXPECT_EQ(f.shown(), "Untitled");
    EXPECT_EQ(f.listed().size(), 4u);
    EXPECT_EQ(f.form.model().op, OpAdd);
    EXPECT_TRUE(FindStudentInFile(const_cast<StudentFile&>(f.form.file()), "Untitled"));

    // A name of blanks is taken; the list skips it when the file is opened again.
    f.type("   ");
    f.form.addstudent_click();
    f.type("Cy");
    f.form.addstudent_click();
    EXPECT_EQ(f.listed(),
              (std::vector<std::string>{"Default", "Untitled", "Ann", "Zo\xC9\xDE", "", "Cy"}));
    f.form.close_click();
    StudentForm reopened{f.p};
    reopened.load();
    EXPECT_EQ(reopened.model().studentlist.size(), 5u);
    EXPECT_EQ(reopened.model().studentlist.back(), "Cy");
}

TEST(StudentForm, SortListOrdersIgnoringCaseAndKeepsEqualNamesInTheirOrder)
{
    Fixture f;
    test::writeStudentFile(
        f.dir, {f.pupil("bob", 2), f.pupil("Al", 3), f.pupil("carl", 4), f.pupil("Bob", 5)});
    f.form.load();
    f.form.ssort_click();
    EXPECT_EQ(f.listed(),
              (std::vector<std::string>{"Default", "Untitled", "Al", "bob", "Bob", "carl"}));
    f.form.close_click();
    EXPECT_EQ(f.slot(3).operation, 2);
    EXPECT_EQ(f.slot(4).operation, 5) << "Bob keeps his own record after bob";
}

TEST(StudentForm, AChangedSelectionResetsTheProgressOfThePupilOnDisplay)
{
    struct Row {
        const char* what;
        bool change;
        std::int16_t reviewCount;
    };
    for (const Row row : {Row{"changed", true, 0}, Row{"unchanged", false, 7}}) {
        SCOPED_TRACE(row.what);
        Fixture f;
        DrillSettings ann = f.pupil("Ann");
        ann.reviewCount = 7;
        ann.answerCount(3) = 12;
        test::writeStudentFile(f.dir, {ann, f.pupil("Bob")});
        f.form.load();
        f.select("Ann");
        if (row.change) {
            f.form.b_click(1, 0);
            f.form.b_click(10, 0);
        }
        f.form.CB_gotFocus(3); // averageOver, stored with the pupil as well
        f.form.CB_change(3, "25");
        f.form.CB_lostFocus(3);
        f.select("Bob");
        EXPECT_EQ(f.slot(2).averageOver(), 25);
        EXPECT_EQ(f.slot(2).reviewCount, row.reviewCount);
        EXPECT_EQ(f.slot(2).answerCount(3), row.change ? 0 : 12);
        EXPECT_EQ(f.slot(2).secondNum[1], row.change ? 0 : 1);
        EXPECT_EQ(f.slot(2).secondNum[10], row.change ? 0 : 1);
    }
}

TEST(StudentForm, RepeatSettingCarriesOnlyWhatTheSmartRepeatWindowApplied)
{
    Fixture f;
    test::writeStudentFile(f.dir, {f.pupil("Ann")});
    f.p.cur().stopOn = 1;
    f.form.load();
    f.select("Ann");
    f.form.b_click(2, 0); // the window's selection goes with the pupil to Smart Repeat
    ASSERT_TRUE(f.form.Repset_click());
    EXPECT_EQ(f.p.cur().secondNum[2], 0);
    EXPECT_EQ(f.p.flags.smartFromStudent, 1);
    EXPECT_EQ(trimmedName(f.p.cur()), "Ann");
    const DrillSettings atSmartOpening = f.p.cur();

    // Smart Repeat window: opened (backup), stop condition changed, Cancel.
    f.p.settings.backupSettings = f.p.cur();
    f.p.cur().stopOn = 4;
    f.p.cur() = f.p.settings.backupSettings;
    f.form.smart_closed(false);
    f.form.cancel_click();
    EXPECT_EQ(f.p.cur(), atSmartOpening);
    EXPECT_EQ(f.p.flags.smartFromStudent, 0);

    // Again, applied this time with Ok, then OK here.
    StudentForm again{f.p};
    again.load();
    ASSERT_TRUE(again.Repset_click());
    f.p.cur().stopOn = 4;
    f.p.cur().maxProblems() = 60;
    again.smart_closed(true);
    again.close_click();
    EXPECT_EQ(f.p.cur().stopOn, 4);
    EXPECT_EQ(f.slot(2).maxProblems(), 60);

    f.p.flags.studentFromSmart = 1;
    StudentForm fromSmart{f.p};
    fromSmart.load();
    EXPECT_FALSE(fromSmart.model().Repset);
    EXPECT_FALSE(fromSmart.Repset_click());
}

TEST(StudentForm, RenameMovesThePupilsOwnRecordAndFactsOrChangesNothing)
{
    struct Row {
        const char* what;
        const char* select;
        const char* typed;
        bool bobOnDisplay; // Ann's entry selected while Add has put Bob on display
        bool factsThere;   // the new name has a fact file already
        const char* after; // entry 2 afterwards
    };
    for (const Row row : {
             Row{"on display", "Ann", "Anna", false, false, "Anna"},
             Row{"another pupil on display", "Ann", "Anna", true, false, "Anna"},
             Row{"new name has facts", "Ann", "Anna", false, true, "Anna"},
             Row{"listed in another case", "Ann", "BOB", false, false, "Ann"},
             Row{"a fixed name", "Ann", "default", false, false, "Ann"},
             Row{"blank", "Ann", "  ", false, false, "Ann"},
             Row{"fixed entry selected", "Untitled", "Anna", false, false, "Ann"},
         }) {
        SCOPED_TRACE(row.what);
        Fixture f;
        test::writeStudentFile(f.dir, {f.pupil("Ann", OpDiv), f.pupil("Bob", OpSub)});
        std::ofstream(f.dir / "Ann.Xtx") << "ann";
        if (row.factsThere) {
            std::ofstream(f.dir / "Anna.Xtx") << "anna";
        }
        f.form.load();
        f.select(row.select);
        if (row.bobOnDisplay) {
            f.type("Bob");
            f.form.addstudent_click();
        }
        f.type(row.typed);
        f.form.Renam_click();
        const bool renamed = std::string(row.after) == "Anna";
        EXPECT_EQ(f.listed()[2], row.after);
        EXPECT_EQ(trimmedName(f.slot(2)), row.after);
        EXPECT_EQ(f.slot(2).operation, OpDiv) << "Ann's own record";
        EXPECT_EQ(trimmedName(f.slot(3)), "Bob");
        EXPECT_EQ(fs::exists(f.dir / "Ann.Xtx"), !renamed || row.factsThere);
        EXPECT_EQ(fs::exists(f.dir / "Anna.Xtx"), renamed || row.factsThere);
        const bool follows = renamed && !row.bobOnDisplay;
        EXPECT_EQ(f.shown(), follows ? "Anna" : (row.bobOnDisplay ? "Bob" : row.select));
        EXPECT_EQ(trimmedName(f.p.settings.workSettings), f.shown());
        EXPECT_EQ(f.form.model().newstudent, row.typed) << "the box keeps the text";
        EXPECT_TRUE(FindStudentInFile(const_cast<StudentFile&>(f.form.file()), row.after));
    }
}

TEST(StudentForm, LevelCombosGiveTheOldValueBackForTextsWithoutAUsableNumber)
{
    struct Row {
        int combo;
        const char* typed;
        const char* after;
    };
    for (const Row row : {Row{1, "", "200"}, Row{1, "0", "200"}, Row{2, "00", "80"},
                          Row{3, " ", "15"}, Row{3, "328", "15"}, Row{3, "327", "327"},
                          Row{1, "32768", "200"}, Row{4, "  450", "  450"}, Row{2, "9x", "80"},
                          Row{4, "32767", "32767"}, Row{4, "0", "100"}, Row{1, "300", "300"}}) {
        SCOPED_TRACE(std::string("CB") + std::to_string(row.combo) + " '" + row.typed + "'");
        Fixture f;
        f.form.load();
        f.form.CB_gotFocus(row.combo);
        f.form.CB_change(row.combo, row.typed);
        DrillSettings taken;
        f.form.TakeRecord(taken); // while still being edited
        f.form.CB_lostFocus(row.combo);
        EXPECT_EQ(f.form.model().CB[static_cast<std::size_t>(row.combo)], row.after);
        DrillSettings after;
        f.form.TakeRecord(after);
        EXPECT_EQ(taken.teachSet, after.teachSet);
    }
    std::string kept; // digits, Backspace and Tab pass; every other key is dropped
    for (const char key : std::string("70\b\ta -\r/:")) {
        kept += DigitsOnly(key) == key ? key : '.';
    }
    EXPECT_EQ(kept, "70\b\t......");
}

TEST(StudentForm, TenSubLocksThisWindowsBoxesAndGivesTheMainWindowItsOwnLockBack)
{
    Fixture f;
    DrillSettings ann = f.pupil("Ann", OpAdd);
    ann.firstRange = {0, 0, 0, 1, 1};
    test::writeStudentFile(f.dir, {ann});
    f.p.flags.firstLocked = 1; // the main window is on "10 Sub"
    f.p.flags.savedFirst = {0, 1, 1, 1, 1};
    f.p.cur().operation = Op10Sub;
    f.form.load();
    EXPECT_FALSE(f.form.model().a[2].enabled) << "locked here too";
    EXPECT_EQ(f.p.flags.firstLocked, 1);
    f.p.main.Reset = false;
    f.select("Ann");
    EXPECT_TRUE(f.p.main.Reset) << "boxes set from a record count as clicks";
    EXPECT_TRUE(f.form.model().a[2].enabled);
    EXPECT_EQ(f.form.model().a[1].value, 0) << "Ann's own first numbers, not the saved ones";
    EXPECT_EQ(f.form.model().a[3].value, 1);
    f.p.main.Reset = false;
    f.form.op_click(Op10Sub);
    EXPECT_TRUE(f.p.main.Reset);
    EXPECT_EQ(f.form.model().a[1].value, 1);
    EXPECT_EQ(f.form.model().a[3].value, 0);
    for (const int k : {0, 7}) {
        f.form.op_click(k);
        EXPECT_EQ(f.form.model().op, Op10Sub);
    }
    f.form.a_click(5, 1);
    f.form.b_click(11, 1);
    EXPECT_EQ(f.form.model().b[0].value, 0);
    f.form.cancel_click();
    EXPECT_EQ(f.p.flags.firstLocked, 1);
    EXPECT_EQ(f.p.flags.savedFirst, (std::array<std::int16_t, 5>{0, 1, 1, 1, 1}));
}

TEST(StudentForm, RemoveTakesEffectOnlyThroughOkAndFailedWritesAreNoticed)
{
    Fixture f;
    test::writeStudentFile(f.dir, {f.pupil("Ann"), f.pupil("Bob"), f.pupil("Cy")});
    f.form.load();
    f.form.studentlist_click(1); // a fixed entry stays
    f.form.removestudent_click();
    f.select("Bob");
    f.form.removestudent_click();
    EXPECT_EQ(f.listed(), (std::vector<std::string>{"Default", "Untitled", "Ann", "Cy"}));
    f.form.cancel_click();
    EXPECT_EQ(trimmedName(f.slot(3)), "Bob") << "Cancel leaves the file as it was written";
    EXPECT_EQ(f.bytes()[0], 3);

    StudentForm ok{f.p};
    ok.load();
    ok.studentlist_click(3);
    ok.removestudent_click();
    f.files.failRename = true;
    ok.close_click();
    EXPECT_EQ(f.p.main.notice, std::string(kStudentsNotSaved) + " (StdDat.Xrx)");
    EXPECT_EQ(f.bytes().size(), 6u * 208) << "the old file stays whole";
    f.files.failRename = false;

    StudentForm again{f.p};
    again.load();
    again.studentlist_click(3);
    again.removestudent_click();
    again.close_click();
    EXPECT_EQ(f.p.main.notice, "");
    // Bob was on display at the failed OK, so he opened this time: his slot is stored again
    // but, no longer listed, left out of the rebuilt file.
    const Bytes b = f.bytes();
    ASSERT_EQ(b.size(), 3u * 208);
    EXPECT_EQ(b[0], 2);
    EXPECT_EQ(trimmedName(f.slot(2)), "Ann");
    EXPECT_EQ(trimmedName(f.slot(3)), "Cy");
}

TEST(StudentForm, OpeningFromTheMainWindowSavesTheOutgoingPupilsFacts)
{
    Fixture f;
    setName(f.p.cur(), "Ann");
    f.p.cur().autoTeach = 1;
    f.p.settings.startSettings = f.p.cur();
    f.p.run.drillResumable = 1;
    f.p.main.b[3].value = 1;
    f.p.main.a[1].value = 1;
    f.p.main.op = OpSub;
    goauto_click(f.p);
    EXPECT_EQ(f.p.run.drillResumable, 0);
    EXPECT_EQ(f.p.settings.startSettings.operation, OpSub);
    EXPECT_EQ(f.p.drill.factCount, 200) << "the fact table built for the new selection";
    EXPECT_EQ(fs::file_size(f.dir / "Ann.Xtx"), 4800u);
}

} // namespace
} // namespace sb
