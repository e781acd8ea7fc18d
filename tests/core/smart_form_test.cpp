// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/index.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// The original defaults in use for the pupil "Ann", the Smart Repeat window just opened.
struct Smart : ProgramFixture {
    StdRandom random{1};
    SmartForm form{p};
    const SmartModel& m = form.model();

    Smart() : ProgramFixture(random, diskFileSystem())
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        setName(p.cur(), "Ann");
        form.load();
    }
    DrillSettings& cur() { return p.cur(); }
    DrillSettings& defaults() { return p.settings.defaultSettings; }
    // The teacher tabs into box i, types over its text and tabs out.
    void type(int i, const std::string& text)
    {
        form.cbr_got_focus(i), form.cbr_change(i, text), form.cbr_lost_focus(i);
    }
};

// The window opens on the current settings; the defaults buttons change the custom defaults,
// which Cancel keeps; opened again, Ok shows the settings on the status panel.
TEST(SmartForm, OpensOnCurrentSettingsCancelKeepsTheDefaultsChangedOkShowsThemOnTheStatusPanel)
{
    Smart f;
    f.defaults().operation = OpMult; // a custom default this window does not show
    setName(f.defaults(), "Old");
    f.cur().stopOn = 5;
    f.cur().smartCheck[2] = 0;
    f.cur().smartValue[12] = 7;
    f.form.load();
    const DrillSettings opened = f.cur();
    // clicks outside the control arrays change nothing
    f.form.stopon_click(0), f.form.stopon_click(6), f.form.ck_click(0, 1), f.form.ck_click(7, 1);
    EXPECT_EQ(f.m.stopOption, 5);
    EXPECT_EQ(f.m.checks, (std::array<std::int16_t, 7>{0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(f.m.numberTexts[1] + " " + f.m.numberTexts[12] + " " + f.m.numberTexts[13], "2 7 0");
    EXPECT_EQ(f.p.run.settingsBackup.taken(SettingsBackup::Window::SmartRepeat), f.cur());

    f.type(11, "80");
    f.form.stopon_click(3);
    f.form.bndef_click();
    EXPECT_EQ(English(f.m.defaultsNote), "Custom Default");
    f.form.bndef_lost_focus();
    EXPECT_TRUE(f.m.defaultsNote.empty());
    EXPECT_EQ(ints(f.defaults().maxProblems(), f.defaults().stopOn, f.defaults().tag,
                   f.defaults().operation),
              ints(80, 3, 1, OpMult));
    EXPECT_EQ(trimmedName(f.defaults()), "Default");

    f.form.bnrstdef_click();
    EXPECT_EQ(English(f.m.defaultsNote) + "|" + f.m.numberTexts[11], "Original Default|200");
    // showing option 2 clicked it
    EXPECT_EQ(ints(f.cur().stopOn, f.defaults().operation, f.defaults().tag), ints(2, OpAdd, 0));
    f.form.bnrstdef_lost_focus();
    EXPECT_TRUE(f.m.defaultsNote.empty());

    f.form.bncancel_click();
    EXPECT_EQ(f.cur(), opened);
    // Cancel does not refresh the main window (its status line stays empty).
    EXPECT_EQ(ints(f.m.open, f.defaults().maxProblems(), f.p.main.statusLines[5].empty()),
              ints(false, 200, true));

    f.form.load();
    f.form.stopon_click(4);
    EXPECT_EQ(f.cur().stopOn, 4); // an option writes curSettings at once
    f.form.stopon_click(1);
    EXPECT_EQ(ints(f.cur().stopOn, f.m.stopOption), ints(1, 1));
    f.form.ck_click(6, 1), f.form.ck_click(1, 0);
    f.type(1, "4"), f.type(11, "20"), f.type(12, "5"), f.type(13, "2");
    f.form.bnapply_click();
    EXPECT_EQ(f.cur().smartCheck, (std::array<std::int16_t, 7>{0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(ints(f.m.open, f.cur().wrongTimes(), f.cur().delaySeconds()), ints(false, 4, 2));
    const auto& panel = f.p.main.statusLines;
    EXPECT_EQ(English(panel[3]) + English(panel[5]) + English(panel[6]) + English(panel[7]),
              "Save      OnMaxProb 20StopOn   TimeTimer      5");
    f.form.load(); // opened again on stopOn 1: its option is selected
    EXPECT_EQ(f.m.stopOption, 1);
    for (const std::int16_t none : {std::int16_t{0}, std::int16_t{6}}) { // without an option
        f.form.stopon_click(2);
        f.cur().stopOn = none;
        f.form.ShowSmartControls(f.cur());
        EXPECT_EQ(f.m.stopOption, 0) << none;
    }
}

TEST(SmartForm, LeavingABoxPutsBackWhatItHeldWhenTheTextIsRefused)
{
    struct Row {
        int box;
        const char* typed;
        const char* shown;  // after leaving the box
        std::int16_t value; // in curSettings after Ok
    };
    // Maximum problems 200, ShockClock 10, delay 3 when the window opens.
    const std::vector<Row> rows{
        {11, "", "200", 200},      {11, "   ", "200", 200}, {11, "0", "200", 200},
        {12, "00", "10", 10},      {13, "0", "0", 0},       {13, "000", "000", 0},
        {11, "40000", "200", 200}, {13, "40000", "3", 3},   {11, "32767", "32767", 32767},
        {11, "  60", "  60", 60},  {12, "007", "007", 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.box) + " \"" + row.typed + "\"");
        Smart f;
        f.cur().smartValue[13] = 3;
        f.form.load();
        f.type(row.box, row.typed);
        EXPECT_EQ(f.m.numberTexts[asIndex(row.box)], row.shown);
        f.form.bnapply_click();
        EXPECT_EQ(f.cur().smartValue[asIndex(row.box)], row.value);
    }
}

TEST(SmartForm, StudentDataButtonSetsStudentFromSmartEveryCloseClearsItTitleBarCloseApplies)
{
    enum How { Ok, Cancel, TitleBar, OkThenTitleBar };
    // Max Problems typed as 40, then left holding 40000 (the title bar moves no focus).
    const std::vector<std::pair<How, std::int16_t>> rows{
        {Ok, 40}, {Cancel, 200}, {TitleBar, 40}, {OkThenTitleBar, 40}};
    for (const auto& [how, maxProblems] : rows) {
        SCOPED_TRACE(how);
        Smart f;
        f.type(11, "40");
        f.p.flags.studentFromSmart = 1;
        f.form.cbr_got_focus(11), f.form.cbr_change(11, "40000");
        if (how == Ok || how == OkThenTitleBar) {
            f.form.cbr_lost_focus(11), f.form.bnapply_click();
            EXPECT_EQ(f.form.model().focusCombo, 0) << "no box holds the focus";
            f.form.cbr_change(11, "77"); // a close that Ok caused does not apply again
        }
        if (how == Cancel) {
            f.form.bncancel_click();
        } else if (how != Ok) {
            f.form.close_request(true);
        }
        // applied: what Student Data carries over
        EXPECT_EQ(ints(f.m.open, f.m.applied, f.p.flags.studentFromSmart, f.cur().maxProblems()),
                  ints(false, how != Cancel, 0, maxProblems));
        EXPECT_EQ(English(f.p.main.statusLines[5]), how == Cancel ? "" : "MaxProb 40");
    }
    // "Student Data" stores the controls and sets the flag, unless the window came from there.
    for (int fromStudent : {0, 1}) {
        SCOPED_TRACE(fromStudent);
        Smart f;
        f.p.flags.smartFromStudent = i16(fromStudent);
        f.form.load();
        EXPECT_EQ(f.m.studentDataEnabled, fromStudent == 0);
        f.type(12, "4");
        f.form.godata_click();
        EXPECT_EQ(ints(f.p.flags.studentFromSmart, f.cur().shockSeconds(), f.m.open),
                  ints(1 - fromStudent, fromStudent == 0 ? 4 : 10, true));
        // Student Data, opened from here or the window this one came from, closed by the program
        // (a shut-down that cannot wait) applied nothing: what was current before either window
        // goes back.
        StudentForm student(f.p);
        student.load();
        student.close_request(false);
        f.p.run.settingsBackup.cancelAll(f.p.cur());
        EXPECT_EQ(f.cur().shockSeconds(), 10);
    }
}

// The number boxes' lists as the window shows them, blanks and all, written out by hand.
TEST(SmartForm, ListsLineTheirValuesUpOnTheRight)
{
    const std::vector<std::pair<int, std::string>> lists{
        {1, "   1|   2|   3|   4|   5|   6|   7|   8|   9| 10"},
        {8, "  1|  2|  3|  4|  5|  6|  7|  8|  9|10"},
        {10,
         "    3|    5|  10|  15|  20|  25|  30|  35|  40|  45|  50|  55|  60|  70|  80|  90|100"},
        {11, "   20|   40|   60|   80| 100| 120| 140| 160| 180| 200| 250| 300| 350| 400"},
        {9, "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10"},
        {12, "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10|  15|  20"},
        {13, "   0|   1|   2|   3|   4|   5|   6|   7|   8|   9| 10"}};
    for (const auto& [box, items] : lists) {
        std::string joined;
        for (const std::string& item : comboItems(box)) {
            joined += (joined.empty() ? "" : "|") + item;
        }
        EXPECT_EQ(joined, items) << box;
    }
}

} // namespace
} // namespace sb::test
