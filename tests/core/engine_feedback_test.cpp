#include <string>
#include <vector>

#include "core/fakes.h"
#include "flow/answering.h"
#include "flow/feedback.h"
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
    for (int wrong : {2, 3, 0}) {
        pop_but_click(p, wrong);
    }
    EXPECT_EQ(p.main.modal, Modal::Feedback);
    EXPECT_EQ(p.drill.fact(1).asked, 0);

    pushPoseOfFactOne(f.random);
    pop_but_click(p, 1);
    EXPECT_EQ(p.main.modal, Modal::None);
    EXPECT_EQ(p.drill.fact(1).asked, 1);
    EXPECT_EQ(p.drill.fact(1).correct, 0);

    // Once closed, the pop-up's buttons and timer reach nothing.
    pop_but_click(p, 1);
    pop_timer_tick(p);
    EXPECT_EQ(p.drill.fact(1).asked, 1);
    EXPECT_EQ(f.random.left(), 0u);
}

TEST(EngineFeedback, PopupClosesItselfOnTheTickThatFindsOneSecondLeft)
{
    for (int seconds : {1, 5}) {
        SCOPED_TRACE("popupSeconds " + std::to_string(seconds));
        ProgramFixture f;
        startDrill(f);
        f.program.cur().popupSeconds() = static_cast<std::int16_t>(seconds);
        poseFactOne(f);
        Program& p = f.program;
        TimeOut(p);
        EXPECT_EQ(p.main.pop.ms, "!! Time Out !!");
        EXPECT_EQ(p.main.pop.dp.text, "1 + 1 = 2");
        for (int tick = 1; tick < seconds; ++tick) {
            pop_timer_tick(p);
        }
        EXPECT_EQ(p.main.modal, Modal::Feedback);
        pushPoseOfFactOne(f.random);
        pop_timer_tick(p);
        EXPECT_EQ(p.main.modal, Modal::None);
        EXPECT_EQ(p.drill.fact(1).asked, 1);
    }
}

TEST(EngineFeedback, DivisionPopupShowsTheRemainderOnlyForDivR)
{
    struct Row {
        std::int16_t operation;
        const char* text;
    };
    // Fact 63: 13 / 4 (second number 4, column 3) with the remainder 1 left in the table.
    for (const Row& row : {Row{OpDivR, "13 -  4 = 3 R 1"}, Row{OpDiv, "13 -  4 = 3"}}) {
        SCOPED_TRACE(row.text);
        ProgramFixture f;
        startDrill(f, OpDiv);
        Program& p = f.program;
        p.cur().operation = row.operation;
        p.drill.fact(63).first = 13;
        p.drill.fact(63).remainder = 1;
        p.drill.pool[1] = 63;
        p.drill.poolCount = 1;
        pushPoseOfFactOne(f.random); // the same draws pose fact 63 with the right answer on 1
        ASSERT_TRUE(NextProblem(p));

        but_click(p, 2);

        EXPECT_EQ(p.main.pop.ms, "!!Wrong Answer !!");
        EXPECT_EQ(p.main.pop.dp.text, row.text);
        EXPECT_TRUE(p.main.pop.dp.divisionSign);
    }
}

} // namespace
} // namespace sb::test
