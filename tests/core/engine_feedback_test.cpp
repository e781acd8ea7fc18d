#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/feedback.h"
#include "drill/pool.h"
#include "drill/posing.h"

namespace sb::test {
namespace {

// Fact 1 (1 + 1) posed from the default pool with the right answer on button 1 and the
// wrong answers 3 and 4 on buttons 2 and 3.
void pushPoseOfFactOne(ScriptedRandom& r)
{
    r.push({0.0, 0.0, 0.1, 0.0, 0.1, 0.1, 0.1, 0.0});
}

void startDrill(ProgramFixture& f, std::int16_t operation = OpAdd)
{
    Program& p = f.program;
    LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    for (std::size_t i = 1; i <= 5; ++i) {
        p.cur().smartCheck[i] = 0;
    }
    p.cur().stopOn = 5;
    p.cur().operation = operation;
    p.drill.repeatDelay = 0;
    BuildFacts(p.drill, p.cur(), f.random);
    BuildPool(p.drill, p.cur(), 0, 0);
}

void poseFactOne(ProgramFixture& f)
{
    pushPoseOfFactOne(f.random);
    ASSERT_TRUE(NextProblem(f.program));
    f.sound.played.clear();
    f.pictures.shown.clear();
}

TEST(EngineFeedback, WrongPopupButtonLeavesItOpenRightOneClosesIt)
{
    ProgramFixture f;
    startDrill(f);
    poseFactOne(f);
    Program& p = f.program;
    but_click(p, 3);
    ASSERT_EQ(p.main.modal, Modal::Feedback);
    for (int wrong : {2, 3, 0}) {
        pop_but_click(p, wrong);
    }
    EXPECT_EQ(p.main.modal, Modal::Feedback);
    EXPECT_EQ(p.drill.fact(1).asked, 0);

    pushPoseOfFactOne(f.random);
    pop_but_click(p, 1);
    EXPECT_EQ(p.main.modal, Modal::None);
    EXPECT_FALSE(p.main.pop.timerEnabled);
    EXPECT_EQ(p.drill.fact(1).asked, 1);
    EXPECT_EQ(p.drill.fact(1).correct, 0);
    EXPECT_EQ(f.pictures.shown, (std::vector<int>{3, 5}));
    EXPECT_EQ(f.random.left(), 0u);

    // Once closed, the pop-up's buttons and timer reach nothing.
    pop_but_click(p, 1);
    pop_timer_tick(p);
    EXPECT_EQ(p.drill.fact(1).asked, 1);
}

TEST(EngineFeedback, PopupClosesItselfOnTheTickThatFindsOneSecondLeft)
{
    // popupSeconds 0 or less: never, not even after a 16-bit countdown would wrap round to 1.
    for (int seconds : {1, 5, 0, -1}) {
        SCOPED_TRACE("popupSeconds " + std::to_string(seconds));
        ProgramFixture f;
        startDrill(f);
        f.program.cur().popupSeconds() = static_cast<std::int16_t>(seconds);
        poseFactOne(f);
        Program& p = f.program;
        TimeOut(p);
        const int ticks = seconds > 0 ? seconds - 1 : 70000;
        for (int tick = 1; tick <= ticks; ++tick) {
            pop_timer_tick(p);
            ASSERT_EQ(p.main.modal, Modal::Feedback) << "tick " << tick;
        }
        EXPECT_EQ(p.drill.fact(1).asked, 0);
        if (seconds > 0) {
            pushPoseOfFactOne(f.random);
            pop_timer_tick(p);
            EXPECT_EQ(p.main.modal, Modal::None);
            EXPECT_EQ(p.drill.popLeft, 0);
            EXPECT_EQ(p.drill.fact(1).asked, 1);
            EXPECT_EQ(f.random.left(), 0u);
        }
    }
}

TEST(EngineFeedback, PopupShowsTheSolvedProblemAndTheSameAnswerSlots)
{
    struct Row {
        std::int16_t kind;
        const char* ms;
        int sound;
    };
    const std::vector<Row> rows = {
        {0, "!! Time Out !!", 4},
        {1, "!!Wrong Answer !!", 3},
        {7, "!!Wrong Answer !!", 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("kind " + std::to_string(row.kind));
        ProgramFixture f;
        startDrill(f);
        f.program.cur().popupSeconds() = 9;
        poseFactOne(f);
        Program& p = f.program;

        ShowFeedback(p, row.kind);

        const PopupModel& pop = p.main.pop;
        EXPECT_EQ(pop.ms, row.ms);
        EXPECT_EQ(pop.dp.text, "1 + 1 = 2");
        EXPECT_EQ(pop.dp.markText, "1 -");
        EXPECT_FALSE(pop.dp.divisionSign);
        EXPECT_EQ((std::vector<std::string>{pop.but[1], pop.but[2], pop.but[3]}),
                  (std::vector<std::string>{"2", "3", "4"}));
        EXPECT_EQ(p.drill.popLeft, 9);
        EXPECT_TRUE(pop.timerEnabled);
        EXPECT_EQ(p.main.modal, Modal::Feedback);
        EXPECT_EQ(f.sound.played, (std::vector<int>{row.sound}));
    }
}

TEST(EngineFeedback, DivisionPopupDrawsTheSignCloserAndShowsAnyRemainder)
{
    struct Row {
        std::int16_t operation;
        std::int16_t first;
        std::int16_t remainder;
        const char* problem;
        const char* text;
    };
    // Fact 63: second number 4, column 3.
    const std::vector<Row> rows = {
        {OpDivR, 13, 1, "13 -  4", "13 -  4 = 3 R 1"},
        {OpDivR, 12, 0, "12 -  4", "12 -  4 = 3"},
        {OpDiv, 12, 0, "12 -  4", "12 -  4 = 3"},
        // A remainder left in the table from a DivR build is not shown for Div.
        {OpDiv, 13, 1, "13 -  4", "13 -  4 = 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        ProgramFixture f;
        startDrill(f, OpDiv);
        Program& p = f.program;
        p.cur().operation = row.operation;
        FactRec& fact = p.drill.fact(63);
        fact.first = row.first;
        fact.remainder = row.remainder;
        p.drill.pool[1] = 63;
        p.drill.poolCount = 1;
        pushPoseOfFactOne(f.random); // the same draws pose fact 63 with the right answer on 1
        ASSERT_TRUE(NextProblem(p));
        ASSERT_EQ(p.drill.problemText, row.problem);

        but_click(p, 2);

        const ProblemDrawing& dp = p.main.pop.dp;
        EXPECT_EQ(dp.text, row.text);
        EXPECT_EQ(dp.markText, std::to_string(row.first) + " -");
        EXPECT_TRUE(dp.divisionSign);
        EXPECT_EQ(dp.hyphenBack, 65);
        EXPECT_EQ(dp.colonBack, 165);
    }
}

TEST(EngineFeedback, PicturesAndSoundsOnlyForKnownNumbers)
{
    ProgramFixture f;
    Program& p = f.program;
    for (int n = -1; n <= 7; ++n) {
        ShowPicture(p, n);
        PlaySound(p, n);
    }
    EXPECT_EQ(f.pictures.shown, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.sound.played, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.main.picture, 5);
}

} // namespace
} // namespace sb::test
