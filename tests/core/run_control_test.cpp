// SPDX-License-Identifier: GPL-3.0-or-later
// Start, the drill clock, the delay window, Pause, New Drill and the end of a drill, and the
// selection controls of the main window, through the program's own handlers.

#include "support/test_support.h"

namespace sb::test {
namespace {

// A program loaded without a settings file: the original defaults (ShockClock 10 s, no delay,
// pop-up 5 s, stop after 200 problems), no drill started.
struct Session : ProgramFixture {
    Session() : ProgramFixture(random, diskFileSystem()) { load(); }
    StdRandom random{20240611};
};

// Fact 195 (second number 10, column 15) is not in the pool; queued, it comes at the first
// problem after Start, whatever delay was left when the drill was paused.
TEST(RunControl, StartPauseAndEndSetTheControlsAQueuedRepetitionIsDueAtOnceAndTheClockWaits)
{
    Session r;
    Controls startUp = kIdle;
    startUp.newDrill = startUp.results = false;
    EXPECT_EQ(r.controls(), startUp) << "after start-up: no Pause, New Drill or Results";
    r.mainForm.start_click(); // its controls: StartResumesOnlyAPausedDrillWithTheSameSelection
    EXPECT_EQ(r.p.main.stageCaption, Caption(Phrase::GetReady));
    r.mainForm.cPause_click();
    EXPECT_EQ(std::tuple(r.controls(), r.p.run.drillResumable), std::tuple(kIdle, true));
    r.p.drill.repeatList[1] = 195, r.p.drill.repeatCount = 1, r.p.drill.repeatDelay = 3;
    r.p.drill.poolCount = 1; // the rest retired: a resumed pool is not refilled
    r.mainForm.start_click();
    EXPECT_EQ(ints(r.p.drill.curFact, r.p.drill.poolCount), ints(195, 1));
    EndDrill(r.p);
    EXPECT_EQ(std::tuple(r.controls(), r.p.run.drillResumable, r.p.main.timerEnabled),
              std::tuple(kIdle, false, false));
    r.mainForm.timer_tick(); // a tick that comes after the end does nothing: no sound
    r.p.cur().maxProblems() = 40;
    r.mainForm.Reset_click();
    startUp.results = true;
    EXPECT_EQ(r.controls(), startUp) << "New Drill greys itself";
    EXPECT_EQ(English(r.p.main.statusLines[5]), "MaxProb 40") << "and shows the settings";
    r.p.cur().maxProblems() = 41;
    // pictures: Pause, EndDrill, its SetIdle; then the sounds
    EXPECT_EQ(std::tuple(r.pictures.shown, r.sound.played),
              std::tuple(std::vector{1, 1, 1}, std::vector{1, 1, 5}));
    r.mainForm.start_click();
    EXPECT_EQ(English(r.p.main.statusLines[5]), "MaxProb 41") << "as Start does";
    r.mainForm.cPause_click();
    r.p.drill.factCount = 0; // a table that can pose nothing: the drill does not start
    r.mainForm.start_click();
    EXPECT_EQ(std::tuple(r.controls(), r.p.run.drillResumable), std::tuple(kIdle, false));
    for (std::int16_t delay : {std::int16_t{0}, std::int16_t{1}, std::int16_t{3}}) {
        SCOPED_TRACE(delay);
        Session t;
        t.p.cur().delaySeconds() = delay;
        t.mainForm.start_click();
        for (int left = delay; left > 0; --left) {
            ASSERT_EQ(std::tuple(t.p.main.modal, t.p.main.delay.timerEnabled),
                      std::tuple(Modal::Delay, true));
            EXPECT_EQ(English(t.p.main.delay.caption), "          Delay: " + std::to_string(left));
            t.mainForm.timer_tick(); // the problem is shown but its countdown has not begun
            t.right();
            t.mainForm.deltime_tick();
        }
        EXPECT_EQ(ints(t.p.main.modal, t.p.main.clockStarts), ints(Modal::None, 1));
        EXPECT_EQ(English(t.p.main.dsshock), "Timer: 10 sec");
        t.mainForm.deltime_tick(); // a late tick of the closed window's timer does nothing
        t.mainForm.timer_tick(), t.mainForm.timer_tick();
        EXPECT_EQ(std::tuple(English(t.p.main.dsshock), t.p.drill.total),
                  std::tuple(std::string("Timer: 8 sec"), 0));
        // The start sound, a tick per delay second, then a tick and picture 5 per clock second.
        std::vector<int> sounds{1};
        sounds.insert(sounds.end(), static_cast<std::size_t>(delay + 2), 6);
        EXPECT_EQ(std::tuple(t.sound.played, t.pictures.shown),
                  std::tuple(sounds, std::vector{5, 5}));
    }
}

TEST(RunControl, StartResumesOnlyAPausedDrillWithTheSameSelection)
{
    const std::vector<std::tuple<const char*, void (*)(MainForm&), bool>> rows{
        {"paused", [](MainForm&) {}, true},
        {"switch changed", [](MainForm& f) { f.switch_click(0); }, true},
        {"operation changed", [](MainForm& f) { f.op_click(OpMult); }, false},
        {"a range added", [](MainForm& f) { f.a_click(4, 1); }, false},
        {"the first range cleared", [](MainForm& f) { f.a_click(1, 0); }, false},
        {"a second number cleared", [](MainForm& f) { f.b_click(3, 0); }, false},
        {"New Drill", [](MainForm& f) { f.Reset_click(); }, false}};
    for (const auto& [what, change, resumes] : rows) {
        SCOPED_TRACE(what);
        Session r;
        r.clock.minute = 10;
        r.mainForm.a_click(2, 1); // the first two ranges of first numbers
        r.mainForm.start_click();
        r.right();
        r.clock.minute = 11; // a tick that sees the wall clock on the next minute
        r.mainForm.timer_tick();
        // A wrong answer, and the window minimised in its pop-up: the problem is recorded and
        // the drill paused.
        r.mainForm.but_click(r.p.drill.wrongSlot1);
        r.mainForm.put_aside();
        change(r.mainForm);
        const Drill before = r.p.drill;
        r.clock.minute = 40; // a long pause
        r.mainForm.start_click();
        EXPECT_EQ(std::tuple(r.controls(), ints(r.p.drill.score, r.p.drill.total)),
                  std::tuple(kRunning, resumes ? ints(1, 2) : ints(0, 0)));
        // A new drill shows no score until its first answer, not the last drill's.
        EXPECT_EQ(English(r.p.main.dstotal) + English(r.p.main.dsscore),
                  resumes ? " Total: 1/2Score: 50%" : " Total:Score:");
        if (resumes) {
            EXPECT_EQ(r.p.drill.facts, before.facts);
            // the pause is not counted: the first tick sees the minute Start saw
            r.mainForm.timer_tick(), r.mainForm.timer_tick();
            EXPECT_EQ(r.p.drill.drillMinutes, 1) << "one minute, however many ticks";
        }
        ASSERT_TRUE(r.p.main.timerEnabled);
        r.mainForm.put_aside(); // minimised while a problem is posed
        EXPECT_FALSE(r.p.main.timerEnabled) << "its clock stops with it";
    }
}

// An empty selection gets its first box ticked; a selection without a fact is refused, by Start
// and by Today's Practice, and the problem of before goes.
TEST(RunControl, StartMakesTheSelectionNonEmptyAndRefusesOneWithoutAFact)
{
    using Row = std::tuple<std::int16_t, Boxes, Boxes, int>;
    const std::vector<Row> rows{{0, Boxes{{}, oneTo(10)}, Boxes{{1}, oneTo(10)}, 100},
                                {0, Boxes{{2}, {}}, Boxes{{2}, oneTo(10)}, 30},
                                {0, Boxes{{}, {1}}, Boxes{{1}, {1}}, 10},
                                {1, Boxes{{}, {}}, Boxes{{1}, {1}}, 10}};
    for (const auto& [autoTeach, boxes, fixed, poolCount] : rows) {
        SCOPED_TRACE(testing::PrintToString(boxes));
        Session r;
        r.p.cur().autoTeach = autoTeach;
        r.setBoxes(boxes);
        r.mainForm.start_click();
        EXPECT_EQ(std::tuple(r.controls(), r.boxes(), r.p.drill.poolCount),
                  std::tuple(kRunning, fixed, poolCount));
    }
    for (const auto click : {&MainForm::start_click, &MainForm::practice_click}) {
        Session r;
        r.mainForm.start_click(), r.right(), r.mainForm.cPause_click();
        r.mainForm.op_click(Op10Sub);
        r.setBoxes(Boxes{{1}, {10}}); // 10 Sub with only the second number 10 has no fact at all
        r.sound.played.clear();
        (r.mainForm.*click)();
        EXPECT_EQ(English(r.p.main.stageCaption) + "|" + English(r.p.main.stageNote),
                  "Nothing to drill|Choose other numbers");
        EXPECT_EQ(std::tuple(r.controls(), r.sound.played, r.p.practice.has_value(),
                             r.p.run.drillResumable != 0),
                  std::tuple(kIdle, std::vector<int>{}, false, false))
            << "no start sound, nothing to resume";
        EXPECT_EQ(r.p.main.problem.text + r.p.main.but[1].caption + r.p.main.but[3].caption, "13");
    }
}

TEST(MainForm, EverySelectionClickEnablesNewDrillAndReadSelectionTakesTheBoxes)
{
    Session shown; // a record shown puts its operation on the window, Add included
    shown.mainForm.op_click(OpMult);
    DrillSettings add = shown.p.cur();
    // 7 is no such operation: the window keeps its own
    for (const std::int16_t op : {std::int16_t{OpAdd}, std::int16_t{7}}) {
        add.operation = op;
        ShowSelection(shown.p, add);
        EXPECT_EQ(shown.p.main.selection.op, OpAdd) << op;
    }
    // Shown over "10 Sub", the record keeps its own first numbers, not those saved then.
    shown.setBoxes(Boxes{{2, 3}, oneTo(10)});
    shown.mainForm.op_click(Op10Sub);
    add.operation = OpAdd;
    add.firstRange = {0, 1, 0, 0, 1};
    ShowSelection(shown.p, add);
    EXPECT_EQ(shown.boxes(), (Boxes{{1, 4}, oneTo(10)}));
    // The select buttons enable New Drill themselves, also when no box changes.
    const std::vector<std::pair<void (*)(MainForm&), Boxes>> rows{
        {[](MainForm& f) { f.a_click(1, 0), f.a_click(3, 1); }, Boxes{{3}, oneTo(10)}},
        {[](MainForm& f) { f.b_click(7, 0); }, Boxes{{1}, {1, 2, 3, 4, 5, 6, 8, 9, 10}}},
        {[](MainForm& f) { f.b_click(7, 0), f.bsela_click(); }, Boxes{{1}, oneTo(10)}},
        {[](MainForm& f) { f.bseln_click(); }, Boxes{{1}, {}}},
        {[](MainForm& f) { f.asela_click(); }, Boxes{oneTo(4), oneTo(10)}},
        {[](MainForm& f) { f.aseln_click(); }, Boxes{{}, oneTo(10)}},
        {[](MainForm& f) { f.op_click(Op10Sub); }, Boxes{{1}, oneTo(10)}},
        {[](MainForm& f) { f.switch_click(0); }, Boxes{{1}, oneTo(10)}}};
    for (const auto& [click, boxes] : rows) {
        SCOPED_TRACE(testing::PrintToString(boxes));
        Session r;
        r.mainForm.a_click(5, 1), r.mainForm.b_click(11, 1); // boxes that are not there
        ASSERT_FALSE(r.p.main.newDrillEnabled);
        click(r.mainForm);
        EXPECT_TRUE(r.p.main.newDrillEnabled);
        DrillSettings read;
        ReadSelection(r.p.main, read);
        EXPECT_EQ(std::tuple(r.boxes(), selectionOf(read)), std::tuple(boxes, boxes));
        EXPECT_EQ(ints(read.operation, r.p.cur().switchAB),
                  ints(r.p.main.selection.op, r.p.main.switchBox.value));
    }
}

} // namespace
} // namespace sb::test
