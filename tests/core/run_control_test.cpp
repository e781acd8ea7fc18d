// Start, the drill clock, the delay window, Pause, New Drill and the end of a drill, and the
// selection controls of the main window, through the program's own handlers.

#include "flow/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "flow/answering.h"
#include "flow/feedback.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// A program loaded without a settings file: the original defaults (ShockClock 10 s, no delay,
// pop-up 5 s, stop after 200 problems), no drill started.
struct Session {
    Session() { ProgramLoad(p); }
    void right() { but_click(p, p.drill.rightSlot); }
    void wrong()
    {
        but_click(p, p.drill.wrongSlot1);
        pop_but_click(p, p.drill.rightSlot);
    }
    // A tick that sees the wall clock on the next minute.
    void minute()
    {
        f.clock.minute = static_cast<std::int16_t>((f.clock.minute + 1) % 60);
        ClockTick(p);
    }
    // start, cPause, Reset, smartgo, goauto, resultsgo, helpgo and the three answer buttons.
    std::string controls() const
    {
        const MainModel& m = p.main;
        std::string out;
        for (bool on : {m.start, m.cPause, m.Reset, m.smartgo, m.goauto, m.resultsgo, m.helpgo,
                        m.but[1].enabled, m.but[2].enabled, m.but[3].enabled}) {
            out += on ? '1' : '0';
        }
        return out;
    }
    // The boxes as "a1..a4/b1..b10".
    void select(const std::string& boxes)
    {
        for (std::size_t i = 0; i < 14; ++i) {
            auto& box = i < 4 ? p.main.a[i + 1] : p.main.b[i - 3];
            box.value = static_cast<std::int16_t>(boxes[i < 4 ? i : i + 1] - '0');
        }
    }
    std::string shown() const
    {
        std::string out;
        for (std::size_t i = 0; i < 14; ++i) {
            out += (i == 4 ? "/" : "") +
                   std::to_string(i < 4 ? p.main.a[i + 1].value : p.main.b[i - 3].value);
        }
        return out;
    }

    StdRandom random{20240611};
    ProgramFixture f{random};
    Program& p = f.program;
};

constexpr const char* kRunning = "0100000111";
constexpr const char* kIdle = "1011111000";

TEST(RunControl, StartPausesAndEndsSetTheControls)
{
    Session r;
    EXPECT_EQ(r.controls(), "1001101000") << "after start-up: no Pause, New Drill or Results";
    StartDrill(r.p);
    EXPECT_EQ(r.controls(), kRunning);
    EXPECT_EQ(r.p.main.DsBgn, "Get Ready");
    PauseDrill(r.p);
    EXPECT_EQ(r.controls(), kIdle);
    EXPECT_EQ(r.p.run.drillResumable, 1);
    EXPECT_FALSE(r.p.main.timerEnabled);
    StartDrill(r.p);
    EndDrill(r.p);
    EXPECT_EQ(r.controls(), kIdle);
    EXPECT_EQ(r.p.run.drillResumable, 0);
    EXPECT_EQ(r.f.pictures.shown, (std::vector<int>{1, 1, 1})); // Pause, EndDrill, its SetIdle
    EXPECT_EQ(r.f.sound.played, (std::vector<int>{1, 1, 5}));
}

TEST(RunControl, ClockStartsAtOnceWithoutDelayAndAfterTheDelayWindowWithIt)
{
    for (std::int16_t delay : {std::int16_t{0}, std::int16_t{3}}) {
        SCOPED_TRACE(delay);
        Session r;
        r.p.cur().delaySeconds() = delay;
        StartDrill(r.p);
        for (int left = delay; left > 0; --left) {
            ASSERT_EQ(r.p.main.modal, Modal::Delay);
            EXPECT_EQ(r.p.main.noshow.d, "          Delay: " + std::to_string(left));
            ClockTick(r.p); // the problem is shown but its countdown has not begun
            but_click(r.p, r.p.drill.rightSlot);
            EXPECT_EQ(r.p.drill.shockLeft, 10);
            deltime_tick(r.p);
        }
        EXPECT_EQ(r.p.main.modal, Modal::None);
        EXPECT_EQ(r.p.main.clockStarts, 1u);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 10 sec");
        deltime_tick(r.p); // a late tick of the closed window's timer does nothing
        ClockTick(r.p);
        ClockTick(r.p);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 8 sec");
        EXPECT_EQ(r.p.drill.total, 0);
        // The start sound, a tick per delay second, then a tick and picture 5 per clock second.
        std::vector<int> sounds{1};
        sounds.insert(sounds.end(), static_cast<std::size_t>(delay + 2), 6);
        EXPECT_EQ(r.f.sound.played, sounds);
        EXPECT_EQ(r.f.pictures.shown, (std::vector<int>{5, 5}));
    }
}

