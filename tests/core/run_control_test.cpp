#include "mainwin/run_control.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/feedback.h"
#include "drill/pool.h"
#include "mainwin/main_form.h"
#include "records/drill_settings.h"

namespace {

using sb::DrillSettings;
using sb::Modal;
using sb::Program;
using sb::test::FixedClock;
using sb::test::RecordingPictures;
using sb::test::RecordingSound;
using sb::test::TempDir;

using Ranges = std::array<std::int16_t, 4>;   // a 1..4
using Seconds = std::array<std::int16_t, 10>; // b 1..10

// Uniform numbers from a seeded engine, counted. For runs of many problems where the exact draws
// do not matter; a constant number cannot serve, because posing draws the first wrong slot again
// until it differs from the right one.
class SeededRandom final : public sb::Random {
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    double next() override
    {
        ++draws;
        return m_dist(m_engine);
    }
    std::size_t draws = 0;

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

// The main window as the program's start leaves it when there is no settings file: the original
// defaults shown, no drill started, cPause, resultsgo, Reset and the answer buttons disabled.
void loadIdle(Program& p)
{
    sb::LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    const DrillSettings shown = p.cur();
    sb::ShowSelection(p, shown);
    p.main.cPause = false;
    p.main.resultsgo = false;
    p.main.Reset = false;
    for (std::size_t i = 1; i <= 3; ++i) {
        p.main.but[i].enabled = false;
    }
    p.flags.firstLocked = 0;
    p.settings.startSettings = p.cur();
}

// A fresh program over fakes, loaded and idle. Default settings: ShockClock 10 s, no delay,
// pop-up 5 s, stop after 200 problems.
struct Session {
    SeededRandom random{20240611};
    FixedClock clock;
    RecordingSound sound;
    RecordingPictures pictures;
    TempDir dir;
    sb::Services services{random, clock, sound, pictures, dir.path()};
    Program p{services};

    Session() { loadIdle(p); }

    DrillSettings& s() { return p.cur(); }
    bool running() const { return !p.main.start && p.main.cPause; }

