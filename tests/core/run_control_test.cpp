#include "mainwin/run_control.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/feedback.h"
#include "drill/pool.h"
#include "mainwin/main_form.h"
#include "records/drill_settings.h"

namespace {

using sb::Modal;
using sb::Program;

// Uniform draws, counted, for runs where the exact draws do not matter. A constant cannot serve:
// posing draws the first wrong slot again until it differs from the right one.
class SeededRandom final : public sb::Random {
public:
    double next() override
    {
        ++draws;
        return m_dist(m_engine);
    }
    std::size_t draws = 0;

private:
    std::mt19937 m_engine{20240611};
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

// Boxes as digits, "a1..a4/b1..b10".
std::string digits(const sb::DrillSettings& s)
{
    std::string out;
    for (std::size_t g = 1; g <= 4; ++g) {
        out += std::to_string(s.firstRange[g]);
    }
    out += '/';
    for (std::size_t n = 1; n <= 10; ++n) {
        out += std::to_string(s.secondNum[n]);
    }
    return out;
}

// A program as started without a settings file: the original defaults shown (ShockClock 10 s,
// no delay, pop-up 5 s, stop after 200 problems), no drill started.
struct Session {
    SeededRandom random;
    sb::test::FixedClock clock;
    sb::test::RecordingSound sound;
    sb::test::RecordingPictures pictures;
    sb::test::TempDir dir;
    sb::Services services{random, clock, sound, pictures, dir.path()};
    Program p{services};

    Session()
    {
        sb::LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        const sb::DrillSettings shown = p.cur();
        sb::ShowSelection(p, shown);
        p.main.cPause = p.main.resultsgo = p.main.Reset = false;
        for (std::size_t i = 1; i <= 3; ++i) {
            p.main.but[i].enabled = false;
        }
        p.flags.firstLocked = 0;
        p.settings.startSettings = p.cur();
    }

    sb::DrillSettings& s() { return p.cur(); }
    bool running() const { return !p.main.start && p.main.cPause; }

