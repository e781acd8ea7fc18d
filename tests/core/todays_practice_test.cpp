// SPDX-License-Identifier: GPL-3.0-or-later
// Today's Practice through the main window's handlers: the plan poses the problems of the
// selection, the answers go where a drill's go, and the plan lives in the pupil's history.

#include "flow/todays_practice.h"
#include "plan/practice_plan.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

// Ann current, started on the x2 facts of the multiplication table: first numbers 1..10,
// second number 2.
struct AnnAtTimesTwo : ProgramFixture {
    explicit AnnAtTimesTwo(std::uint64_t seed)
        : ProgramFixture(random, diskFileSystem()), random(seed)
    {
        load();
        setName(p.cur(), "Ann");
        mainForm.op_click(OpMult);
        setBoxes({{1}, {2}});
    }
    StdRandom random;
};

// Answers each posed problem right (wrong every fifth) after `seconds`, until the session ends;
// the facts posed, in order.
std::vector<int> practise(ProgramFixture& f, int seconds)
{
    std::vector<int> posed;
    while (f.p.main.pauseEnabled && posed.size() < 500) {
        posed.push_back(f.p.drill.curFact);
        f.clock.ms += seconds * 1000;
        f.clock.slept += std::chrono::seconds(seconds);
        const bool wrong = posed.size() % 5 == 0;
        f.mainForm.but_click(wrong ? f.p.drill.wrongSlot1 : f.p.drill.rightSlot);
        if (f.p.main.modal == Modal::Feedback) {
            f.mainForm.pop_but_click(f.p.drill.rightSlot);
        }
    }
    return posed;
}

TEST(TodaysPractice, ASessionPosesThePlansFactsAndEndsWhenItsMinutesAreUp)
{
    AnnAtTimesTwo f(7);
    ASSERT_TRUE(SetPracticeChoice(f.p, "Ann", {2, true}).ok());
    f.mainForm.practice_click();
    ASSERT_TRUE(f.p.practice);
    EXPECT_EQ(English(f.p.main.stageCaption), "Today's Practice");
    // x1 is taught first: 1 x 2.
    EXPECT_EQ(f.p.drill.curFact, factIndex(2, 1));

    const std::vector<int> posed = practise(f, 3);
    // Two minutes of three-second problems (a pop-up's time counts too), each of the selection
    // and never the same twice in a row. How the session ends as a drill does, on the screen and
    // in the history, the window's test shows.
    EXPECT_GE(posed.size(), 30U);
    EXPECT_LE(posed.size(), 40U);
    EXPECT_TRUE(std::ranges::all_of(posed, [&f](int x) { return f.p.drill.fact(x).second == 2; }));
    EXPECT_EQ(std::ranges::adjacent_find(posed), posed.end());
    EXPECT_EQ(ints(f.p.practice.has_value(), f.p.drill.total), ints(false, posed.size()));

    // The plan lives in her history: on another computer her model is the same.
    FlushAnswerHistory(f.p);
    const PracticeSession here = NewPracticeSession(f.p);
    AnnAtTimesTwo other(7);
    std::filesystem::copy_file(f.at("Ann.history.sqlite"), other.at("Ann.history.sqlite"));
    other.mainForm.practice_click();
    ASSERT_TRUE(other.p.practice);
    for (int fact : SelectedFacts(other.p.cur())) {
        const FactMemory& there = other.p.practice->model.memory(OpMult, fact);
        EXPECT_TRUE(there.seen()) << fact;
        EXPECT_EQ(there.stability, here.model.memory(OpMult, fact).stability) << fact;
    }
    EXPECT_EQ(PracticeChoiceOf(other.p, "Ann"), (PracticeChoice{2, true}));
}

TEST(TodaysPractice, PauseKeepsTheSessionStartLeavesItAndTheChoiceIsRefusedOutOfRange)
{
    AnnAtTimesTwo f(3);
    f.mainForm.practice_click();
    f.mainForm.but_click(f.p.drill.rightSlot);
    const std::int32_t total = f.p.drill.total;
    f.mainForm.cPause_click();
    f.mainForm.practice_click(); // goes on where it stopped
    EXPECT_EQ(ints(f.p.practice.has_value(), f.p.drill.total), ints(true, total));
    f.mainForm.cPause_click();
    f.mainForm.start_click(); // a drill of its own, from nought
    EXPECT_EQ(ints(f.p.practice.has_value(), f.p.drill.total), ints(false, 0));
    f.mainForm.cPause_click(), f.mainForm.practice_click();
    ASSERT_TRUE(f.p.practice);
    f.mainForm.cPause_click(), f.mainForm.Reset_click();
    EXPECT_FALSE(f.p.practice) << "New Drill leaves it too";

    setName(f.p.run.shownPupil, "Ann");
    StudentForm form{f.p};
    form.load();
    form.practiceMinutes_change(11);
    form.practiceMinutes_change(1);
    EXPECT_EQ(CurrentPracticeChoice(f.p), PracticeChoice{5});
    form.practiceMinutes_change(2);
    EXPECT_EQ(CurrentPracticeChoice(f.p), PracticeChoice{2});
    form.practiceMinutes_change(10);
    form.practiceDefault_click(true);
    form.practiceProblems_change(kPracticeProblemsMax);
    form.practiceProblems_change(kPracticeProblemsMax + 1);
    EXPECT_EQ(ints(form.model().practice.problems, PracticeChoiceOf(f.p, "Ann").problems),
              ints(kPracticeProblemsMax, kPracticeProblemsMax));
    form.practiceProblems_change(3);
    EXPECT_EQ(CurrentPracticeChoice(f.p), (PracticeChoice{10, true, 3})) << "read again";
    // Three problems, however long they take.
    f.mainForm.practice_click();
    f.clock.slept += std::chrono::minutes(20);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(f.p.practice) << i;
        f.mainForm.but_click(f.p.drill.rightSlot);
    }
    // the session over, with the finish sound (5)
    EXPECT_EQ(ints(f.p.practice.has_value(), f.p.drill.total, f.sound.played.back()),
              ints(false, 3, 5));
    form.practiceProblems_change(0); // back to minutes
    EXPECT_EQ(CurrentPracticeChoice(f.p), (PracticeChoice{10, true, 0}));
    setName(f.p.cur(), "Bob");
    EXPECT_EQ(CurrentPracticeChoice(f.p), PracticeChoice{}) << "a choice is its pupil's";
}

} // namespace
} // namespace sb::test