    void answerRight() { sb::but_click(p, p.drill.rightSlot); }
    // A wrong button, then the right one in the pop-up.
    void answerWrong()
    {
        sb::but_click(p, p.drill.wrongSlot1);
        ASSERT_EQ(p.main.modal, Modal::Feedback);
        sb::pop_but_click(p, p.drill.rightSlot);
    }
    // Lets the ShockClock run out on the same minute; the pop-up then closes by its own timer.
    void timeOut()
    {
        for (int guard = 0; p.main.modal == Modal::None && guard < 100; ++guard) {
            sb::ClockTick(p);
        }
        ASSERT_EQ(p.main.modal, Modal::Feedback);
        for (int i = 0; i < s().popupSeconds(); ++i) {
            sb::pop_timer_tick(p);
        }
        ASSERT_NE(p.main.modal, Modal::Feedback);
    }
    // The wall clock moves on to the next minute and the drill clock ticks once.
    void tickNextMinute()
    {
        clock.minute = static_cast<std::int16_t>((clock.minute + 1) % 60);
        sb::ClockTick(p);
    }
    void setFirst(Ranges r)
    {
        for (std::size_t g = 0; g < 4; ++g) {
            p.main.a[g + 1].value = r[g];
        }
    }
    void setSecond(Seconds v)
    {
        for (std::size_t n = 0; n < 10; ++n) {
            p.main.b[n + 1].value = v[n];
        }
    }
    Ranges shownFirst() const
    {
        Ranges r{};
        for (std::size_t g = 0; g < 4; ++g) {
            r[g] = p.main.a[g + 1].value;
        }
        return r;
    }
    Seconds shownSecond() const
    {
        Seconds v{};
        for (std::size_t n = 0; n < 10; ++n) {
            v[n] = p.main.b[n + 1].value;
        }
        return v;
    }
    int askedSum() const
    {
        int sum = 0;
        for (int i = 1; i <= 200; ++i) {
            sum += p.drill.fact(i).asked;
        }
        return sum;
    }
};

// The main-window controls that are enabled, by name, in a fixed order.
std::string enabledControls(const sb::MainModel& m)
{
    std::string out;
    const auto add = [&out](bool on, const char* name) {
        if (on) {
            out += out.empty() ? "" : " ";
            out += name;
        }
    };
    add(m.start, "start");
    add(m.cPause, "cPause");
    add(m.Reset, "Reset");
    add(m.smartgo, "smartgo");
    add(m.goauto, "goauto");
    add(m.resultsgo, "resultsgo");
    add(m.helpgo, "helpgo");
    add(m.but[1].enabled, "but1");
    add(m.but[2].enabled, "but2");
    add(m.but[3].enabled, "but3");
    return out;
}

constexpr Seconds kAllSeconds{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

TEST(RunControl, WithoutDelayTheClockRunsAsSoonAsTheProblemIsPosed)
{
    Session r;
    sb::StartDrill(r.p);
    EXPECT_EQ(r.p.main.modal, Modal::None);
    EXPECT_TRUE(r.p.main.timerEnabled);
    EXPECT_EQ(r.p.main.noshow.d, "");
    EXPECT_EQ(r.sound.played, std::vector<int>{1});
    EXPECT_EQ(r.p.main.dsshock, "Timer: 10 sec");
    EXPECT_EQ(r.p.main.clockStarts, 1u);

    sb::ClockTick(r.p);
    EXPECT_EQ(r.p.main.dsshock, "Timer: 9 sec");
    EXPECT_EQ(r.sound.played, (std::vector<int>{1, 6}));
    EXPECT_EQ(r.pictures.shown.back(), 5);

    // Each problem starts the clock afresh, so its first tick comes a whole second after it.
    r.answerRight();
    EXPECT_EQ(r.p.main.clockStarts, 2u);
}

TEST(RunControl, DelayWindowCountsDownOneTickASecondAndOnlyThenStartsTheClock)
{
    struct Row {
        std::int16_t delaySeconds;
        std::vector<const char*> labels; // as opened, then after each tick of deltime
    };
    const std::vector<Row> rows{
        {1, {"          Delay: 1", "          Delay: 0"}},
        {3,
         {"          Delay: 3", "          Delay: 2", "          Delay: 1", "          Delay: 0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.delaySeconds);
        Session r;
        r.s().delaySeconds() = row.delaySeconds;
        sb::StartDrill(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Delay);
        EXPECT_EQ(r.p.main.noshow.d, row.labels[0]);
        EXPECT_TRUE(r.p.main.noshow.timerEnabled);
        EXPECT_FALSE(r.p.main.timerEnabled);
        EXPECT_EQ(r.p.main.clockStarts, 0u);

        // The problem is on screen but its countdown has not begun.
        sb::ClockTick(r.p);
        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 10 sec");
        EXPECT_EQ(r.sound.played, std::vector<int>{1});

        for (std::size_t i = 1; i < row.labels.size(); ++i) {
            SCOPED_TRACE("tick " + std::to_string(i));
            const bool last = i + 1 == row.labels.size();
            sb::deltime_tick(r.p);
            EXPECT_EQ(r.p.main.noshow.d, row.labels[i]);
            EXPECT_EQ(r.p.main.modal == Modal::Delay, !last);
            EXPECT_EQ(r.p.main.timerEnabled, last);
            EXPECT_EQ(r.p.main.clockStarts, last ? 1u : 0u);
            EXPECT_EQ(r.sound.played.size(), i + 1);
            EXPECT_EQ(r.sound.played.back(), 6);
        }

        // A late tick of the closed window's timer does nothing.
        sb::deltime_tick(r.p);
        EXPECT_EQ(r.sound.played.size(), row.labels.size());

        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 9 sec");
    }
}

TEST(RunControl, EveryPosedProblemWaitsForItsDelayWindow)
{
    struct Row {
        const char* name;
        void (*end)(Session&);
    };
    const std::vector<Row> rows{
        {"right answer", [](Session& r) { r.answerRight(); }},
        {"wrong answer", [](Session& r) { r.answerWrong(); }},
        {"time-out", [](Session& r) { r.timeOut(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().delaySeconds() = 2;
        sb::StartDrill(r.p);
        sb::deltime_tick(r.p);
        sb::deltime_tick(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::None);

        row.end(r);
        ASSERT_EQ(r.p.drill.total, 1);
        ASSERT_EQ(r.p.main.modal, Modal::Delay);
        EXPECT_EQ(r.p.main.noshow.d, "          Delay: 2");

        // Even a drill clock that was left running delivers nothing while the window is open.
        r.p.main.timerEnabled = true;
        const std::size_t sounds = r.sound.played.size();
        for (int i = 0; i < 20; ++i) {
            sb::ClockTick(r.p);
        }
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_EQ(r.p.drill.total, 1);
        EXPECT_EQ(r.sound.played.size(), sounds);

        sb::deltime_tick(r.p);
        sb::deltime_tick(r.p);
        EXPECT_EQ(r.p.main.modal, Modal::None);
        EXPECT_TRUE(r.p.main.timerEnabled);
        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.drill.shockLeft, 9);
    }
}

TEST(RunControl, MinutesAreChangesOfTheWallClockMinuteSeenByTicks)
{
    struct Row {
        const char* name;
        std::int16_t startMinute;
        std::vector<std::int16_t> tickMinutes;
        const char* dsshock;
        const char* dsttime;
    };
    const std::vector<Row> rows{
        {"same minute", 15, {15}, "Timer: 9 sec", " Time: 0 min"},
        {"started at 10:15:59, first tick at 10:16:00", 15, {16}, "Timer: 9 sec", " Time: 1 min"},
        {"the hour wraps round", 59, {0}, "Timer: 9 sec", " Time: 1 min"},
        {"one tick adds one minute however many passed", 15, {45}, "Timer: 9 sec", " Time: 1 min"},
        {"two changes in four ticks", 15, {15, 16, 16, 17}, "Timer: 6 sec", " Time: 2 min"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.clock.minute = row.startMinute;
        sb::StartDrill(r.p);
        EXPECT_EQ(r.p.main.dsttime, " Time: 0 min");
        for (std::int16_t m : row.tickMinutes) {
            r.clock.minute = m;
            sb::ClockTick(r.p);
        }
        EXPECT_EQ(r.p.main.dsshock, row.dsshock);
        EXPECT_EQ(r.p.main.dsttime, row.dsttime);
    }
}

enum class Ending { Right, Wrong, TimeOut };

TEST(RunControl, StopRuleEndsTheDrillAfterTheRightProblem)
{
    struct Step {
        int newMinutes; // minute changes seen by ticks before the problem ends
        Ending how;
    };
    struct Row {
        const char* name;
        std::int16_t stopOn;
        std::int16_t maxMinutes;
        std::int16_t maxProblems;
        std::vector<Step> steps;
        int endsAfter; // 1-based step, 0: the drill goes on
    };
    const auto R = Ending::Right;
    const auto W = Ending::Wrong;
    const auto T = Ending::TimeOut;

    // stopOn 3 with 30 minutes and 200 problems: the 200th problem ends it at minute 5.
    std::vector<Step> twoHundredInFiveMinutes(200, Step{0, R});
    for (std::size_t i = 0; i < 5; ++i) {
        twoHundredInFiveMinutes[i * 20].newMinutes = 1;
    }
    std::vector<Step> longRun(60, Step{0, R});
    for (std::size_t i = 0; i < longRun.size(); i += 3) {
        longRun[i] = Step{1, i % 2 == 0 ? T : W};
    }

    const std::vector<Row> rows{
        {"1: minutes only, problems ignored", 1, 2, 1, {{0, R}, {1, R}, {0, W}, {1, R}, {0, R}}, 4},
        {"2: a time-out counts toward maxProblems", 2, 1, 3, {{1, R}, {1, T}, {0, R}, {0, R}}, 3},
        {"2: time-outs only", 2, 30, 2, {{0, T}, {0, T}, {0, T}}, 2},
        {"3: problems first", 3, 30, 200, twoHundredInFiveMinutes, 200},
        {"3: time first", 3, 2, 200, {{0, R}, {1, R}, {1, W}, {0, R}}, 3},
        {"4: problems reached, then minutes",
         4,
         2,
         3,
         {{0, R}, {0, R}, {0, T}, {1, R}, {0, R}, {1, R}, {0, R}},
         6},
        {"4: minutes reached, then problems", 4, 1, 4, {{1, R}, {0, R}, {0, R}, {0, W}, {0, R}}, 4},
        {"5: never", 5, 1, 1, longRun, 0},
        {"a value outside 1..4 never stops", 9, 1, 1, longRun, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().stopOn = row.stopOn;
        r.s().maxMinutes() = row.maxMinutes;
        r.s().maxProblems() = row.maxProblems;
        sb::StartDrill(r.p);
        int rights = 0;
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i + 1));
            ASSERT_TRUE(r.running());
            for (int m = 0; m < row.steps[i].newMinutes; ++m) {
                r.tickNextMinute();
            }
            switch (row.steps[i].how) {
            case Ending::Right:
                r.answerRight();
                ++rights;
                break;
            case Ending::Wrong:
                r.answerWrong();
                break;
            case Ending::TimeOut:
                r.timeOut();
                break;
            }
            ASSERT_EQ(r.p.drill.total, static_cast<int>(i) + 1);
            if (static_cast<int>(i) + 1 == row.endsAfter) {
                break;
            }
        }
        EXPECT_EQ(r.p.drill.score, rights);
        if (row.endsAfter == 0) {
            EXPECT_TRUE(r.running());
            EXPECT_TRUE(r.p.main.timerEnabled);
            continue;
        }
        EXPECT_FALSE(r.running());
        EXPECT_FALSE(r.p.main.timerEnabled);
        EXPECT_EQ(r.p.run.drillResumable, 0);
        EXPECT_EQ(r.sound.played.back(), 5);
        ASSERT_GE(r.pictures.shown.size(), 2u);
        EXPECT_EQ(r.pictures.shown[r.pictures.shown.size() - 2], 1);
        EXPECT_EQ(r.pictures.shown.back(), 1);
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
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.score, 0);
    EXPECT_EQ(r.p.main.dsshock, "Timer: 0 sec");
    const std::vector<int> sounds = r.sound.played;
    const std::vector<int> pictures = r.pictures.shown;

    // The clock goes on delivering ticks: first as the pop-up left it, then as though it had
    // never been stopped, and the minute changes meanwhile.
    for (int i = 0; i < 50; ++i) {
        if (i == 25) {
            r.p.main.timerEnabled = true;
            r.clock.minute = 16;
        }
        sb::ClockTick(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    }
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.shockLeft, 0);
    EXPECT_EQ(r.p.drill.drillMinutes, 0);
    EXPECT_EQ(r.sound.played, sounds);
    EXPECT_EQ(r.pictures.shown, pictures);

    sb::pop_but_click(r.p, r.p.drill.rightSlot);
    EXPECT_EQ(r.p.main.modal, Modal::None);
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.shockLeft, 10);
    EXPECT_TRUE(r.p.main.timerEnabled);
    sb::ClockTick(r.p);
    EXPECT_EQ(r.p.drill.shockLeft, 9);
}

TEST(RunControl, StartResumesOnlyAPausedDrillWithTheSameSelection)
{
    struct Row {
        const char* name;
        void (*leave)(Session&);   // how the drill is put aside
        void (*between)(Session&); // what happens before the next Start
        bool resumes;
    };
    const auto pause = [](Session& r) { sb::PauseDrill(r.p); };
    const auto nothing = [](Session&) {};
    const std::vector<Row> rows{
        {"paused, same selection", pause, nothing, true},
        {"paused, switch clicked", pause, [](Session& r) { sb::switch_click(r.p, 0); }, true},
        {"paused, a box ticked and cleared again", pause,
         [](Session& r) {
             sb::a_click(r.p, 3, 1);
             sb::a_click(r.p, 3, 0);
         },
         true},
        {"paused, operation changed", pause, [](Session& r) { sb::op_click(r.p, sb::OpMult); },
         false},
        {"paused, a second number cleared", pause, [](Session& r) { sb::b_click(r.p, 3, 0); },
         false},
        {"paused, New Drill", pause, [](Session& r) { sb::NewDrill(r.p); }, false},
        {"ended by the stop rule",
         [](Session& r) {
             r.s().maxProblems() = 3;
             r.answerRight();
         },
         nothing, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.clock.minute = 10;
        sb::StartDrill(r.p);
        r.answerRight();
        r.answerWrong();
        r.tickNextMinute();
        ASSERT_EQ(r.p.drill.drillMinutes, 1);
        row.leave(r);
        ASSERT_FALSE(r.running());

        const sb::Drill before = r.p.drill;
        const std::size_t drawsBefore = r.random.draws;
        r.clock.minute = 40; // a long pause
        row.between(r);
        r.sound.played.clear();
        sb::StartDrill(r.p);

        ASSERT_TRUE(r.running());
        EXPECT_EQ(r.sound.played, std::vector<int>{1});
        EXPECT_GT(r.random.draws, drawsBefore);
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_TRUE(r.p.main.timerEnabled);
        if (row.resumes) {
            EXPECT_EQ(r.p.drill.score, 1);
            EXPECT_EQ(r.p.drill.total, 2);
            EXPECT_EQ(r.p.drill.drillMinutes, 1);
            EXPECT_EQ(r.p.drill.poolCount, before.poolCount);
            EXPECT_EQ(r.p.drill.pool, before.pool);
            EXPECT_EQ(r.p.drill.facts, before.facts);
            EXPECT_EQ(r.askedSum(), 2);
            // The pause itself is not counted: the first tick sees the minute Start saw.
            sb::ClockTick(r.p);
            EXPECT_EQ(r.p.drill.drillMinutes, 1);
        } else {
            EXPECT_EQ(r.p.drill.score, 0);
            EXPECT_EQ(r.p.drill.total, 0);
            EXPECT_EQ(r.p.drill.drillMinutes, 0);
            EXPECT_EQ(r.askedSum(), 0);
            EXPECT_TRUE(sb::SameSelections(r.p.cur(), r.p.settings.startSettings));
        }
    }
}

TEST(RunControl, StartContinuesLoadedFactsInAPoolRefilledWithoutReset)
{
    // A pupil's saved facts were just loaded: the table is there, the pool is not stored.
    Session r;
    sb::BuildFacts(r.p.drill, r.s(), r.random);
    r.p.drill.fact(5).asked = 3;
    r.p.drill.fact(5).correct = 2;
    r.p.drill.fact(5).state = 1;
    r.p.drill.fact(7).asked = 4;
    r.p.drill.fact(7).state = 0;
    r.p.drill.poolCount = 0;
    r.p.run.drillResumable = 1;

    sb::StartDrill(r.p);
    ASSERT_TRUE(r.running());
    EXPECT_EQ(r.p.drill.poolCount, 100);
    EXPECT_EQ(r.p.drill.fact(5).asked, 3);
    EXPECT_EQ(r.p.drill.fact(5).correct, 2);
    EXPECT_EQ(r.p.drill.fact(7).asked, 4);
    EXPECT_EQ(r.p.drill.fact(7).state, 0);
}

TEST(RunControl, StartMakesTheSelectionNonEmptyBeforeBuildingThePool)
{
    struct Row {
        const char* name;
        std::int16_t autoTeach;
        Ranges first;
        Seconds second;
        Ranges shownFirst;
        Seconds shownSecond;
        int poolCount;
    };
    const Seconds none{};
    const Seconds onlyOne{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<Row> rows{
        {"no range ticked", 0, {0, 0, 0, 0}, kAllSeconds, {1, 0, 0, 0}, kAllSeconds, 100},
        {"no second number, Auto Teach off", 0, {0, 1, 0, 0}, none, {0, 1, 0, 0}, kAllSeconds, 30},
        {"no second number, Auto Teach on", 1, {1, 0, 0, 0}, none, {1, 0, 0, 0}, onlyOne, 10},
        {"nothing at all, Auto Teach on", 1, {0, 0, 0, 0}, none, {1, 0, 0, 0}, onlyOne, 10},
        {"something of each: left alone",
         0,
         {0, 0, 0, 1},
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 0},
         {0, 0, 0, 1},
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 0},
         4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().autoTeach = row.autoTeach;
        r.setFirst(row.first);
        r.setSecond(row.second);
        sb::StartDrill(r.p);
        ASSERT_TRUE(r.running());
        EXPECT_EQ(r.shownFirst(), row.shownFirst);
        EXPECT_EQ(r.shownSecond(), row.shownSecond);
        for (std::size_t g = 0; g < 4; ++g) {
            EXPECT_EQ(r.p.cur().firstRange[g + 1], row.shownFirst[g]) << "range " << g + 1;
        }
        for (std::size_t n = 0; n < 10; ++n) {
            EXPECT_EQ(r.p.cur().secondNum[n + 1], row.shownSecond[n]) << "second " << n + 1;
        }
        EXPECT_EQ(r.p.drill.poolCount, row.poolCount);
    }
}

TEST(RunControl, StartRefusesAnEmptyPoolAndSaysWhy)
{
    Session r;
    sb::op_click(r.p, sb::Op10Sub);
    sb::bseln_click(r.p);
    sb::b_click(r.p, 10, 1);
    const std::string controls = enabledControls(r.p.main);

    sb::StartDrill(r.p);
    EXPECT_FALSE(r.running());
    EXPECT_EQ(enabledControls(r.p.main), controls);
    EXPECT_FALSE(r.p.main.timerEnabled);
    EXPECT_EQ(r.p.main.modal, Modal::None);
    EXPECT_TRUE(r.sound.played.empty());
    EXPECT_EQ(r.random.draws, 0u);
    EXPECT_EQ(r.p.run.drillResumable, 0);
    EXPECT_NE(r.p.main.DsBgn, "");
    EXPECT_NE(r.p.main.DsBgn, "Get Ready");
    EXPECT_NE(r.p.main.DsEnd, "");

    // Ticking 3 as well leaves one fact to drill, 10 - 3.
    sb::b_click(r.p, 3, 1);
    sb::StartDrill(r.p);
    ASSERT_TRUE(r.running());
    EXPECT_EQ(r.p.main.DsBgn, "Get Ready");
    EXPECT_EQ(r.p.main.DsEnd, "");
    EXPECT_EQ(r.p.drill.poolCount, 1);
    EXPECT_EQ(r.p.drill.curFact, sb::factIndex(3, 7));
    EXPECT_EQ(r.p.drill.problemText, "10 - 3");
}

TEST(RunControl, TenSubStartsFromTheLockedBoxesAndLeavingItRestoresTheRanges)
{
    Session r;
    r.setFirst({0, 1, 0, 1});
    sb::op_click(r.p, sb::Op10Sub);
    sb::StartDrill(r.p);
    ASSERT_TRUE(r.running());
    EXPECT_EQ(r.p.drill.poolCount, 9);
    EXPECT_EQ(r.p.cur().firstRange, (std::array<std::int16_t, 5>{0, 1, 0, 0, 0}));

    sb::PauseDrill(r.p);
    sb::op_click(r.p, sb::OpAdd);
    sb::StartDrill(r.p);
    EXPECT_EQ(r.p.cur().firstRange, (std::array<std::int16_t, 5>{0, 0, 1, 0, 1}));
    EXPECT_EQ(r.p.drill.poolCount, 70); // ten second numbers x (3 + 4) columns
}

TEST(RunControl, NewDrillDuringARunClearsTheCaptionsButNotTheCounters)
{
    Session r;
    sb::StartDrill(r.p);
    r.answerRight();
    r.answerRight();
    ASSERT_EQ(r.p.main.dsscore, "Score: 100%");
    ASSERT_EQ(r.p.main.dstotal, " Total: 2/2");

    sb::b_click(r.p, 4, 0);
    ASSERT_TRUE(r.p.main.Reset);
    sb::NewDrill(r.p);
    EXPECT_EQ(r.p.main.dsscore, "Score:");
    EXPECT_EQ(r.p.main.dstotal, " Total:");
    EXPECT_FALSE(r.p.main.Reset);
    EXPECT_EQ(r.p.run.drillResumable, 0);
    EXPECT_TRUE(r.running());
    EXPECT_TRUE(r.p.main.timerEnabled);

    r.answerWrong();
    EXPECT_EQ(r.p.main.dsscore, "Score: 66%");
    EXPECT_EQ(r.p.main.dstotal, " Total: 2/3");
}

TEST(RunControl, ControlsFollowTheStateOfTheDrill)
{
    const char* const idle = "start Reset smartgo goauto resultsgo helpgo";
    const char* const running = "cPause but1 but2 but3";
    struct Row {
        const char* name;
        void (*to)(Session&);
        const char* enabled;
        bool clock;
        std::int16_t resumable;
    };
    const std::vector<Row> rows{
        {"started", [](Session& r) { sb::StartDrill(r.p); }, running, true, 0},
        {"paused",
         [](Session& r) {
             sb::StartDrill(r.p);
             sb::PauseDrill(r.p);
         },
         idle, false, 1},
        {"resumed",
         [](Session& r) {
             sb::StartDrill(r.p);
             sb::PauseDrill(r.p);
             sb::StartDrill(r.p);
         },
         running, true, 1},
        {"ended",
         [](Session& r) {
             r.s().maxProblems() = 1;
             sb::StartDrill(r.p);
             r.answerRight();
         },
         idle, false, 0},
        {"ended, then New Drill",
         [](Session& r) {
             r.s().maxProblems() = 1;
             sb::StartDrill(r.p);
             r.timeOut();
             sb::NewDrill(r.p);
         },
         "start smartgo goauto resultsgo helpgo", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.p.main.DsEnd = "left from before";
        row.to(r);
        EXPECT_EQ(enabledControls(r.p.main), row.enabled);
        EXPECT_EQ(r.p.main.timerEnabled, row.clock);
        EXPECT_EQ(r.p.run.drillResumable, row.resumable);
        EXPECT_EQ(r.p.main.DsBgn, "Get Ready");
        EXPECT_EQ(r.p.main.DsEnd, "");
        if (!row.clock) {
            EXPECT_EQ(r.pictures.shown.back(), 1);
        }
        // The selection stays open to the pupil in every state.
        for (std::size_t g = 1; g <= 4; ++g) {
            EXPECT_TRUE(r.p.main.a[g].enabled) << "a " << g;
        }
        for (std::size_t n = 1; n <= 10; ++n) {
            EXPECT_TRUE(r.p.main.b[n].enabled) << "b " << n;
        }
    }
}

} // namespace
