#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "drill/posing.h"
#include "flow/answering.h"
#include "flow/feedback.h"

namespace sb::test {
namespace {

// Draws posing fact 1 (1 + 1) from the default pool: right answer on button 1, wrong answers
// 3 (fact 2) on button 2 and 4 (fact 3) on button 3.
void pushPoseOfFactOne(ScriptedRandom& r)
{
    r.push({0.0, 0.0, 0.1, 0.0, 0.1, 0.1, 0.1, 0.0});
}

// An Add drill over the original defaults, fact 1 posed, stopOn 5 and every Smart Repeat rule
// off (no repetition changes the number of draws).
void startDrill(ProgramFixture& f)
{
    Program& p = f.program;
    LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    for (std::size_t i = 1; i <= 5; ++i) {
        p.cur().smartCheck[i] = 0;
    }
    p.cur().stopOn = 5;
    p.drill.repeatDelay = 0;
    BuildFacts(p.drill, p.cur(), f.random);
    BuildPool(p.drill, p.cur(), 0, 0);
    for (std::size_t i = 1; i <= 3; ++i) {
        p.main.but[i].enabled = true;
    }
    pushPoseOfFactOne(f.random);
    ASSERT_TRUE(NextProblem(p));
    ASSERT_EQ(p.drill.rightSlot, 1);
    f.sound.played.clear();
    f.pictures.shown.clear();
}

enum class Event { Right, Wrong, TimeOut };

// Ends the posed problem; a pop-up is closed with its right button. Fact 1 is posed again.
void answer(ProgramFixture& f, Event e)
{
    Program& p = f.program;
    pushPoseOfFactOne(f.random);
    switch (e) {
    case Event::Right:
        but_click(p, p.drill.rightSlot);
        break;
    case Event::Wrong:
        but_click(p, p.drill.wrongSlot1);
        pop_but_click(p, p.drill.rightSlot);
        break;
    case Event::TimeOut:
        TimeOut(p);
        pop_but_click(p, p.drill.rightSlot);
        break;
    }
}

TEST(EngineAnswering, ScoreCaptionsTruncateThePercentage)
{
    struct Row {
        Event event;
        const char* score;
        const char* total;
    };
    const std::vector<Row> rows = {
        {Event::Right, "Score: 100%", " Total: 1/1"}, {Event::TimeOut, "Score: 50%", " Total: 1/2"},
        {Event::Right, "Score: 66%", " Total: 2/3"},  {Event::Wrong, "Score: 50%", " Total: 2/4"},
        {Event::Right, "Score: 60%", " Total: 3/5"},  {Event::Right, "Score: 66%", " Total: 4/6"},
    };
    ProgramFixture f;
    startDrill(f);
    for (const Row& row : rows) {
        answer(f, row.event);
        EXPECT_EQ(f.program.main.dsscore + f.program.main.dstotal,
                  std::string(row.score) + row.total);
    }
    // Every ended problem was recorded exactly once, on fact 1 (second number 1).
    EXPECT_EQ(f.program.drill.fact(1).asked, 6);
    EXPECT_EQ(f.program.drill.fact(1).correct, 4);
    EXPECT_EQ(f.program.cur().answerCount(1), 6);
    EXPECT_EQ(f.random.left(), 0u);
}

TEST(EngineAnswering, EachWayAProblemEndsHasItsPicturesSoundsAndTime)
{
    struct Row {
        Event event;
        std::int16_t shockLeft, answerTime;
        std::vector<int> pictures, sounds;
    };
    const std::vector<Row> rows = {
        {Event::Right, 7, 3, {2}, {2}},
        {Event::Wrong, 9, 1, {3, 5}, {3}},
        {Event::TimeOut, 0, 10, {4, 5}, {4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.event));
        ProgramFixture f;
        startDrill(f);
        f.program.drill.shockLeft = row.shockLeft;
        answer(f, row.event);
        EXPECT_EQ(f.program.drill.answerTime, row.answerTime);
        EXPECT_EQ(f.pictures.shown, row.pictures);
        EXPECT_EQ(f.sound.played, row.sounds);
        // The next problem is posed and its clock runs.
        EXPECT_EQ(f.random.left(), 0u);
        EXPECT_TRUE(f.program.main.timerEnabled);
    }
}

TEST(EngineAnswering, RowPercentCountsThenAveragesOverTheLastN)
{
    // right, wrong, right, right, right: 1, 1, 2, 3 right so far, then 4 of 5 = 80%;
    // wrong: (4 x 80 + 0) \ 5 = 64; right: (4 x 64 + 100) \ 5 = 71.
    DrillSettings s;
    s.averageOver() = 5;
    std::vector<std::int16_t> percents;
    for (int right : {1, 0, 1, 1, 1, 0, 1}) {
        UpdateRowPercent(s, 4, static_cast<std::int16_t>(right));
        percents.push_back(s.percentCorrect(4));
    }
    EXPECT_EQ(percents, (std::vector<std::int16_t>{1, 1, 2, 3, 80, 64, 71}));
    EXPECT_EQ(s.answerCount(4), 7);
    EXPECT_EQ(s.answerCount(3) + s.answerCount(5), 0);
}

// asked stops at 32767; correct stops with it, so the number wrong (asked - correct) never
// falls on a right answer.
TEST(EngineAnswering, CountsStopTogetherAtTheTop)
{
    ProgramFixture f;
    startDrill(f);
    FactRec& fact = f.program.drill.fact(1);
    fact.asked = 32765;
    fact.correct = 32763;
    struct Row {
        Event event;
        std::int16_t asked, correct;
    };
    for (const Row row : {Row{Event::Right, 32766, 32764}, Row{Event::Right, 32767, 32765},
                          Row{Event::Right, 32767, 32765}, Row{Event::Wrong, 32767, 32765},
                          Row{Event::Right, 32767, 32765}}) {
        answer(f, row.event);
        EXPECT_EQ(fact.asked, row.asked);
        EXPECT_EQ(fact.correct, row.correct);
    }
}

} // namespace
} // namespace sb::test
