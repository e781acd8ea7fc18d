// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/auto_teach.h"
#include "teach/status_panel.h"

#include "support/test_support.h"

namespace sb::test {
namespace {

// Auto Teach on over the original defaults, with the operation, the selection (as the window's
// boxes) and the second numbers begun at this level, the table and pool built.
// Each step runs as the program runs it, its captions and selection shown on the main window.
struct Teaching : ProgramFixture {
    Teaching(std::int16_t op, const Boxes& boxes, const std::vector<int>& begun = oneTo(10))
        : ProgramFixture(random, diskFileSystem())
    {
        LoadOriginalDefaults(p.settings);
        s = p.settings.defaultSettings;
        s.autoTeach = 1;
        s.operation = op;
        select(s, boxes);
        for (std::size_t n = 1; n <= 10; ++n) {
            s.numStats[2][n] = std::ranges::count(begun, n) > 0 ? 5 : 0;
        }
        BuildFacts(p.drill, s, random);
        BuildPool(p.drill, s, PoolMode::ResetAll, 0);
        p.drill.score = 3, p.drill.total = 4, p.drill.drillMinutes = 5;
    }
    void retireRow(int n)
    {
        for (p.drill.curFact = 1; p.drill.curFact <= 200; ++p.drill.curFact) {
            if (p.drill.current().second == n) {
                RetireFact(p.drill, s);
            }
        }
    }
    std::string step() // the captions it wrote ("-" where it wrote none)
    {
        p.main.stageCaption = p.main.stageNote = Caption("-");
        static_cast<void>(RunAutoTeachStep(p));
        return English(p.main.stageCaption) + "|" + English(p.main.stageNote);
    }
    int counters() const { return p.drill.score + p.drill.total + p.drill.drillMinutes; }

