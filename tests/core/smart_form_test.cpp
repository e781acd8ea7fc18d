#include "flow/smart_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "records/drill_settings.h"
#include "records/index.h"

namespace {

using sb::DrillSettings;
using sb::SmartModel;

// The program with the original defaults in use and "Ann" on the main window, the Smart Repeat
// window just opened.
struct Smart : sb::test::ProgramFixture {
    SmartModel m;

    Smart()
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
    EXPECT_EQ(f.m.stopon, 4);
    EXPECT_EQ(f.program.flags.stopChoice, 4);
    EXPECT_EQ(f.m.ck[2], 0);
    EXPECT_EQ(f.m.ck[1], 1);
    EXPECT_EQ(f.m.ck[6], 0);
    EXPECT_EQ(f.m.cbr[1], "2");
    EXPECT_EQ(f.m.cbr[12], "7");
    EXPECT_EQ(f.m.cbr[13], "0");
    EXPECT_EQ(f.m.cbr[11], "200");
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
    EXPECT_EQ(f.cur().wrongTimes(), 4);
    EXPECT_EQ(f.cur().smartValue[11], 20);
    EXPECT_EQ(f.cur().smartValue[12], 5);
    EXPECT_EQ(f.cur().delaySeconds(), 2);
    EXPECT_EQ(f.cur().repeatWrongOn(), 0);
    EXPECT_EQ(f.cur().saveLevel(), 1);
    EXPECT_EQ(f.cur().repeatSlowOn(), 0);
    const auto& panel = f.program.main.DisSet;
    EXPECT_EQ(panel[3], "Save      On");
    EXPECT_EQ(panel[5], "MaxProb 20");
    EXPECT_EQ(panel[6], "StopOn   Time");
    EXPECT_EQ(panel[7], "Timer      5");
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
        {11, "", "200", 200},
        {11, "   ", "200", 200},
        {11, "0", "200", 200},
        {12, "0", "10", 10},
        {12, "00", "10", 10},
        {13, "0", "0", 0},
        {13, "000", "000", 0},
        {11, "40000", "200", 200},
        {11, "99999999999", "200", 200},
        {11, "32767", "32767", 32767},
        {11, "  60", "  60", 60}, // an item, blanks and all
        {10, "7", "7", 7},
        {12, "007", "007", 7},
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

TEST(SmartForm, BoxesTakeDigitsBackspaceAndTabOnly)
{
    const std::vector<std::pair<int, int>> keys{
        {'0', '0'}, {'9', '9'}, {8, 8},   {9, 9},  {'a', 0}, {'Z', 0}, {'/', 0},
        {':', 0},   {' ', 0},   {'-', 0}, {13, 0}, {27, 0},  {22, 0}};
    for (const auto& [key, passed] : keys) {
        SCOPED_TRACE(key);
        EXPECT_EQ(sb::cbr_key_press(key), passed);
    }
}

TEST(SmartForm, TextsReadAsSixteenBitNumbers)
{
    const std::vector<std::pair<const char*, std::optional<std::int16_t>>> rows{
        {"", std::nullopt}, {"12a", std::nullopt}, {"-32769", std::nullopt},
        {"-32768", -32768}, {" 1 2 ", 12},         {"32768", std::nullopt}};
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(sb::readComboValue(text), value);
    }
}

TEST(SmartForm, DefaultsButtonsChangeTheCustomDefaultsAndCancelKeepsThat)
{
    Smart f;
    f.defaults().operation = sb::OpMult; // a custom default this window does not show
    f.defaults().teachSet[1] = 500;
    f.cur().stopOn = 5;
    f.cur().smartValue[11] = 60;
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
    EXPECT_EQ(f.defaults().teachSet[1], 500);
    sb::bndef_lost_focus(f.m);
    EXPECT_EQ(f.m.dsdef, "");

    sb::bnrstdef_click(f.program, f.m);
    EXPECT_EQ(f.m.dsdef, "Original Default");
    EXPECT_EQ(f.m.cbr[11], "200");
    EXPECT_EQ(f.m.stopon, 2);
    EXPECT_EQ(f.cur().stopOn, 2); // showing option 2 clicked it
    EXPECT_EQ(f.defaults().operation, sb::OpAdd);
    EXPECT_EQ(f.defaults().tag, 0);
    sb::bnrstdef_lost_focus(f.m);
    EXPECT_EQ(f.m.dsdef, "");

    sb::bncancel_click(f.program, f.m);
    EXPECT_FALSE(f.m.open);
    EXPECT_EQ(f.cur(), opened);
    EXPECT_EQ(f.defaults().maxProblems(), 200);
    EXPECT_EQ(f.defaults().teachSet[1], 200);
    EXPECT_EQ(f.program.main.DisSet[5], ""); // Cancel does not refresh the main window
}

TEST(SmartForm, OnlyKindsZeroToTwoChangeTheNote)
{
    const std::vector<std::pair<int, const char*>> rows{
        {0, "Original Default"}, {1, "Custom Default"}, {2, ""}, {3, "was"}, {-1, "was"}};
    for (const auto& [kind, note] : rows) {
        SCOPED_TRACE(kind);
        SmartModel m;
        m.dsdef = "was";
        sb::ShowDefaultNote(m, kind);
        EXPECT_EQ(m.dsdef, note);
    }
}

TEST(SmartForm, EveryCloseClearsStudentFromSmartOnlyTheTitleBarCloseApplies)
{
    enum How { Ok, Cancel, TitleBar, OkThenTitleBar };
    struct Row {
        How how;
        std::int16_t maxProblems;
    };
    // Max Problems typed as 40, then the box left holding 40000 (the title bar moves no focus).
    const std::vector<Row> rows{{Ok, 40}, {Cancel, 200}, {TitleBar, 40}, {OkThenTitleBar, 40}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        Smart f;
        f.type(11, "40");
        f.program.flags.studentFromSmart = 1;
        sb::cbr_got_focus(f.program, f.m, 11);
        sb::cbr_change(f.m, 11, "40000");
        if (row.how == Ok || row.how == OkThenTitleBar) {
            sb::cbr_lost_focus(f.program, f.m, 11);
            sb::bnapply_click(f.program, f.m);
            // A close that Ok itself caused does not apply again.
            f.m.cbr[11] = "77";
            f.cur().smartValue[11] = 40;
        }
        if (row.how == Cancel) {
            sb::bncancel_click(f.program, f.m);
        }
        if (row.how == TitleBar || row.how == OkThenTitleBar) {
            sb::smart_close_request(f.program, f.m, true);
        }
        EXPECT_FALSE(f.m.open);
        EXPECT_EQ(f.program.flags.studentFromSmart, 0);
        EXPECT_EQ(f.cur().maxProblems(), row.maxProblems);
        EXPECT_EQ(f.program.main.DisSet[5], row.how == Cancel ? "" : "MaxProb 40");
    }
}

TEST(SmartForm, StudentDataButtonStoresTheControlsAndIsOffWhenOpenedFromThere)
{
    for (std::int16_t fromStudent : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(fromStudent);
        Smart f;
        f.program.flags.smartFromStudent = fromStudent;
        sb::smart_load(f.program, f.m);
        EXPECT_EQ(f.m.godata, fromStudent == 0);
        f.type(12, "4");
        sb::godata_click(f.program, f.m);
        EXPECT_EQ(f.program.flags.studentFromSmart, fromStudent == 0 ? 1 : 0);
        EXPECT_EQ(f.cur().shockSeconds(), fromStudent == 0 ? 4 : 10);
        EXPECT_TRUE(f.m.open);
    }
}

TEST(SmartForm, AStopRuleWithoutAnOptionSelectsNoneAndIsKept)
{
    // Shown over a window that has option 3 selected; values outside 1..5 come from damaged
    // records.
    const std::vector<std::pair<std::int16_t, std::int16_t>> rows{{1, 1}, {5, 5}, {0, 0},
                                                                  {6, 0}, {7, 0}, {-1, 0}};
    for (const auto& [stopOn, selected] : rows) {
        SCOPED_TRACE(stopOn);
        Smart f;
        sb::stopon_click(f.program, f.m, 3);
        DrillSettings shown = f.cur();
        shown.stopOn = stopOn;
        sb::ShowSmartControls(f.program, f.m, shown);
        EXPECT_EQ(f.m.stopon, selected);
        sb::bnapply_click(f.program, f.m);
        EXPECT_EQ(f.cur().stopOn, stopOn);
    }
}

TEST(SmartForm, ListsLineTheirValuesUpOnTheRight)
{
    const std::string ten3 = "   1|   2|   3|   4|   5|   6|   7|   8|   9| 10";
    const std::string ten4 = "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10";
    const std::vector<std::string> lists{
        "",
        ten3,
        ten3,
        ten3,
        ten4,
        ten3,
        ten3,
        ten3,
        "  1|  2|  3|  4|  5|  6|  7|  8|  9|10",
        ten4,
        "    3|    5|  10|  15|  20|  25|  30|  35|  40|  45|  50|  55|  60|  70|  80|  90|100",
        "   20|   40|   60|   80| 100| 120| 140| 160| 180| 200| 250| 300| 350| 400",
        "    1|    2|    3|    4|    5|    6|    7|    8|    9|  10|  15|  20",
        "   0|   1|   2|   3|   4|   5|   6|   7|   8|   9| 10",
        ""};
    for (int box = 0; box <= 14; ++box) {
        SCOPED_TRACE(box);
        std::string joined;
        for (const std::string& item : sb::comboItems(box)) {
            joined += (joined.empty() ? "" : "|") + item;
        }
        EXPECT_EQ(joined, lists[sb::at(box)]);
    }
}

} // namespace
