// SPDX-License-Identifier: GPL-3.0-or-later
// A posed problem ends by a right answer, a wrong one or a time-out: what each shows, plays,
// counts and records, through the program's own handlers.

#include "drill/answering.h"
#include "flow/captions.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

TEST(Answering, ScoreCaptionsTruncateThePercentageAndEachProblemIsCountedOnceUpTo32767)
{
    Drilling d;
    // the score before any answer; the third button's caption
    EXPECT_EQ(English(scoreCaption(d.p.drill)) + "|" + d.p.main.but[3].caption, "Score: 0%|4");
    d.mainForm.but_click(0), d.mainForm.but_click(4); // no such buttons
    const std::vector<std::pair<Event, const char*>> rows{
        {Event::Right, "Score: 100% Total: 1/1"}, {Event::TimeOut, "Score: 50% Total: 1/2"},
        {Event::Right, "Score: 66% Total: 2/3"},  {Event::Wrong, "Score: 50% Total: 2/4"},
        {Event::Right, "Score: 60% Total: 3/5"},  {Event::Right, "Score: 66% Total: 4/6"}};
    for (const auto& [event, captions] : rows) {
        d.answer(event);
        EXPECT_EQ(English(d.p.main.dsscore) + English(d.p.main.dstotal), captions);
    }
    FactRec& fact = d.p.drill.fact(1);
    EXPECT_EQ(ints(fact.asked, fact.correct, d.p.cur().answerCount(1), d.p.cur().percentCorrect(1)),
              ints(6, 4, 6, 4));
    EXPECT_EQ(d.random.left(), 0u);
    // asked stops at 32767; correct stops with it, so the number wrong (asked - correct) never
    // falls on a right answer.
    fact.asked = 32765, fact.correct = 32763;
    for (const Event e : {Event::Right, Event::Right, Event::Right, Event::Wrong, Event::Right}) {
        d.answer(e);
        EXPECT_EQ(fact.asked - fact.correct, 2);
    }
    EXPECT_EQ(fact.asked, 32767);
    PauseDrill(d.p), NewDrill(d.p);
    EXPECT_EQ(d.p.main.dsscore, MainModel{}.dsscore) << "the last drill's score goes with it";
}

TEST(Answering, RowPercentCountsUpToAverageOverAndThenKeepsARunningAverage)
{
    // averageOver (0, from a damaged record, counts as 1), the answers (1 right, 0 wrong) and
    // percentCorrect after each
    using Row = std::tuple<std::int16_t, std::vector<int>, std::vector<int>>;
    const std::vector<Row> rows{{4, {1, 1, 0, 1, 1, 0}, {1, 2, 2, 75, 81, 60}},
                                {1, {1, 0, 1}, {100, 0, 100}},
                                {0, {1, 0, 1}, {100, 0, 100}}};
    for (const auto& [over, answers, percents] : rows) {
        DrillSettings s = originalDefaults();
        s.averageOver() = over;
        std::vector<int> got;
        for (int right : answers) {
            UpdateRowPercent(s, 3, static_cast<std::int16_t>(right));
            got.push_back(s.percentCorrect(3));
        }
        const DrillSettings before = s;
        UpdateRowPercent(s, 0, 1); // no such second numbers
        UpdateRowPercent(s, 11, 1);
        EXPECT_EQ(s, before);
        EXPECT_EQ(got, percents) << over;
        EXPECT_EQ(s.answerCount(3), static_cast<std::int16_t>(answers.size()));
    }
}

TEST(Answering, EachWayAProblemEndsHasItsPopupPicturesSoundsAndTime)
{
    // event, shockLeft before, answerTime, pop-up, pictures, sounds, percentCorrect of row 1.
    // The time-out comes on the last tick: its tick sound and picture 5 first.
    using Row = std::tuple<Event, std::int16_t, std::int16_t, const char*, std::vector<int>,
                           std::vector<int>, std::int16_t>;
    const std::vector<Row> rows{
        {Event::Right, 7, 3, "", {2}, {2}, 1},
        {Event::Wrong, 9, 1, "!!Wrong Answer !! 1 + 1 = 2 234", {3, 5}, {3}, 0},
        {Event::TimeOut, 1, 10, "!! Time Out !! 1 + 1 = 2 234", {5, 4, 5}, {6, 4}, 0}};
    for (const auto& [event, shockLeft, time, popup, pictures, sounds, percent] : rows) {
        SCOPED_TRACE(popup);
        Drilling d;
        d.p.drill.shockLeft = shockLeft;
        EXPECT_EQ(d.answer(event), popup);
        EXPECT_EQ(std::tuple(d.pictures.shown, d.sound.played), std::tuple(pictures, sounds));
        // The next problem is posed and its clock runs.
        EXPECT_EQ(ints(d.p.drill.answerTime, d.p.cur().percentCorrect(1), d.random.left(),
                       d.p.main.timerEnabled),
                  ints(time, percent, 0, true));
        EXPECT_EQ(English(d.p.main.dsshock), "Timer: 10 sec");
        FlushAnswerHistory(d.p);
        EXPECT_FALSE(std::filesystem::exists(d.at(".history.sqlite"))) << "a pupil without a name";
    }
}

