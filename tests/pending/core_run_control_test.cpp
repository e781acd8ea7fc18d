#include "flow/run_control.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "flow/answering.h"
#include "flow/feedback.h"
#include "flow/main_form.h"
#include "records/drill_settings.h"

namespace {

using sb::Modal;

// A program as started without a settings file: the original defaults shown (ShockClock 10 s,
// no delay, pop-up 5 s, stop after 200 problems), no drill started.
struct Session {
    sb::StdRandom random{20240611};
    sb::test::FixedClock clock;
    sb::test::RecordingSound sound;
    sb::test::RecordingPictures pictures;
    sb::test::TempDir dir;
    sb::Services services{random, clock, sound, pictures, dir.path()};
    sb::Program p{services};

    Session()
    {
        sb::LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        const sb::DrillSettings shown = p.cur();
        sb::ShowSelection(p, shown);
        p.main.cPause = p.main.Reset = false;
        p.flags.firstLocked = 0;
        p.settings.startSettings = p.cur();
    }

    sb::DrillSettings& s() { return p.cur(); }
    bool running() const { return !p.main.start && p.main.cPause; }

    // Runs steps named by words, e.g. "Start right minute Pause"; a minute is a tick that sees
    // the wall clock on the next minute; a time-out's pop-up closes by its own timer.
    void run(const std::string& script)
    {
        static const std::map<std::string, std::function<void(Session&)>> steps{
            {"Start", [](Session& r) { sb::StartDrill(r.p); }},
            {"Pause", [](Session& r) { sb::PauseDrill(r.p); }},
            {"NewDrill", [](Session& r) { sb::NewDrill(r.p); }},
            {"right", [](Session& r) { sb::but_click(r.p, r.p.drill.rightSlot); }},
            {"wrong",
             [](Session& r) {
                 sb::but_click(r.p, r.p.drill.wrongSlot1);
                 sb::pop_but_click(r.p, r.p.drill.rightSlot);
             }},
            {"timeout",
             [](Session& r) {
                 for (int i = 0; i < 10 + r.s().popupSeconds(); ++i) {
                     r.p.main.modal == Modal::None ? sb::ClockTick(r.p) : sb::pop_timer_tick(r.p);
                 }
             }},
            {"minute",
             [](Session& r) {
                 r.clock.minute = static_cast<std::int16_t>((r.clock.minute + 1) % 60);
                 sb::ClockTick(r.p);
             }},
            {"switch", [](Session& r) { sb::switch_click(r.p, 0); }},
            {"Mult", [](Session& r) { sb::op_click(r.p, sb::OpMult); }},
            {"-b3", [](Session& r) { sb::b_click(r.p, 3, 0); }},
        };
        std::istringstream words(script);
        for (std::string w; words >> w;) {
            SCOPED_TRACE(w);
            steps.at(w)(*this);
            ASSERT_EQ(p.main.modal == Modal::Feedback, false);
        }
    }
    // The boxes as "a1..a4/b1..b10", read from the window or written to it.
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
};

TEST(RunControl, ClockStartsAtOnceWithoutDelayAndAfterTheDelayWindowWithIt)
{
    for (std::int16_t delay : {std::int16_t{0}, std::int16_t{3}}) {
        SCOPED_TRACE(delay);
        Session r;
        r.s().delaySeconds() = delay;
        sb::StartDrill(r.p);
        for (int left = delay; left > 0; --left) {
            ASSERT_EQ(r.p.main.modal, Modal::Delay);
            EXPECT_EQ(r.p.main.noshow.d, "          Delay: " + std::to_string(left));
            sb::ClockTick(r.p); // the problem is shown but its countdown has not begun
            EXPECT_EQ(r.p.drill.shockLeft, 10);
            sb::deltime_tick(r.p);
        }
        EXPECT_EQ(r.p.main.modal, Modal::None);
        EXPECT_EQ(r.p.main.clockStarts, 1u);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 10 sec");
        sb::deltime_tick(r.p); // a late tick of the closed window's timer does nothing
        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 9 sec");
        // The start sound, one tick sound per delay second, one for the clock's first second.
        EXPECT_EQ(r.sound.played.size(), static_cast<std::size_t>(delay + 2));
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
        r.clock.minute = row.startMinute;
        sb::StartDrill(r.p);
        for (std::int16_t m : row.tickMinutes) {
            r.clock.minute = m;
            sb::ClockTick(r.p);
        }
        EXPECT_EQ(r.p.main.dsttime, row.dsttime);
    }
}

TEST(RunControl, StopRuleEndsTheDrillAfterTheRightProblem)
{
    struct Row {
        const char* name;
        std::int16_t stopOn, maxMinutes, maxProblems;
        const char* script; // after Start; ends with the problem that ends the drill, if any
        int total, score;
        bool ends;
    };
    const std::vector<Row> rows{
        {"2: a time-out counts toward maxProblems", 2, 1, 3, "minute right minute timeout right", 3,
         2, true},
        {"3: problems first", 3, 30, 3, "right minute right right", 3, 3, true},
        {"3: time first", 3, 2, 200, "right minute right minute wrong", 3, 2, true},
        {"4: problems reached, then minutes", 4, 2, 3,
         "right right timeout minute right right minute right", 6, 5, true},
        {"4: minutes reached, then problems", 4, 1, 4, "minute right right right wrong", 4, 3,
         true},
        {"5: never", 5, 1, 1, "minute timeout right minute right", 3, 2, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().stopOn = row.stopOn;
        r.s().maxMinutes() = row.maxMinutes;
        r.s().maxProblems() = row.maxProblems;
        r.run(std::string("Start ") + row.script);
        EXPECT_EQ(r.p.drill.total, row.total);
        EXPECT_EQ(r.p.drill.score, row.score);
        EXPECT_EQ(r.running(), !row.ends);
        EXPECT_EQ(r.p.main.timerEnabled, !row.ends);
        if (row.ends) {
            EXPECT_EQ(r.sound.played.back(), 5);
            EXPECT_EQ(r.pictures.shown.back(), 1);
        }
    }
}

TEST(RunControl, TimeOutPopUpStaysOpenThroughManyClockPeriodsWithoutASecondTimeOut)
{
    Session r;
    sb::StartDrill(r.p);
    for (int i = 0; i < 10; ++i) {
        sb::ClockTick(r.p);
    }
    ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    EXPECT_EQ(r.p.main.pop.ms, "!! Time Out !!");
    const std::vector<int> sounds = r.sound.played;

    // Ticks go on arriving, later as though the clock had never been stopped, across a minute.
    for (int i = 0; i < 50; ++i) {
        if (i == 25) {
            r.p.main.timerEnabled = true;
            r.clock.minute = 16;
        }
        sb::ClockTick(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    }
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.drillMinutes, 0);
    EXPECT_EQ(r.sound.played, sounds);

    sb::pop_but_click(r.p, r.p.drill.rightSlot);
    EXPECT_EQ(r.p.drill.total, 1);
    sb::ClockTick(r.p);
    EXPECT_EQ(r.p.drill.shockLeft, 9);
}

TEST(RunControl, StartResumesOnlyAPausedDrillWithTheSameSelection)
{
    const std::vector<std::pair<const char*, bool>> rows{
        {"Pause", true},      {"Pause switch", true},    {"Pause Mult", false},
        {"Pause -b3", false}, {"Pause NewDrill", false},
    };
    for (const auto& [script, resumes] : rows) {
        SCOPED_TRACE(script);
        Session r;
        r.clock.minute = 10;
        r.run(std::string("Start right wrong minute ") + script);
        ASSERT_FALSE(r.running());
        const sb::Drill before = r.p.drill;
        r.clock.minute = 40; // a long pause
        sb::StartDrill(r.p);

        ASSERT_TRUE(r.running());
        EXPECT_EQ(r.p.drill.total, resumes ? 2 : 0);
        EXPECT_EQ(r.p.drill.score, resumes ? 1 : 0);
        if (resumes) {
            EXPECT_EQ(r.p.drill.pool, before.pool);
            EXPECT_EQ(r.p.drill.facts, before.facts);
            // The pause is not counted: the first tick sees the minute Start saw.
            sb::ClockTick(r.p);
            EXPECT_EQ(r.p.drill.drillMinutes, 1);
        }
    }
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
        r.s().autoTeach = row.autoTeach;
        r.select(row.boxes);
        sb::StartDrill(r.p);
        ASSERT_TRUE(r.running());
        EXPECT_EQ(r.shown(), row.fixed);
        EXPECT_EQ(r.p.drill.poolCount, row.poolCount);
    }
}

TEST(RunControl, NewDrillDuringARunClearsTheCaptionsButNotTheCounters)
{
    Session r;
    r.run("Start right right");
    sb::b_click(r.p, 4, 0);
    sb::NewDrill(r.p);
    EXPECT_EQ(r.p.main.dsscore, "Score:");
    EXPECT_EQ(r.p.main.dstotal, " Total:");
    EXPECT_FALSE(r.p.main.Reset);
    EXPECT_TRUE(r.running());

    r.run("wrong");
    EXPECT_EQ(r.p.main.dstotal, " Total: 2/3");
}

} // namespace