    void answerWrong() // then the right button in the pop-up
    {
        sb::but_click(p, p.drill.wrongSlot1);
        ASSERT_EQ(p.main.modal, Modal::Feedback);
        sb::pop_but_click(p, p.drill.rightSlot);
    }
    void timeOut() // on the same minute; the pop-up closes by its own timer
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
    // Runs steps named by words, e.g. "Start right minute Pause"; a minute is a tick that sees
    // the wall clock on the next minute.
    void run(const std::string& script)
    {
        static const std::map<std::string, std::function<void(Session&)>> steps{
            {"Start", [](Session& r) { sb::StartDrill(r.p); }},
            {"Pause", [](Session& r) { sb::PauseDrill(r.p); }},
            {"NewDrill", [](Session& r) { sb::NewDrill(r.p); }},
            {"right", [](Session& r) { sb::but_click(r.p, r.p.drill.rightSlot); }},
            {"wrong", [](Session& r) { r.answerWrong(); }},
            {"timeout", [](Session& r) { r.timeOut(); }},
            {"minute",
             [](Session& r) {
                 r.clock.minute = static_cast<std::int16_t>((r.clock.minute + 1) % 60);
                 sb::ClockTick(r.p);
             }},
            {"switch", [](Session& r) { sb::switch_click(r.p, 0); }},
            {"Mult", [](Session& r) { sb::op_click(r.p, sb::OpMult); }},
            {"a3", [](Session& r) { sb::a_click(r.p, 3, 1); }},
            {"-a3", [](Session& r) { sb::a_click(r.p, 3, 0); }},
            {"-b3", [](Session& r) { sb::b_click(r.p, 3, 0); }},
            {"max1", [](Session& r) { r.s().maxProblems() = 1; }},
            {"max3", [](Session& r) { r.s().maxProblems() = 3; }},
        };
        std::istringstream words(script);
        for (std::string w; words >> w;) {
            SCOPED_TRACE(w);
            steps.at(w)(*this);
        }
    }
    // Sets the boxes from digits as digits() writes them.
    void select(const std::string& boxes)
    {
        for (std::size_t i = 0; i < 14; ++i) {
            auto& box = i < 4 ? p.main.a[i + 1] : p.main.b[i - 3];
            box.value = static_cast<std::int16_t>(boxes[i < 4 ? i : i + 1] - '0');
        }
    }
    std::string shown() const
    {
        sb::DrillSettings s;
        for (std::size_t g = 1; g <= 4; ++g) {
            s.firstRange[g] = p.main.a[g].value;
        }
        for (std::size_t n = 1; n <= 10; ++n) {
            s.secondNum[n] = p.main.b[n].value;
        }
        return digits(s);
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

std::string enabledControls(const sb::MainModel& m)
{
    const std::pair<bool, const char*> controls[] = {
        {m.start, "start"},         {m.cPause, "cPause"},       {m.Reset, "Reset"},
        {m.smartgo, "smartgo"},     {m.goauto, "goauto"},       {m.resultsgo, "resultsgo"},
        {m.helpgo, "helpgo"},       {m.but[1].enabled, "but1"}, {m.but[2].enabled, "but2"},
        {m.but[3].enabled, "but3"},
    };
    std::string out;
    for (const auto& [on, name] : controls) {
        if (on) {
            out += (out.empty() ? "" : " ") + std::string(name);
        }
    }
    return out;
}

TEST(RunControl, WithoutDelayTheClockRunsAsSoonAsTheProblemIsPosed)
{
    Session r;
    sb::StartDrill(r.p);
    EXPECT_EQ(r.p.main.modal, Modal::None);
    EXPECT_TRUE(r.p.main.timerEnabled);
    EXPECT_EQ(r.sound.played, std::vector<int>{1});
    EXPECT_EQ(r.p.main.dsshock, "Timer: 10 sec");
    EXPECT_EQ(r.p.main.clockStarts, 1u);

    sb::ClockTick(r.p);
    EXPECT_EQ(r.p.main.dsshock, "Timer: 9 sec");
    EXPECT_EQ(r.sound.played, (std::vector<int>{1, 6}));
    EXPECT_EQ(r.pictures.shown.back(), 5);

    // Each problem starts the clock afresh, so its first tick comes a whole second after it.
    r.run("right");
    EXPECT_EQ(r.p.main.clockStarts, 2u);
}

TEST(RunControl, DelayWindowCountsDownOneTickASecondAndOnlyThenStartsTheClock)
{
    const std::vector<std::vector<const char*>> rows{
        {"          Delay: 1", "          Delay: 0"},
        {"          Delay: 3", "          Delay: 2", "          Delay: 1", "          Delay: 0"},
    };
    for (const auto& labels : rows) {
        SCOPED_TRACE(labels[0]);
        Session r;
        r.s().delaySeconds() = static_cast<std::int16_t>(labels.size() - 1);
        sb::StartDrill(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Delay);
        EXPECT_EQ(r.p.main.noshow.d, labels[0]);
        EXPECT_TRUE(r.p.main.noshow.timerEnabled);
        EXPECT_FALSE(r.p.main.timerEnabled);

        // The problem is on screen but its countdown has not begun.
        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_EQ(r.sound.played, std::vector<int>{1});

        for (std::size_t i = 1; i < labels.size(); ++i) {
            SCOPED_TRACE(i);
            const bool last = i + 1 == labels.size();
            sb::deltime_tick(r.p);
            EXPECT_EQ(r.p.main.noshow.d, labels[i]);
            EXPECT_EQ(r.p.main.modal == Modal::Delay, !last);
            EXPECT_EQ(r.p.main.clockStarts, last ? 1u : 0u);
            EXPECT_EQ(r.sound.played.size(), i + 1);
            EXPECT_EQ(r.sound.played.back(), 6);
        }
        // A late tick of the closed window's timer does nothing.
        sb::deltime_tick(r.p);
        EXPECT_EQ(r.sound.played.size(), labels.size());
        sb::ClockTick(r.p);
        EXPECT_EQ(r.p.main.dsshock, "Timer: 9 sec");
    }
}

TEST(RunControl, EveryPosedProblemWaitsForItsDelayWindow)
{
    for (const char* end : {"right", "wrong", "timeout"}) {
        SCOPED_TRACE(end);
        Session r;
        r.s().delaySeconds() = 2;
        sb::StartDrill(r.p);
        sb::deltime_tick(r.p);
        sb::deltime_tick(r.p);
        r.run(end);
        ASSERT_EQ(r.p.drill.total, 1);
        ASSERT_EQ(r.p.main.modal, Modal::Delay);
        EXPECT_EQ(r.p.main.noshow.d, "          Delay: 2");

        // Even a drill clock left running delivers nothing while the window is open.
        r.p.main.timerEnabled = true;
        const std::size_t sounds = r.sound.played.size();
        for (int i = 0; i < 20; ++i) {
            sb::ClockTick(r.p);
        }
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_EQ(r.sound.played.size(), sounds);

        sb::deltime_tick(r.p);
        sb::deltime_tick(r.p);
        EXPECT_EQ(r.p.main.modal, Modal::None);
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
        const char* dsttime;
    };
    const std::vector<Row> rows{
        {"same minute", 15, {15}, " Time: 0 min"},
        {"started at 10:15:59, first tick at 10:16:00", 15, {16}, " Time: 1 min"},
        {"the hour wraps round", 59, {0}, " Time: 1 min"},
        {"one tick adds one minute however many passed", 15, {45}, " Time: 1 min"},
        {"two changes in four ticks", 15, {15, 16, 16, 17}, " Time: 2 min"},
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
        EXPECT_EQ(r.p.main.dsttime, row.dsttime);
    }
}

TEST(RunControl, StopRuleEndsTheDrillAfterTheRightProblem)
{
    struct Row {
        const char* name;
        std::int16_t stopOn, maxMinutes, maxProblems;
        const char* script; // after Start; ends with the problem that ends the drill, if any
        int score;
        bool ends;
    };
    const char* const longRun = "minute timeout wrong minute right right minute wrong right";
    const std::vector<Row> rows{
        {"1: minutes only", 1, 2, 1, "right minute right wrong minute right", 3, true},
        {"2: a time-out counts toward maxProblems", 2, 1, 3, "minute right minute timeout right", 2,
         true},
        {"3: problems first", 3, 30, 3, "right minute right right", 3, true},
        {"3: time first", 3, 2, 200, "right minute right minute wrong", 2, true},
        {"4: problems reached, then minutes", 4, 2, 3,
         "right right timeout minute right right minute right", 5, true},
        {"4: minutes reached, then problems", 4, 1, 4, "minute right right right wrong", 3, true},
        {"5: never", 5, 1, 1, longRun, 3, false},
        {"9: outside 1..5, never", 9, 1, 1, longRun, 3, false},
        {"0: outside 1..5, never", 0, 1, 1, longRun, 3, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().stopOn = row.stopOn;
        r.s().maxMinutes() = row.maxMinutes;
        r.s().maxProblems() = row.maxProblems;
        sb::StartDrill(r.p);
        r.run(row.script);
        // A drill that ended early ignores the remaining answers, and its total falls short.
        std::istringstream words(row.script);
        int problems = 0;
        for (std::string w; words >> w;) {
            problems += w != "minute";
        }
        EXPECT_EQ(r.p.drill.total, problems);
        EXPECT_EQ(r.p.drill.score, row.score);
        EXPECT_EQ(r.running(), !row.ends);
        EXPECT_EQ(r.p.main.timerEnabled, !row.ends);
        if (row.ends) {
            EXPECT_EQ(r.p.run.drillResumable, 0);
            EXPECT_EQ(r.sound.played.back(), 5);
            ASSERT_GE(r.pictures.shown.size(), 2u);
            EXPECT_EQ(r.pictures.shown[r.pictures.shown.size() - 2], 1);
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
    EXPECT_EQ(r.p.main.dsshock, "Timer: 0 sec");
    const std::vector<int> sounds = r.sound.played;
    const std::vector<int> pictures = r.pictures.shown;

    // Ticks go on arriving: first as the pop-up left the clock, then as though it had never
    // been stopped, and the minute changes meanwhile.
    for (int i = 0; i < 50; ++i) {
        if (i == 25) {
            r.p.main.timerEnabled = true;
            r.clock.minute = 16;
        }
        sb::ClockTick(r.p);
        ASSERT_EQ(r.p.main.modal, Modal::Feedback);
    }
    EXPECT_EQ(r.p.drill.total, 1);
    EXPECT_EQ(r.p.drill.score, 0);
    EXPECT_EQ(r.p.drill.shockLeft, 0);
    EXPECT_EQ(r.p.drill.drillMinutes, 0);
    EXPECT_EQ(r.sound.played, sounds);
    EXPECT_EQ(r.pictures.shown, pictures);

    sb::pop_but_click(r.p, r.p.drill.rightSlot);
    EXPECT_EQ(r.p.main.modal, Modal::None);
    EXPECT_EQ(r.p.drill.total, 1);
    sb::ClockTick(r.p);
    EXPECT_EQ(r.p.drill.shockLeft, 9);
}

TEST(RunControl, StartResumesOnlyAPausedDrillWithTheSameSelection)
{
    const std::vector<std::pair<const char*, bool>> rows{
        {"Pause", true},       {"Pause switch", true}, {"Pause a3 -a3", true},
        {"Pause Mult", false}, {"Pause -b3", false},   {"Pause NewDrill", false},
        {"max3 right", false}, // ended by the stop rule
    };
    for (const auto& [script, resumes] : rows) {
        SCOPED_TRACE(script);
        Session r;
        r.clock.minute = 10;
        r.run("Start right wrong minute");
        r.run(script);
        ASSERT_FALSE(r.running());
        const sb::Drill before = r.p.drill;
        const std::size_t drawsBefore = r.random.draws;
        r.clock.minute = 40; // a long pause
        sb::StartDrill(r.p);

        ASSERT_TRUE(r.running());
        EXPECT_GT(r.random.draws, drawsBefore);
        EXPECT_EQ(r.p.drill.shockLeft, 10);
        EXPECT_EQ(r.p.drill.total, resumes ? 2 : 0);
        EXPECT_EQ(r.p.drill.score, resumes ? 1 : 0);
        EXPECT_EQ(r.p.drill.drillMinutes, resumes ? 1 : 0);
        EXPECT_EQ(r.askedSum(), resumes ? 2 : 0);
        if (resumes) {
            EXPECT_EQ(r.p.drill.pool, before.pool);
            EXPECT_EQ(r.p.drill.facts, before.facts);
            // The pause is not counted: the first tick sees the minute Start saw.
            sb::ClockTick(r.p);
            EXPECT_EQ(r.p.drill.drillMinutes, 1);
        } else {
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
    r.p.drill.fact(7).state = 0;
    r.p.drill.poolCount = 0;
    r.p.run.drillResumable = 1;

    sb::StartDrill(r.p);
    ASSERT_TRUE(r.running());
    EXPECT_EQ(r.p.drill.poolCount, 100);
    EXPECT_EQ(r.p.drill.fact(5).asked, 3);
    EXPECT_EQ(r.p.drill.fact(7).state, 0);
}

TEST(RunControl, StartMakesTheSelectionNonEmptyBeforeBuildingThePool)
{
    struct Row {
        const char* name;
        std::int16_t autoTeach;
        const char* boxes;
        const char* fixed; // shown and stored after Start
        int poolCount;
    };
    const std::vector<Row> rows{
        {"no range ticked", 0, "0000/1111111111", "1000/1111111111", 100},
        {"no second number, Auto Teach off", 0, "0100/0000000000", "0100/1111111111", 30},
        {"no second number, Auto Teach on", 1, "1000/0000000000", "1000/1000000000", 10},
        {"nothing at all, Auto Teach on", 1, "0000/0000000000", "1000/1000000000", 10},
        {"something of each: left alone", 0, "0001/0000000010", "0001/0000000010", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session r;
        r.s().autoTeach = row.autoTeach;
        r.select(row.boxes);
        sb::StartDrill(r.p);
        ASSERT_TRUE(r.running());
        EXPECT_EQ(r.shown(), row.fixed);
        EXPECT_EQ(digits(r.p.cur()), row.fixed);
        EXPECT_EQ(r.p.drill.poolCount, row.poolCount);
    }
}

TEST(RunControl, StartRefusesAnEmptyPoolAndSaysWhy)
{
    Session r;
    sb::op_click(r.p, sb::Op10Sub);
    r.select("1000/0000000001");
    const std::string controls = enabledControls(r.p.main);

    sb::StartDrill(r.p);
    EXPECT_EQ(enabledControls(r.p.main), controls);
    EXPECT_FALSE(r.p.main.timerEnabled);
    EXPECT_TRUE(r.sound.played.empty());
    EXPECT_EQ(r.random.draws, 0u);
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
    EXPECT_EQ(r.p.drill.problemText, "10 - 3");
}

TEST(RunControl, TenSubStartsFromTheLockedBoxesAndLeavingItRestoresTheRanges)
{
    Session r;
    r.select("0101/1111111111");
    sb::op_click(r.p, sb::Op10Sub);
    sb::StartDrill(r.p);
    EXPECT_EQ(r.p.drill.poolCount, 9);
    EXPECT_EQ(digits(r.p.cur()), "1000/1111111111");

    sb::PauseDrill(r.p);
    sb::op_click(r.p, sb::OpAdd);
    sb::StartDrill(r.p);
    EXPECT_EQ(digits(r.p.cur()), "0101/1111111111");
    EXPECT_EQ(r.p.drill.poolCount, 70); // ten second numbers x (3 + 4) columns
}

TEST(RunControl, NewDrillDuringARunClearsTheCaptionsButNotTheCounters)
{
    Session r;
    r.run("Start right right");
    ASSERT_EQ(r.p.main.dsscore, "Score: 100%");
    sb::b_click(r.p, 4, 0);
    ASSERT_TRUE(r.p.main.Reset);

    sb::NewDrill(r.p);
    EXPECT_EQ(r.p.main.dsscore, "Score:");
    EXPECT_EQ(r.p.main.dstotal, " Total:");
    EXPECT_FALSE(r.p.main.Reset);
    EXPECT_EQ(r.p.run.drillResumable, 0);
    EXPECT_TRUE(r.running());
    EXPECT_TRUE(r.p.main.timerEnabled);

    r.run("wrong");
    EXPECT_EQ(r.p.main.dsscore, "Score: 66%");
    EXPECT_EQ(r.p.main.dstotal, " Total: 2/3");
}

TEST(RunControl, ControlsFollowTheStateOfTheDrill)
{
    const std::string idle = "start Reset smartgo goauto resultsgo helpgo";
    const std::string running = "cPause but1 but2 but3";
    struct Row {
        const char* script;
        std::string enabled;
        std::int16_t resumable;
    };
    const std::vector<Row> rows{
        {"Start", running, 0},
        {"Start Pause", idle, 1},
        {"Start Pause Start", running, 1},
        {"max1 Start right", idle, 0},
        {"max1 Start timeout NewDrill", "start smartgo goauto resultsgo helpgo", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        Session r;
        r.p.main.DsEnd = "left from before";
        r.run(row.script);
        const bool runs = row.enabled == running;
        EXPECT_EQ(enabledControls(r.p.main), row.enabled);
        EXPECT_EQ(r.p.main.timerEnabled, runs);
        EXPECT_EQ(r.p.run.drillResumable, row.resumable);
        EXPECT_EQ(r.p.main.DsBgn, "Get Ready");
        EXPECT_EQ(r.p.main.DsEnd, "");
        if (!runs) {
            EXPECT_EQ(r.pictures.shown.back(), 1);
        }
        // The selection stays open to the pupil in every state.
        for (std::size_t i = 1; i <= 10; ++i) {
            EXPECT_TRUE(r.p.main.b[i].enabled) << i;
            EXPECT_TRUE(r.p.main.a[(i - 1) % 4 + 1].enabled) << i;
        }
    }
}

} // namespace
