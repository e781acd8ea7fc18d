#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/answering.h"
#include "drill/feedback.h"
#include "drill/pool.h"
#include "drill/posing.h"

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
        {Event::Right, "Score: 71%", " Total: 5/7"},  {Event::Right, "Score: 75%", " Total: 6/8"},
        {Event::Right, "Score: 77%", " Total: 7/9"},
    };
    ProgramFixture f;
    startDrill(f);
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE("answer " + std::to_string(++n));
        answer(f, row.event);
        EXPECT_EQ(f.program.main.dsscore, row.score);
        EXPECT_EQ(f.program.main.dstotal, row.total);
        EXPECT_EQ(f.program.main.modal, Modal::None);
    }
    // Every ended problem was recorded exactly once, on fact 1 (second number 1).
    EXPECT_EQ(f.program.drill.fact(1).asked, 9);
    EXPECT_EQ(f.program.drill.fact(1).correct, 7);
    EXPECT_EQ(f.program.cur().answerCount(1), 9);
    EXPECT_EQ(f.random.left(), 0u);
}

TEST(EngineAnswering, PicturesAndSoundsOfEachWayAProblemEnds)
{
    struct Row {
        Event event;
        std::vector<int> pictures;
        std::vector<int> sounds;
    };
    const std::vector<Row> rows = {
        {Event::Right, {2}, {2}},
        {Event::Wrong, {3, 5}, {3}},
        {Event::TimeOut, {4, 5}, {4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.event));
        ProgramFixture f;
        startDrill(f);
        answer(f, row.event);
        EXPECT_EQ(f.pictures.shown, row.pictures);
        EXPECT_EQ(f.sound.played, row.sounds);
        EXPECT_EQ(f.program.main.picture, row.pictures.back());
        // The next problem is posed and its clock runs.
        EXPECT_EQ(f.random.left(), 0u);
        EXPECT_TRUE(f.program.main.timerEnabled);
    }
}

TEST(EngineAnswering, AnswerTimeIsTheSecondsUsed)
{
    struct Row {
        Event event;
        std::int16_t shockLeft, answerTime, lastRight;
    };
    for (const Row& row :
         {Row{Event::Right, 7, 3, 1}, Row{Event::Wrong, 9, 1, 0}, Row{Event::TimeOut, 0, 10, 0}}) {
        SCOPED_TRACE(static_cast<int>(row.event));
        ProgramFixture f;
        startDrill(f);
        f.program.drill.shockLeft = row.shockLeft;
        f.program.drill.lastRight = 1 - row.lastRight;
        answer(f, row.event);
        EXPECT_EQ(f.program.drill.answerTime, row.answerTime);
        EXPECT_EQ(f.program.drill.lastRight, row.lastRight);
    }
}

