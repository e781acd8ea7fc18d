// A posed problem ends by a right answer, a wrong one or a time-out; what each shows, plays,
// counts and records, through the program's own handlers.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "drill/answering.h"
#include "flow/answering.h"
#include "flow/feedback.h"
#include "flow/lifecycle.h"
#include "flow/main_form.h"
#include "flow/run_control.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

enum class Event { Right, Wrong, TimeOut };

// A program started as a pupil starts it: loaded without files, Smart Repeat off (so no
// repetition changes the number of draws), a drill that never stops, Start pressed.
struct Drilling {
    explicit Drilling(void (*tweak)(Drilling&) = nullptr)
    {
        ProgramLoad(p);
        for (std::size_t i = 1; i <= 5; ++i) {
            p.cur().smartCheck[i] = 0;
        }
        p.cur().stopOn = 5;
        if (tweak != nullptr) {
            tweak(*this);
        }
        poseFactOne();
        StartDrill(p);
        f.sound.played.clear();
        f.pictures.shown.clear();
    }
    // Draws posing fact 1 (1 + 1) from the default pool: the right answer on button 1, the
    // wrong answers 3 (fact 2) on button 2 and 4 (fact 3) on button 3.
    void poseFactOne() { random.push({0.0, 0.0, 0.1, 0.0, 0.1, 0.1, 0.1, 0.0}); }

    // Ends the posed problem; a pop-up is closed with its right button, and what it showed is
    // answered. Fact 1 is posed again.
    std::string answer(Event e)
    {
        poseFactOne();
        if (e == Event::Right) {
            but_click(p, p.drill.rightSlot);
        } else if (e == Event::Wrong) {
            but_click(p, p.drill.wrongSlot1);
        } else {
            p.drill.shockLeft = 1;
            ClockTick(p);
        }
        if (p.main.modal != Modal::Feedback) {
            return "";
        }
        const PopupModel& pop = p.main.pop;
        const std::string shown =
            pop.ms + " " + pop.dp.text + " " + pop.but[1] + "," + pop.but[2] + "," + pop.but[3];
        pop_but_click(p, p.drill.rightSlot);
        return shown;
    }

    ScriptedRandom random;
    ProgramFixture f{random};
    Program& p = f.program;
};

TEST(Answering, ScoreCaptionsTruncateThePercentage)
{
    struct Row {
        Event event;
        const char* captions;
    };
    const std::vector<Row> rows = {
        {Event::Right, "Score: 100% Total: 1/1"}, {Event::TimeOut, "Score: 50% Total: 1/2"},
        {Event::Right, "Score: 66% Total: 2/3"},  {Event::Wrong, "Score: 50% Total: 2/4"},
        {Event::Right, "Score: 60% Total: 3/5"},  {Event::Right, "Score: 66% Total: 4/6"},
    };
    Drilling d;
    for (const Row& row : rows) {
        d.answer(row.event);
        EXPECT_EQ(d.p.main.dsscore + d.p.main.dstotal, row.captions);
    }
    // Every ended problem was recorded exactly once, on fact 1 (second number 1).
    EXPECT_EQ(d.p.drill.fact(1).asked, 6);
    EXPECT_EQ(d.p.drill.fact(1).correct, 4);
    EXPECT_EQ(d.p.cur().answerCount(1), 6);
    EXPECT_EQ(d.p.cur().percentCorrect(1), 4);
    EXPECT_EQ(d.random.left(), 0u);
}

TEST(Answering, EachWayAProblemEndsHasItsPopupPicturesSoundsAndTime)
{
    struct Row {
        Event event;
        std::int16_t shockLeft, answerTime;
        const char* popup;
        std::vector<int> pictures, sounds;
        std::int16_t rowPercent;
    };
    const std::vector<Row> rows = {
        {Event::Right, 7, 3, "", {2}, {2}, 1},
        {Event::Wrong, 9, 1, "!!Wrong Answer !! 1 + 1 = 2 2,3,4", {3, 5}, {3}, 0},
        // the last second ticks away: tick sound and picture 5, then the time-out
        {Event::TimeOut, 1, 10, "!! Time Out !! 1 + 1 = 2 2,3,4", {5, 4, 5}, {6, 4}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.event));
        Drilling d;
        d.p.drill.shockLeft = row.shockLeft;
        EXPECT_EQ(d.answer(row.event), row.popup);
        EXPECT_EQ(d.p.drill.answerTime, row.answerTime);
        EXPECT_EQ(d.f.pictures.shown, row.pictures);
        EXPECT_EQ(d.f.sound.played, row.sounds);
        EXPECT_EQ(d.p.cur().percentCorrect(1), row.rowPercent);
        // The next problem is posed and its clock runs.
        EXPECT_EQ(d.random.left(), 0u);
        EXPECT_TRUE(d.p.main.timerEnabled);
        EXPECT_EQ(d.p.main.dsshock, "Timer: 10 sec");
    }
}

