#include "flow/smart_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "records/drill_settings.h"
#include "records/index.h"
#include "support/test_support.h"

namespace {

using sb::DrillSettings;

// The original defaults in use for the pupil "Ann", the Smart Repeat window just opened.
struct Smart : sb::test::ProgramFixture {
    sb::StdRandom random{1};
    sb::Program& program = p;
    sb::SmartModel m;

    Smart() : ProgramFixture(random)
    {
        sb::LoadOriginalDefaults(program.settings);
        program.cur() = program.settings.defaultSettings;
        sb::setName(program.cur(), "Ann");
        sb::smart_load(program, m);
    }
    DrillSettings& cur() { return program.cur(); }
    DrillSettings& defaults() { return program.settings.defaultSettings; }
    // The teacher tabs into box i, types over its text and tabs out.
    void type(int i, const std::string& text)
    {
        sb::cbr_got_focus(program, m, i);
        sb::cbr_change(m, i, text);
        sb::cbr_lost_focus(program, m, i);
    }
};

TEST(SmartForm, OpensOnCurrentSettingsAndOkShowsThemOnTheStatusPanel)
{
    Smart f;
    f.cur().stopOn = 4;
    f.cur().smartCheck[2] = 0;
    f.cur().smartValue[12] = 7;
    sb::smart_load(f.program, f.m);
    sb::stopon_click(f.program, f.m, 0); // clicks outside the control arrays change nothing
    sb::stopon_click(f.program, f.m, 6);
    sb::ck_click(f.m, 0, 1);
    sb::ck_click(f.m, 7, 1);
    EXPECT_EQ(f.m.stopon, 4);
    EXPECT_EQ(f.m.ck, (std::array<std::int16_t, 7>{0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(f.m.cbr[1] + " " + f.m.cbr[12] + " " + f.m.cbr[13], "2 7 0");
    EXPECT_EQ(f.program.settings.backupSettings, f.cur());

    sb::stopon_click(f.program, f.m, 1);
    EXPECT_EQ(f.cur().stopOn, 1); // an option writes curSettings at once
    sb::ck_click(f.m, 6, 1);
    sb::ck_click(f.m, 1, 0);
    f.type(1, "4");
    f.type(11, "20");
    f.type(12, "5");
    f.type(13, "2");
    sb::bnapply_click(f.program, f.m);
    EXPECT_FALSE(f.m.open);
    EXPECT_EQ(f.cur().smartCheck, (std::array<std::int16_t, 7>{0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(f.cur().wrongTimes(), 4);
    EXPECT_EQ(f.cur().delaySeconds(), 2);
    const auto& panel = f.program.main.DisSet;
    EXPECT_EQ(panel[3] + panel[5] + panel[6] + panel[7],
              "Save      OnMaxProb 20StopOn   TimeTimer      5");
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
        sb::smart_load(f.program, f.m);
        f.type(row.box, row.typed);
        EXPECT_EQ(f.m.cbr[sb::at(row.box)], row.shown);
        sb::bnapply_click(f.program, f.m);
        EXPECT_EQ(f.cur().smartValue[sb::at(row.box)], row.value);
    }
}

TEST(SmartForm, DefaultsButtonsChangeTheCustomDefaultsAndCancelKeepsThat)
{
    Smart f;
    f.defaults().operation = sb::OpMult; // a custom default this window does not show
    sb::setName(f.defaults(), "Old");
    f.cur().stopOn = 5;
    sb::smart_load(f.program, f.m);
    const DrillSettings opened = f.cur();

    f.type(11, "80");
    sb::stopon_click(f.program, f.m, 3);
    sb::bndef_click(f.program, f.m);
    EXPECT_EQ(f.m.dsdef, "Custom Default");
    EXPECT_EQ(f.defaults().maxProblems(), 80);
    EXPECT_EQ(f.defaults().stopOn, 3);
    EXPECT_EQ(f.defaults().tag, 1);
    EXPECT_EQ(sb::trimmedName(f.defaults()), "Default");
    EXPECT_EQ(f.defaults().operation, sb::OpMult);
    sb::bndef_lost_focus(f.m);
    EXPECT_EQ(f.m.dsdef, "");

    sb::bnrstdef_click(f.program, f.m);
    EXPECT_EQ(f.m.dsdef, "Original Default");
    EXPECT_EQ(f.m.cbr[11], "200");
    EXPECT_EQ(f.cur().stopOn, 2); // showing option 2 clicked it
    EXPECT_EQ(f.defaults().operation, sb::OpAdd);
    EXPECT_EQ(f.defaults().tag, 0);
    sb::bnrstdef_lost_focus(f.m);
    EXPECT_EQ(f.m.dsdef, "");

    sb::bncancel_click(f.program, f.m);
    EXPECT_FALSE(f.m.open);
    EXPECT_EQ(f.cur(), opened);
    EXPECT_EQ(f.defaults().maxProblems(), 200);
    EXPECT_EQ(f.program.main.DisSet[5], ""); // Cancel does not refresh the main window
}

TEST(SmartForm, EveryCloseClearsStudentFromSmartOnlyTheTitleBarCloseApplies)
{
    enum How { Ok, Cancel, TitleBar, OkThenTitleBar };
    // Max Problems typed as 40, then left holding 40000 (the title bar moves no focus).
    const std::vector<std::pair<How, std::int16_t>> rows{
        {Ok, 40}, {Cancel, 200}, {TitleBar, 40}, {OkThenTitleBar, 40}};
    for (const auto& [how, maxProblems] : rows) {
        SCOPED_TRACE(how);
        Smart f;
        f.type(11, "40");
        f.program.flags.studentFromSmart = 1;
        sb::cbr_got_focus(f.program, f.m, 11);
        sb::cbr_change(f.m, 11, "40000");
        if (how == Ok || how == OkThenTitleBar) {
            sb::cbr_lost_focus(f.program, f.m, 11);
            sb::bnapply_click(f.program, f.m);
            f.m.cbr[11] = "77"; // a close that Ok caused does not apply again
        }
        if (how == Cancel) {
            sb::bncancel_click(f.program, f.m);
        }
        if (how == TitleBar || how == OkThenTitleBar) {
            sb::smart_close_request(f.program, f.m, true);
        }
        EXPECT_FALSE(f.m.open);
        EXPECT_EQ(f.m.applied, how != Cancel) << "what Student Data carries over";
        EXPECT_EQ(f.program.flags.studentFromSmart, 0);
        EXPECT_EQ(f.cur().maxProblems(), maxProblems);
        EXPECT_EQ(f.program.main.DisSet[5], how == Cancel ? "" : "MaxProb 40");
    }
}

TEST(SmartForm, StudentDataButtonStoresTheControlsAndIsOffWhenOpenedFromThere)
{
    for (int fromStudent : {0, 1}) {
        SCOPED_TRACE(fromStudent);
        Smart f;
        f.program.flags.smartFromStudent = sb::i16(fromStudent);
        sb::smart_load(f.program, f.m);
        EXPECT_EQ(f.m.godata, fromStudent == 0);
        f.type(12, "4");
        sb::godata_click(f.program, f.m);
        EXPECT_EQ(f.program.flags.studentFromSmart, 1 - fromStudent);
        EXPECT_EQ(f.cur().shockSeconds(), fromStudent == 0 ? 4 : 10);
        EXPECT_TRUE(f.m.open);
    }
}

// The items exactly as the window lists them, blanks in front included.
TEST(SmartForm, ListsLineTheirValuesUpOnTheRight)
{
    const std::string ten2 = "  1|  2|  3|  4|  5|  6|  7|  8|  9|10";
    const std::string ten3 = "   1|   2|   3|   4|   5|   6|   7|   8|   9| 10";
    const std::string ten4 = "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10";
    const std::string percents =
        "    3|    5|  10|  15|  20|  25|  30|  35|  40|  45|  50|  55|  60|  70|  80|  90|100";
    const std::string problems =
        "   20|   40|   60|   80| 100| 120| 140| 160| 180| 200| 250| 300| 350| 400";
    const std::string seconds =
        "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10|  15|  20";
    const std::string delays = "   0|   1|   2|   3|   4|   5|   6|   7|   8|   9| 10";
    const std::vector<std::string> lists{"",       ten3,     ten3,    ten3,   ten4,
                                         ten3,     ten3,     ten3,    ten2,   ten4,
                                         percents, problems, seconds, delays, ""};
    for (int box = 0; box <= 14; ++box) {
        std::string joined;
        for (const std::string& item : sb::comboItems(box)) {
            joined += (joined.empty() ? "" : "|") + item;
        }
        EXPECT_EQ(joined, lists[sb::at(box)]) << box;
    }
}

} // namespace