// The last level: DivR with every second number begun and review off. One right answer
// finishes the ladder: picture 1 and sound 5, Auto Teach off, and no next problem drawn (its
// captions and the idle window AutoTeach.APupilWhoIsAlwaysRightClimbsToTheEnd shows). A
// selection that leaves nothing to pose (as Auto Teach can) ends the drill too.
TEST(Answering, FinishingTheLadderOrNothingLeftToPoseEndsTheDrillWithoutAnotherProblem)
{
    Drilling d([](Drilling& t) {
        t.p.cur().autoTeach = 1, t.p.cur().reviewOn = 0;
        t.p.cur().numStats[2] = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        t.mainForm.op_click(OpDivR);
        t.setBoxes(Boxes{{1}, {10}});
        for (int i = 0; i < 200; ++i) {
            t.random.push({0.0}); // the remainders of the DivR table
        }
    });
    ASSERT_EQ(d.p.drill.curFact, 181);
    d.right();
    EXPECT_EQ(std::tuple(d.pictures.shown, d.sound.played),
              std::tuple(std::vector{2, 1, 1}, std::vector{2, 5}));
    EXPECT_EQ(ints(d.p.cur().autoTeach, d.p.run.drillResumable), ints(0, 0));

    Drilling empty;
    empty.p.cur().secondNum = {}, empty.p.drill.poolCount = 0;
    empty.pictures.missing = {1}; // no logo: the happy face stays, and the model says so
    empty.right();
    EXPECT_EQ(std::tuple(empty.p.main.picture, empty.sound.played, empty.controls(),
                         empty.p.main.timerEnabled),
              std::tuple(PictureId::Happy, std::vector{2, 5}, kIdle, false));
}

TEST(Answering, StopRuleEndsByTimeProblemsEitherBothOrNever)
{
    // minutes and problems against the original maxMinutes 30 and maxProblems 200: the stopOn
    // values (0..6) that end the drill
    DrillSettings s = originalDefaults();
    const std::vector<std::tuple<std::int16_t, int, std::vector<int>>> rows{
        {29, 199, {}}, {30, 199, {1, 3}}, {29, 200, {2, 3}}, {30, 200, {1, 2, 3, 4}}};
    for (const auto& [minutes, problems, ends] : rows) {
        Drill d;
        d.drillMinutes = minutes;
        d.total = problems;
        std::vector<int> got;
        for (s.stopOn = 0; s.stopOn <= 6; ++s.stopOn) {
            if (StopRuleEnds(s, d)) {
                got.push_back(s.stopOn);
            }
        }
        EXPECT_EQ(got, ends) << minutes << " min " << problems << " problems";
    }
}

// A pop-up closes itself on the tick that ends its last second; a time of 0 or below never
// closes it, however long it stays open.
TEST(Answering, APopupClosesOnItsLastSecondOrWithoutATimeWaitsForItsButton)
{
    for (const std::int16_t seconds : {std::int16_t{3}, std::int16_t{-1}}) {
        Drilling d;
        d.p.cur().popupSeconds() = seconds;
        d.poseFactOne(); // the problem after the pop-up
        d.mainForm.but_click(d.p.drill.wrongSlot1);
        int ticks = 0;
        for (; ticks < 70000 && d.p.main.modal == Modal::Feedback; ++ticks) {
            d.mainForm.pop_timer_tick();
        }
        EXPECT_EQ(ticks, seconds > 0 ? seconds : 70000) << seconds;
    }
    // The last problem's pop-up closed by its time ends the drill, whose results are saved then.
    Drilling last([](Drilling& d) {
        d.p.cur().stopOn = 2, d.p.cur().maxProblems() = 1, d.p.cur().popupSeconds() = 1;
    });
    last.mainForm.but_click(last.p.drill.wrongSlot1);
    last.mainForm.pop_timer_tick(); // the answer is recorded as the pop-up goes
    EXPECT_EQ(
        ints(last.p.drill.total, last.p.main.pauseEnabled, last.p.run.unsavedSince.has_value()),
        ints(1, 0, 0));
}

} // namespace
} // namespace sb::test