TEST(Answering, PopupClosesOnlyByItsRightButtonOrItsTimer)
{
    struct Row {
        std::int16_t popupSeconds;
        int ticksToClose; // 0: never closes by itself
    };
    for (const Row row : {Row{1, 1}, Row{5, 5}, Row{0, 0}, Row{-1, 0}}) {
        SCOPED_TRACE(row.popupSeconds);
        Drilling d;
        d.p.cur().popupSeconds() = row.popupSeconds;
        but_click(d.p, 3);
        for (int wrong : {2, 3, 0, 4}) {
            pop_but_click(d.p, wrong);
        }
        ClockTick(d.p);
        but_click(d.p, 1); // the main window waits for the pop-up
        const int ticks = row.ticksToClose > 0 ? row.ticksToClose - 1 : 70000;
        for (int tick = 0; tick < ticks; ++tick) {
            pop_timer_tick(d.p);
        }
        ASSERT_EQ(d.p.main.modal, Modal::Feedback);
        EXPECT_EQ(d.p.drill.total, 1);
        EXPECT_EQ(d.p.drill.fact(1).asked, 0) << "recorded only when the pop-up closes";

        d.poseFactOne();
        row.ticksToClose > 0 ? pop_timer_tick(d.p) : pop_but_click(d.p, 1);
        EXPECT_EQ(d.p.main.modal, Modal::None);
        EXPECT_EQ(d.p.drill.fact(1).asked, 1);
        EXPECT_EQ(d.f.pictures.shown, (std::vector<int>{3, 5}));
        // Once closed, the pop-up's buttons and timer reach nothing.
        pop_but_click(d.p, 1);
        pop_timer_tick(d.p);
        EXPECT_EQ(d.p.drill.fact(1).asked, 1);
        EXPECT_EQ(d.random.left(), 0u);
    }
}

// The last level: DivR with every second number begun and review off. One right answer
// finishes the ladder: picture 1 and sound 5, the window idle, and no next problem drawn.
TEST(Answering, FinishingTheLadderEndsTheDrillWithoutAnotherProblem)
{
    Drilling d([](Drilling& t) {
        Program& p = t.p;
        p.cur().autoTeach = 1;
        p.cur().reviewOn = 0;
        for (int n = 1; n <= 10; ++n) {
            p.cur().activeSteps(n) = 1;
        }
        op_click(p, OpDivR);
        bseln_click(p);
        b_click(p, 10, 1);
        for (int i = 0; i < 200; ++i) {
            t.random.push({0.0}); // the remainders of the DivR table
        }
    });
    ASSERT_EQ(d.p.drill.curFact, 181);
    but_click(d.p, d.p.drill.rightSlot);
    EXPECT_EQ(d.p.main.DsBgn + "|" + d.p.main.DsEnd, ":Congratulations!|Great Job!");
    EXPECT_EQ(d.f.pictures.shown, (std::vector<int>{2, 1, 1}));
    EXPECT_EQ(d.f.sound.played, (std::vector<int>{2, 5}));
    EXPECT_TRUE(d.p.main.start);
    EXPECT_FALSE(d.p.main.but[1].enabled);
    EXPECT_EQ(d.p.cur().autoTeach, 0);
    EXPECT_EQ(d.p.run.drillResumable, 0);
}

TEST(Answering, NothingToPoseRefusesStartAndEndsARunningDrill)
{
    ScriptedRandom random;
    ProgramFixture f(random);
    Program& p = f.program;
    ProgramLoad(p);
    op_click(p, Op10Sub); // 10 Sub with only the second number 10 has no fact at all
    bseln_click(p);
    b_click(p, 10, 1);
    StartDrill(p);
    EXPECT_EQ(p.main.DsBgn + "|" + p.main.DsEnd, "Nothing to drill|Choose other numbers");
    EXPECT_TRUE(p.main.start);
    EXPECT_FALSE(p.main.but[1].enabled);
    EXPECT_TRUE(f.sound.played.empty()) << "no start sound";

    // Mid-drill the selection leaves nothing (as Auto Teach can): the answer ends the drill.
    Drilling d;
    d.p.cur().secondNum = {};
    d.p.drill.poolCount = 0;
    but_click(d.p, d.p.drill.rightSlot);
    EXPECT_EQ(d.f.sound.played, (std::vector<int>{2, 5}));
    EXPECT_TRUE(d.p.main.start);
    EXPECT_FALSE(d.p.main.timerEnabled);
    EXPECT_EQ(d.p.run.drillResumable, 0);
}

TEST(Answering, CountsStopAtTheTopInsteadOfWrapping)
{
    Drilling d;
    FactRec& fact = d.p.drill.fact(1);
    fact.asked = fact.correct = 32767;
    d.p.cur().answerCount(1) = 32767;
    d.p.cur().averageOver() = 0; // only a damaged record holds one: counts as 1
    d.answer(Event::Right);
    EXPECT_EQ(fact.asked, 32767);
    EXPECT_EQ(fact.correct, 32767);
    EXPECT_EQ(d.p.cur().answerCount(1), 32767);
    EXPECT_EQ(d.p.cur().percentCorrect(1), 100);
}

TEST(StopRuleEnds, ByTimeProblemsEitherBothOrNever)
{
    // minutes, problems against maxMinutes 3 and maxProblems 5, for stopOn 1..5 and 0.
    struct Row {
        std::int16_t minutes;
        std::int32_t problems;
        std::array<bool, 6> ends;
    };
    const std::vector<Row> rows{
        {2, 4, {false, false, false, false, false, false}},
        {3, 4, {true, false, true, false, false, false}},
        {2, 5, {false, true, true, false, false, false}},
        {3, 5, {true, true, true, true, false, false}},
    };
    DrillSettings s;
    s.maxMinutes() = 3;
    s.maxProblems() = 5;
    for (const Row& row : rows) {
        Drill d;
        d.drillMinutes = row.minutes;
        d.total = row.problems;
        for (std::int16_t stopOn = 1; stopOn <= 6; ++stopOn) {
            SCOPED_TRACE(testing::Message() << row.minutes << " min " << row.problems
                                            << " problems, stopOn " << stopOn % 6);
            s.stopOn = stopOn % 6;
            EXPECT_EQ(StopRuleEnds(s, d), row.ends[static_cast<std::size_t>(stopOn - 1)]);
        }
    }
}

} // namespace
} // namespace sb::test