TEST(EngineAnswering, ClicksOutsideAPosedProblemAreIgnored)
{
    struct Row {
        const char* what;
        int index;
        void (*setUp)(Program&);
    };
    const std::vector<Row> rows = {
        {"index 0", 0, [](Program&) {}},
        {"index 4", 4, [](Program&) {}},
        {"disabled button", 1, [](Program& p) { p.main.but[1].enabled = false; }},
        {"pop-up open", 1, [](Program& p) { p.main.modal = Modal::Feedback; }},
        {"delay window open", 1, [](Program& p) { p.main.modal = Modal::Delay; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ProgramFixture f;
        startDrill(f);
        row.setUp(f.program);
        but_click(f.program, row.index);
        EXPECT_EQ(f.program.drill.total, 0);
        EXPECT_TRUE(f.sound.played.empty());
        EXPECT_TRUE(f.pictures.shown.empty());
        EXPECT_EQ(f.random.left(), 0u);
    }
}

TEST(EngineAnswering, RowPercentCountsThenAveragesOverTheLastN)
{
    struct Row {
        std::int16_t averageOver;
        std::vector<std::int16_t> answers;
        std::vector<std::int16_t> percents;
    };
    const std::vector<Row> rows = {
        // right, wrong, right, right, right: 1, 1, 2, 3 right so far, then 4 of 5 = 80%;
        // wrong: (4 x 80 + 0) \ 5 = 64; right: (4 x 64 + 100) \ 5 = 71.
        {5, {1, 0, 1, 1, 1, 0, 1}, {1, 1, 2, 3, 80, 64, 71}},
        // A damaged averageOver of 0 or less counts as 1: each answer is the whole story.
        {0, {1, 1, 0, 1}, {100, 100, 0, 100}},
        {-3, {0, 1}, {0, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("averageOver " + std::to_string(row.averageOver));
        DrillSettings s;
        s.averageOver() = row.averageOver;
        std::vector<std::int16_t> percents;
        for (std::int16_t right : row.answers) {
            UpdateRowPercent(s, 4, right);
            percents.push_back(s.percentCorrect(4));
        }
        EXPECT_EQ(percents, row.percents);
        EXPECT_EQ(s.answerCount(4), static_cast<std::int16_t>(row.answers.size()));
        // Only row 4 is touched.
        EXPECT_EQ(s.answerCount(3) + s.answerCount(5) + s.percentCorrect(3) + s.percentCorrect(5),
                  0);
    }
}

TEST(EngineAnswering, DrillEndsAfterMaxProblemsWithoutPosingAgain)
{
    ProgramFixture f;
    startDrill(f);
    Program& p = f.program;
    p.cur().stopOn = 2;
    p.cur().maxProblems() = 2;

    answer(f, Event::Right);
    but_click(p, p.drill.rightSlot); // no draws are left: none may be made

    EXPECT_EQ(p.drill.total, 2);
    EXPECT_FALSE(p.main.but[1].enabled);
    EXPECT_EQ(f.sound.played, (std::vector<int>{2, 2, 5}));
}

TEST(EngineAnswering, DrillEndsWhenNothingIsLeftToPose)
{
    ProgramFixture f;
    startDrill(f);
    Program& p = f.program;
    // The selection now yields no fact at all (10 Sub with only the second number 10), and
    // every fact of the old pool has been retired.
    p.cur().operation = Op10Sub;
    for (std::size_t n = 1; n <= 9; ++n) {
        p.cur().secondNum[n] = 0;
    }
    BuildFacts(p.drill, p.cur(), f.random);
    p.drill.poolCount = 0;

    but_click(p, p.drill.rightSlot);

    EXPECT_EQ(f.random.used(), 8u); // only the first problem's draws
    EXPECT_FALSE(p.main.but[1].enabled);
    EXPECT_EQ(f.sound.played, (std::vector<int>{2, 5}));
}

TEST(EngineAnswering, CountsStopAtTheLargest16BitValue)
{
    ProgramFixture f;
    startDrill(f);
    Program& p = f.program;
    FactRec& fact = p.drill.fact(1);
    fact.asked = 32767;
    fact.correct = 32767;
    p.cur().answerCount(1) = 32767;
    p.cur().averageOver() = 5;
    p.cur().percentCorrect(1) = 80;

    answer(f, Event::Right);

    EXPECT_EQ(fact.asked, 32767);
    EXPECT_EQ(fact.correct, 32767);
    EXPECT_EQ(p.cur().answerCount(1), 32767);
    EXPECT_EQ(p.cur().percentCorrect(1), 84); // (4 x 80 + 100) \ 5
}

TEST(EngineAnswering, IncSaturatedStopsAtBothEnds)
{
    struct Row {
        std::int16_t v;
        int by;
        std::int16_t expected;
    };
    const std::vector<Row> rows = {
        {0, 1, 1},     {32766, 1, 32767},    {32767, 1, 32767},    {32000, 1000, 32767},
        {100, -3, 97}, {-32768, -1, -32768}, {-32767, -5, -32768}, {5, 0, 5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(incSaturated(row.v, row.by), row.expected) << row.v << " + " << row.by;
    }
}

} // namespace
} // namespace sb::test