TEST(RunControl, MinutesAreChangesOfTheWallClockMinuteSeenByTicks)
{
    struct Row {
        const char* name;
        std::int16_t startMinute;
        std::vector<std::int16_t> tickMinutes;
        const char* dsttime;
    };
    const std::vector<Row> rows{
        {"started at 10:15:59, first tick at 10:16:00", 15, {16}, " Time: 1 min"},
        {"the hour wraps round", 59, {0}, " Time: 1 min"},
        {"two changes in four ticks", 15, {15, 16, 16, 17}, " Time: 2 min"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.f.clock.minute = row.startMinute;
        StartDrill(r.p);
        for (std::int16_t m : row.tickMinutes) {
            r.f.clock.minute = m;
            ClockTick(r.p);
        }
        EXPECT_EQ(r.p.main.dsttime, row.dsttime);
    }
}

TEST(RunControl, StopRuleEndsTheDrillAfterTheProblemThatReachesIt)
{
    Session r;
    r.p.cur().stopOn = 3;
    r.p.cur().maxMinutes() = 1;
    StartDrill(r.p);
    r.right();
    r.minute();
    ASSERT_TRUE(r.p.main.timerEnabled) << "minutes are judged when a problem ends";
    r.wrong();
    EXPECT_EQ(r.controls(), kIdle);
    EXPECT_FALSE(r.p.main.timerEnabled);
    EXPECT_EQ(r.p.drill.total, 2);
    EXPECT_EQ(r.f.sound.played.back(), 5);
    EXPECT_EQ(r.f.pictures.shown.back(), 1);
}

TEST(RunControl, TimeOutPopUpStaysOpenThroughManyClockPeriodsWithoutASecondTimeOut)
{
    Session r;
    StartDrill(r.p);
    for (int i = 0; i < 10; ++i) {
        ClockTick(r.p);
    }
    ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    const std::vector<int> sounds = r.f.sound.played;
    // Ticks go on arriving, later as though the clock had never been stopped, across a minute.
    for (int i = 0; i < 50; ++i) {
        if (i == 25) {
            r.p.main.timerEnabled = true;
            r.f.clock.minute = 16;
        }
        ClockTick(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    }
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.drillMinutes, 0);
    EXPECT_EQ(r.f.sound.played, sounds);
    pop_but_click(r.p, r.p.drill.rightSlot);
    ClockTick(r.p);
    EXPECT_EQ(r.p.drill.shockLeft, 9);
}

TEST(RunControl, StartResumesOnlyAPausedDrillWithTheSameSelection)
{
    const std::vector<std::pair<const char*, void (*)(Program&)>> rows{
        {"paused", [](Program&) {}},
        {"switch changed", [](Program& p) { switch_click(p, 0); }},
        {"operation changed", [](Program& p) { op_click(p, OpMult); }},
        {"a second number cleared", [](Program& p) { b_click(p, 3, 0); }},
        {"New Drill", [](Program& p) { NewDrill(p); }},
    };
    for (const auto& [what, change] : rows) {
        SCOPED_TRACE(what);
        const bool resumes = what[0] == 'p' || what[0] == 's';
        Session r;
        r.f.clock.minute = 10;
        StartDrill(r.p);
        r.right();
        r.wrong();
        r.minute();
        PauseDrill(r.p);
        change(r.p);
        const Drill before = r.p.drill;
        r.f.clock.minute = 40; // a long pause
        StartDrill(r.p);

        EXPECT_EQ(r.controls(), kRunning);
        EXPECT_EQ(r.p.drill.score * 10 + r.p.drill.total, resumes ? 12 : 0);
        if (resumes) {
            EXPECT_EQ(r.p.drill.pool, before.pool);
            EXPECT_EQ(r.p.drill.facts, before.facts);
            // The pause is not counted: the first tick sees the minute Start saw.
            ClockTick(r.p);
            EXPECT_EQ(r.p.drill.drillMinutes, 1);
        }
    }
}

// Fact 195 (second number 10, column 15) is not in the pool; queued, it comes at the first
// problem after Start, whatever delay was left when the drill was paused.
TEST(RunControl, StartMakesAQueuedRepetitionDueAtOnce)
{
    Session r;
    StartDrill(r.p);
    PauseDrill(r.p);
    r.p.drill.repeatList[1] = 195;
    r.p.drill.repeatCount = 1;
    r.p.drill.repeatDelay = 3;
    StartDrill(r.p);
    EXPECT_EQ(r.p.drill.curFact, 195);
    EXPECT_GE(r.p.drill.repeatDelay, 1);
}

TEST(RunControl, StartMakesTheSelectionNonEmptyBeforeBuildingThePool)
{
    struct Row {
        std::int16_t autoTeach;
        const char* boxes;
        const char* fixed; // shown after Start
        int poolCount;
    };
    const std::vector<Row> rows{
        {0, "0000/1111111111", "1000/1111111111", 100},
        {0, "0100/0000000000", "0100/1111111111", 30},
        {1, "0000/0000000000", "1000/1000000000", 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.boxes);
        Session r;
        r.p.cur().autoTeach = row.autoTeach;
        r.select(row.boxes);
        StartDrill(r.p);
        EXPECT_EQ(r.controls(), kRunning);
        EXPECT_EQ(r.shown(), row.fixed);
        EXPECT_EQ(r.p.drill.poolCount, row.poolCount);
    }
}

TEST(RunControl, NewDrillDuringARunClearsTheCaptionsButNotTheCounters)
{
    Session r;
    StartDrill(r.p);
    r.right();
    r.right();
    b_click(r.p, 4, 0);
    NewDrill(r.p);
    EXPECT_EQ(r.p.main.dsscore + r.p.main.dstotal, "Score: Total:");
    EXPECT_EQ(r.controls(), kRunning);
    r.wrong();
    EXPECT_EQ(r.p.main.dstotal, " Total: 2/3");
}

TEST(MainForm, TenSubLocksTheFirstNumbersAndAnyOtherOperationRestoresThem)
{
    struct Row {
        const char* before;
        std::vector<int> clicks; // operations; 0 is Select All of the first numbers
        const char* after;       // values, then enabled
    };
    const std::vector<Row> rows{
        {"0101", {Op10Sub}, "1000 0000"},
        {"0101", {Op10Sub, OpAdd}, "0101 1111"},
        // Chosen twice, 10 Sub keeps the values saved the first time.
        {"0101", {Op10Sub, Op10Sub, OpAdd}, "0101 1111"},
        // Select All while locked ticks the still disabled boxes, not the ones to restore.
        {"0010", {Op10Sub, 0}, "1111 0000"},
        {"0010", {Op10Sub, 0, Op10Sub, OpMult}, "0010 1111"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.before + std::to_string(row.clicks.size()));
        Session r;
        for (std::size_t g = 1; g <= 4; ++g) {
            r.p.main.a[g].value = static_cast<std::int16_t>(row.before[g - 1] - '0');
        }
        for (int k : row.clicks) {
            k == 0 ? asela_click(r.p) : op_click(r.p, k);
        }
        std::string values, enabled;
        for (std::size_t g = 1; g <= 4; ++g) {
            values += std::to_string(r.p.main.a[g].value);
            enabled += r.p.main.a[g].enabled ? '1' : '0';
        }
        EXPECT_EQ(values + " " + enabled, row.after);
        EXPECT_EQ(r.p.flags.firstLocked, enabled == "0000" ? 1 : 0);
    }
}

TEST(MainForm, EverySelectionClickEnablesNewDrillAndReadSelectionTakesTheBoxes)
{
    struct Row {
        const char* name;
        void (*click)(Program&);
        const char* shown;
    };
    const std::vector<Row> rows{
        {"a ticked", [](Program& p) { a_click(p, 3, 1); }, "1010/1111111111"},
        {"b cleared", [](Program& p) { b_click(p, 7, 0); }, "1000/1111110111"},
        // The select buttons enable New Drill themselves, also when no box changes.
        {"bsela", [](Program& p) { bsela_click(p); }, "1000/1111111111"},
        {"bseln", [](Program& p) { bseln_click(p); }, "1000/0000000000"},
        {"asela", [](Program& p) { asela_click(p); }, "1111/1111111111"},
        {"aseln", [](Program& p) { aseln_click(p); }, "0000/1111111111"},
        {"op 10 Sub", [](Program& p) { op_click(p, Op10Sub); }, "1000/1111111111"},
        {"switch", [](Program& p) { switch_click(p, 0); }, "1000/1111111111"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        ASSERT_FALSE(r.p.main.Reset);
        row.click(r.p);
        EXPECT_TRUE(r.p.main.Reset);
        EXPECT_EQ(r.shown(), row.shown);
        DrillSettings read;
        ReadSelection(r.p.main, read);
        std::string selection;
        for (std::size_t i = 1; i <= 14; ++i) {
            selection += (i == 5 ? "/" : "") +
                         std::to_string(i <= 4 ? read.firstRange[i] : read.secondNum[i - 4]);
        }
        EXPECT_EQ(selection, row.shown);
        EXPECT_EQ(read.operation, r.p.main.op);
        EXPECT_EQ(r.p.cur().switchAB, r.p.main.switchBox.value);
    }
}

} // namespace
} // namespace sb::test
