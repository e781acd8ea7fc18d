// What the drill does where plain arithmetic would crash, wrap or hang: an empty pool, counts
// at the top of 16 bits, an averageOver of 0, a pop-up with no seconds.

#include "core/fakes.h"
#include "flow/answering.h"
#include "flow/feedback.h"
#include "drill/pool.h"
#include "drill/posing.h"
#include "flow/run_control.h"

namespace sb::test {
namespace {

void defaults(Program& p, std::int16_t operation)
{
    LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    p.cur().operation = operation;
    p.cur().stopOn = 5;
}

// 10 Sub with only the second number 10 has no fact at all.
TEST(EngineGuards, EmptyPoolIsRefusedAtStartAndEndsARunningDrill)
{
    ProgramFixture f;
    Program& p = f.program;
    defaults(p, Op10Sub);
    p.main.op = Op10Sub;
    p.main.a[1].value = 1;
    p.main.b[10].value = 1;
    p.main.but[1].enabled = false; // idle, as start-up leaves it

    StartDrill(p);
    EXPECT_EQ(p.main.DsBgn, "Nothing to drill");
    EXPECT_EQ(p.main.DsEnd, "Choose other numbers");
    EXPECT_TRUE(p.main.start);
    EXPECT_FALSE(p.main.but[1].enabled);
    EXPECT_TRUE(f.sound.played.empty()) << "no start sound";
    EXPECT_EQ(f.random.used(), 0u) << "the table of 10 Sub draws nothing; posing drew nothing";

    // Mid-drill: the pool runs out (as Auto Teach can make it) and the answer ends the drill.
    BuildFacts(p.drill, p.cur(), f.random);
    p.drill.poolCount = 0;
    p.drill.curFact = 1;
    p.main.but[1].enabled = true;
    p.main.modal = Modal::None;
    p.drill.rightSlot = 1;
    but_click(p, 1);
    EXPECT_EQ(f.sound.played.back(), 5) << "finish";
    EXPECT_TRUE(p.main.start);
    EXPECT_EQ(p.run.drillResumable, 0);
}

TEST(EngineGuards, CountsStopAtTheTopInsteadOfWrapping)
{
    ProgramFixture f;
    Program& p = f.program;
    defaults(p, OpAdd);
    BuildFacts(p.drill, p.cur(), f.random);
    BuildPool(p.drill, p.cur(), 0, 0);
    p.drill.curFact = 5;
    FactRec& fact = p.drill.fact(5);
    fact.asked = 32767;
    fact.correct = 32767;
    p.cur().answerCount(1) = 32767;
    p.cur().averageOver() = 0; // only a damaged record holds one: counts as 1
    p.drill.lastRight = 1;
    p.drill.score = p.drill.total = 1;
    f.random.push({0.0, 0.0, 0.1, 0.0, 0.1, 0.1, 0.1, 0.0}); // the next problem
    RecordAnswer(p);
    EXPECT_EQ(fact.asked, 32767);
    EXPECT_EQ(fact.correct, 32767);
    EXPECT_EQ(p.cur().answerCount(1), 32767);
    EXPECT_EQ(p.cur().percentCorrect(1), 100);
}

TEST(EngineGuards, PopupWithNoSecondsNeverClosesByItself)
{
    for (const int seconds : {0, -1}) {
        SCOPED_TRACE(seconds);
        ProgramFixture f;
        Program& p = f.program;
        defaults(p, OpAdd);
        p.cur().popupSeconds() = static_cast<std::int16_t>(seconds);
        BuildFacts(p.drill, p.cur(), f.random);
        BuildPool(p.drill, p.cur(), 0, 0);
        p.drill.curFact = 1;
        ShowFeedback(p, 1);
        for (int tick = 0; tick < 70000; ++tick) {
            pop_timer_tick(p);
        }
        EXPECT_EQ(p.main.modal, Modal::Feedback);
    }
}

} // namespace
} // namespace sb::test