TEST(RunControl, WhileAPopupOrTheDelayWindowIsOpenTheMainWindowsHandlersDoNothing)
{
    for (const std::int16_t delay : {std::int16_t{2}, std::int16_t{0}}) {
        SCOPED_TRACE(delay == 0 ? "wrong answer" : "delay");
        Session r;
        r.s().delaySeconds() = delay;
        sb::StartDrill(r.p);
        if (delay == 0) {
            sb::but_click(r.p, r.p.drill.wrongSlot1);
        }
        const std::string before = r.shown();
        const std::int16_t op = r.p.main.op;
        const std::int16_t switched = r.p.main.switchBox.value;
        for (auto* handler :
             {sb::PauseDrill, sb::NewDrill, sb::StartDrill, sb::bseln_click, sb::asela_click}) {
            handler(r.p);
        }
        sb::op_click(r.p, sb::OpMult);
        sb::b_click(r.p, 3, 0);
        sb::switch_click(r.p, switched == 0 ? 1 : 0);
        EXPECT_TRUE(r.running() && !r.p.main.Reset);
        EXPECT_EQ(r.shown() + std::to_string(op) + std::to_string(switched),
                  before + std::to_string(r.p.main.op) + std::to_string(r.p.main.switchBox.value));

        // Closing the main window takes the dialog away without going on with the drill.
        const std::int32_t total = r.p.drill.total;
        sb::CloseModalWindows(r.p);
        EXPECT_EQ(r.p.main.modal, Modal::None);
        EXPECT_FALSE(r.p.main.timerEnabled);
        EXPECT_EQ(r.p.drill.total, total);
    }
}

TEST(RunControl, AnEmptyPoolRefusedAtStartClearsThePreviousProblem)
{
    Session r;
    r.run("Start right Pause");
    sb::op_click(r.p, sb::Op10Sub);
    r.select("1000/0000000001");
    sb::StartDrill(r.p);
    EXPECT_EQ(r.p.main.DsBgn, "Nothing to drill");
    EXPECT_EQ(r.p.main.dm.text + r.p.main.but[1].caption + r.p.main.but[3].caption, "13");
}