    ConstantRandom random{0.0};
    DrillSettings& s = p.settings.curSettings;
};

TEST(AutoTeach, BeginsTheNextSecondNumberOnlyWhenAnsweredWellEnough)
{
    // Defaults: averageOver 15, advancePercent 80. Below 15 answers the column is a count.
    const std::vector<std::tuple<std::int16_t, std::int16_t, bool>> rows{
        {15, 80, true}, {15, 79, false}, {14, 12, false}, {16, 80, true}};
    for (const auto& [count, percent, begins] : rows) {
        SCOPED_TRACE(testing::Message() << percent << " after " << count);
        Teaching t(OpAdd, Boxes{{1}, {3}}, oneTo(3));
        t.s.answerCount(3) = count, t.s.percentCorrect(3) = percent;
        t.p.drill.fact(41).asked = 5; // a fact in play keeps its counters
        t.p.drill.fact(61).asked = 9; // a stale counter of the number about to begin
        EXPECT_EQ(t.step(), begins ? "Begin: 4|-" : "-|-");
        // 4: counted from the next step
        EXPECT_EQ(ints(t.p.drill.fact(41).asked, t.p.drill.fact(61).asked, t.s.activeSteps(3),
                       t.s.activeSteps(4), t.p.drill.poolCount),
                  ints(5, begins ? 0 : 9, 6, 0, begins ? 20 : 10));
        const Boxes now = begins ? Boxes{{1}, {3, 4}} : Boxes{{1}, {3}};
        EXPECT_EQ(std::tuple(t.boxes(), selectionOf(t.s)), std::tuple(now, now));
        EXPECT_EQ(t.p.settings.startSettings, t.p.cur());
    }
}

TEST(AutoTeach, CompleteLevelMovesEveryRangeUpOrGoesToTheNextOperation)
{
    // 10 Sub is complete when 1..9 have begun: 10 has no fact there.
    using Row = std::tuple<std::int16_t, Boxes, std::vector<int>, const char*, std::int16_t, Boxes>;
    const std::vector<Row> rows{
        {OpAdd, Boxes{{1}, {10}}, oneTo(10), ":Begin 11~13| ", OpAdd, Boxes{{2}, {1}}},
        {OpAdd, Boxes{{1, 2}, {10}}, oneTo(10), ":Begin 11~13| ", OpAdd, Boxes{{2, 3}, {1}}},
        {OpAdd, Boxes{{3, 4}, {10}}, oneTo(10), ":Begin 17~20| ", OpAdd, Boxes{{4}, {1}}},
        {OpAdd, Boxes{{4}, {10}}, oneTo(10), ":Level 10Sub|", Op10Sub, Boxes{{1}, oneTo(10)}},
        {OpMult, Boxes{{1, 2}, {10}}, oneTo(10), ":Level Div|", OpDiv, Boxes{{1}, {1}}},
        {Op10Sub, Boxes{{1}, oneTo(9)}, {}, ":Level Sub|", OpSub, Boxes{{1}, {1}}},
        {Op10Sub, Boxes{{1}, oneTo(8)}, {}, "-|-", Op10Sub, Boxes{{1}, oneTo(8)}}};
    for (const auto& [op, boxes, begun, captions, opAfter, boxesAfter] : rows) {
        SCOPED_TRACE(captions);
        Teaching t(op, boxes, begun);
        t.s.reviewCount = 57, t.s.answerCount(7) = 9, t.s.percentCorrect(1) = 80;
        t.s.answerCount(10) = 20, t.s.percentCorrect(10) = 90; // 10 well answered: no 11 begins
        EXPECT_EQ(t.step(), captions);
        EXPECT_EQ(ints(t.s.operation, t.p.main.selection.op), ints(opAfter, opAfter));
        EXPECT_EQ(selectionOf(t.s), boxesAfter);
        Drill fresh = t.p.drill;
        BuildFacts(fresh, t.s, t.random);
        BuildPool(fresh, t.s, PoolMode::ResetAll, 0);
        EXPECT_EQ(t.p.drill.pool, fresh.pool) << "the pool holds what the boxes show";
        EXPECT_TRUE(opAfter == op || t.p.drill.facts == fresh.facts) << "the new operation's facts";
        // a step that stays on the level only counts itself in reviewCount
        const bool stays = boxes == boxesAfter;
        EXPECT_EQ(ints(t.counters(), t.s.answerCount(7), t.s.percentCorrect(1), t.s.reviewCount,
                       t.s.reviewLeft),
                  stays ? ints(12, 9, 80, 58, kNoReview) : ints(0, 0, 0, 0, kNoReview));
        EXPECT_EQ(t.p.settings.startSettings, t.p.cur());
    }
}

TEST(AutoTeach, AMasteredNumberLeavesAfterTheNextBeginsAndIsReportedOnce)
{
    // 4 answered well enough begins 5 by its percentage; 9, mastered before that, lets the
    // lowest number not yet begun (10) begin so that something is left to drill (and 10,
    // counted at the next step, completes the level).
    const std::vector<std::tuple<Boxes, std::vector<int>, int, const char*, Boxes, const char*>>
        rows{{Boxes{{1}, {4}}, oneTo(4), 90, "Begin: 5|Remove: 4", Boxes{{1}, {5}}, "-|-"},
             {Boxes{{1}, {9}}, oneTo(9), 0, "Begin: 10|Remove: 9", Boxes{{1}, {10}},
              ":Begin 11~13| "},
             // 1 still in play: nothing has to begin
             {Boxes{{1}, {1, 4}}, oneTo(4), 0, "-|Remove: 4", Boxes{{1}, {1}}, "-|-"}};
    for (const auto& [boxes, begun, percent, captions, after, next] : rows) {
        Teaching t(OpAdd, boxes, begun);
        const int n = begun.back(); // the last number begun is the one mastered
        t.s.answerCount(n) = 20;
        t.s.percentCorrect(n) = static_cast<std::int16_t>(percent);
        t.retireRow(n);
        t.p.drill.fact(n == 9 ? 181 : 81).asked = 2;
        t.p.drill.fact(factIndex(n, 1)).asked = 3;
        EXPECT_EQ(t.step(), captions);
        EXPECT_EQ(selectionOf(t.s), after);
        // the numbers removed and begun start afresh; activeSteps kept: it never begins again
        // at this level
        EXPECT_EQ(ints(t.s.answerCount(n) + t.s.percentCorrect(n),
                       t.p.drill.fact(n == 9 ? 181 : 81).asked,
                       t.p.drill.fact(factIndex(n, 1)).asked, t.s.activeSteps(n)),
                  ints(0, captions[0] == 'B' ? 0 : 2, 0, 6));
        EXPECT_EQ(t.step(), next) << "each is reported once; 10 completes the level";
    }
    Drill d; // the first and the last fact count too: each is its row's only one, retired
    d.factCount = 200;
    d.fact(1) = FactRec{1, 1, 2, 1, 0, 0, 0, 0};
    d.fact(200) = FactRec{20, 10, 30, 4, 0, 0, 0, 0};
    d.fact(21) = FactRec{1, 2, 3, 1, 0, 0, 0, 1}; // row 2's only fact, in play
    EXPECT_EQ(ints(RowMastered(d, 1), RowMastered(d, 10), RowMastered(d, 2)),
              ints(true, true, false));
    Teaching five(OpAdd, Boxes{{1}, {5}}, {5}); // only 5 ticked: 1 never began
    five.retireRow(5);
    EXPECT_EQ(five.step(), "Begin: 1|Remove: 5");
    Teaching tenSub(Op10Sub, Boxes{{1}, {8}}, oneTo(8)); // 9 is the last 10 Sub has
    tenSub.retireRow(8);
    EXPECT_EQ(tenSub.step(), "Begin: 9|Remove: 8");
}

TEST(AutoTeach, StatusPanelShowsTheSettingsAndNamesThePupil)
{
    // the name stored, a change to the original defaults, the title and the eight lines
    const std::vector<std::tuple<const char*, void (*)(DrillSettings&), std::string>> rows{
        {"Default", [](DrillSettings&) {},
         "Sumblitz1.2|Student  Default|OnStart  Off|Teach    Off|Save      Off|MaxTime "
         "30|MaxProb 200|StopOn   Prob|Timer      10"},
        {"  Untitled",
         [](DrillSettings& s) { s.loadOnStart = s.autoTeach = s.saveLevel() = s.stopOn = 1; },
         "Sumblitz1.2|Student  Untitled|OnStart  On|Teach    On|Save      On|MaxTime "
         "30|MaxProb 200|StopOn   Time|Timer      10"},
        {"default", [](DrillSettings& s) { s.stopOn = 5, s.autoTeach = 2, s.maxMinutes() = 7; },
         "default:|Student  Loaded|OnStart  Off|Teach    Off|Save      Off|MaxTime 7|MaxProb "
         "200|StopOn   Off|Timer      10"},
        {" Ann",
         [](DrillSettings& s) { s.stopOn = 6, s.maxProblems() = 1000, s.shockSeconds() = 7; },
         "Ann:|Student  Loaded|OnStart  Off|Teach    Off|Save      Off|MaxTime 30|MaxProb "
         "1000|StopOn   Off|Timer      7"}};
    for (const auto& [name, change, shown] : rows) {
        DrillSettings s = originalDefaults(name);
        change(s);
        std::string got = English(StatusText(s).title);
        for (const Caption& line : StatusText(s).lines) {
            got += "|" + English(line);
        }
        EXPECT_EQ(got, shown);
    }
}

TEST(AutoTeach, ReviewStartsAtStep200EndsAfter100WithFreshCountersAndTheCountWrapsAbove32700)
{
    Teaching t(OpAdd, Boxes{{1}, {3}}, oneTo(3)); // 1 and 2 have begun and left
    t.s.activeSteps(1) = 1;
    t.s.numStats[0][0] = 4; // slot 0, kept as a stored record holds it, is no second number
    for (int n = 1; n < 200; ++n) {
        static_cast<void>(AutoTeachStep(t.p.settings, t.p.drill, t.random));
    }
    EXPECT_EQ(t.step(), ":Rev 1 to 3|-");
    EXPECT_EQ(ints(t.s.reviewCount, t.p.drill.poolCount, t.counters()), ints(0, 30, 0));
    EXPECT_EQ(t.boxes(), (Boxes{{1}, oneTo(3)}));
    // while reviewing nothing begins or leaves, even when it is due
    t.s.answerCount(3) = 30, t.s.percentCorrect(3) = 100;
    t.retireRow(1);
    for (int n = 1; n < 100; ++n) {
        ASSERT_EQ(t.step(), "-|-");
    }
    t.p.drill.score = 7;
    EXPECT_EQ(t.step(), ":Rev End|-");
    EXPECT_EQ(ints(t.p.drill.poolCount, t.counters()), ints(10, 0));
    EXPECT_EQ(t.boxes(), (Boxes{{1}, {3}}));
    EXPECT_EQ(t.step(), "Begin: 4|-");
    // reviewOn, reviewLeft and reviewCount before and after; the last two rows end the review,
    // the last because a damaged negative count runs out at once
    const std::vector<std::array<int, 5>> rows{{1, -2, 32699, -2, 32700}, {1, -2, 32700, -2, 0},
                                               {1, 5, 32700, 4, 32700},   {1, 5, 32701, 4, 0},
                                               {0, 5, 32701, 5, 32701},   {1, 1, 3, -2, 3},
                                               {1, -5, 3, -2, 3}};
    for (const auto& [on, left, count, leftAfter, countAfter] : rows) {
        Teaching w(OpAdd, Boxes{{1}, {1, 2}}, {1, 2});
        w.s.reviewOn = static_cast<std::int16_t>(on);
        w.s.reviewAfter() = 32767;
        w.s.reviewLeft = static_cast<std::int16_t>(left);
        w.s.reviewCount = static_cast<std::int16_t>(count);
        static_cast<void>(AutoTeachStep(w.p.settings, w.p.drill, w.random));
        EXPECT_EQ(ints(w.s.reviewLeft, w.s.reviewCount), ints(leftAfter, countAfter));
        EXPECT_EQ(selectionOf(w.s),
                  (Boxes{{1}, leftAfter == -2 && left != -2 ? std::vector{2} : oneTo(2)}));
    }
    Teaching one(OpAdd, Boxes{{1}, {1}}, {1}); // a review of 1 alone ends on 1
    one.s.reviewOn = one.s.reviewLeft = 1;
    one.s.reviewAfter() = 32767;
    one.p.drill.fact(one.p.drill.pool[1]).asked = 3;
    static_cast<void>(AutoTeachStep(one.p.settings, one.p.drill, one.random));
    EXPECT_EQ(selectionOf(one.s), (Boxes{{1}, {1}}));
    EXPECT_EQ(one.p.drill.fact(one.p.drill.pool[1]).asked, 3) << "its facts go on as they were";
    Teaching none(OpAdd, Boxes{{1}, {}}, {}); // a damaged record: no box in play
    none.s.reviewCount = none.s.reviewAfter();
    EXPECT_EQ(none.step(), ":Rev 1 to 0|-");
    EXPECT_EQ(selectionOf(none.s), (Boxes{{1}, {}})) << "no second number switched on";
    one.s.reviewAfter() = 5, one.s.reviewCount = 4; // and one of 1 alone begins as such
    EXPECT_EQ(one.step(), ":Rev 1 to 1|-");
}

// A pupil who never makes a mistake climbs the whole ladder at the window: every problem right,
// retired after removeStreak right answers in a row; Start again whenever the drill ends.
TEST(AutoTeach, APupilWhoIsAlwaysRightClimbsToTheEnd)
{
    std::vector<std::string> expected;
    for (const char* level : {":Begin 11~13", ":Begin 14~16", ":Begin 17~20", ":Level 10Sub",
                              ":Level Sub", ":Begin 11~13", ":Begin 14~16", ":Begin 17~20",
                              ":Level Mult", ":Level Div", ":Level DivR", ":Congratulations!"}) {
        // 10Sub begins all ten second numbers together and ends at the next step.
        for (int n = 2; std::string(level) != ":Level Sub" && n <= 10; ++n) {
            expected.push_back("Begin: " + std::to_string(n));
        }
        expected.push_back(level);
    }
    // A streak of 6 lets a second number begin the next by its percentage; with 2 it is
    // mastered first, and the next one must still begin instead of the pool running dry.
    for (int streak : {6, 2}) {
        SCOPED_TRACE(streak);
        StdRandom random(static_cast<std::uint64_t>(streak));
        ProgramFixture f(random, diskFileSystem());
        f.load();
        DrillSettings& s = f.p.cur();
        s.autoTeach = 1;
        s.reviewOn = s.removeFastOn() = 0;
        s.removeStreak() = static_cast<std::int16_t>(streak);
        f.setBoxes(Boxes{{1}, {1}});
        std::vector<std::string> shown;
        for (int n = 0; n < 100000 && s.autoTeach == 1; ++n) {
            f.p.main.stageCaption = Caption();
            f.p.main.startEnabled ? f.mainForm.start_click() : f.right();
            if (!f.p.main.stageCaption.empty() &&
                f.p.main.stageCaption != Caption(Phrase::GetReady)) {
                shown.push_back(English(f.p.main.stageCaption));
            }
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(f.p.main.stageNote, Caption(Phrase::GreatJob));
        EXPECT_EQ(f.controls(), kIdle);
    }
}

} // namespace
} // namespace sb::test
