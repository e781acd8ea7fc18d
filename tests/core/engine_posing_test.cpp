#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "drill/posing.h"

namespace sb::test {
namespace {

// Draw values and what they give (R = round half to even):
//   R(u*10) mod 3 + 1:  0.0 -> 1, 0.1 -> 2, 0.2 -> 3, 0.35 -> R(3.5)=4 -> 2
//   R(u*10) mod 2:      0.0 -> 0 (direction -1), 0.1 -> 1 (direction +1)
//   R(u*223) mod n + 1: 0.0 -> slot 1, 0.5 -> R(111.5)=112
constexpr double kSlot1 = 0.0, kSlot2 = 0.1, kSlot3 = 0.2;
constexpr double kT1 = 0.0, kT2 = 0.1, kT3 = 0.2;
constexpr double kBack = 0.0, kAhead = 0.1;
constexpr double kNoSwap = 0.0, kSwap = 0.1;

// Original defaults (Add, range 1..10, all ten second numbers), facts built, pool of 100.
void setUpDrill(Program& p, Random& random, std::int16_t operation = OpAdd)
{
    LoadOriginalDefaults(p.settings);
    p.cur() = p.settings.defaultSettings;
    p.cur().operation = operation;
    p.drill.repeatDelay = 0;
    BuildFacts(p.drill, p.cur(), random);
    BuildPool(p.drill, p.cur(), 0, 0);
}
void setUpDrill(ProgramFixture& f, std::int16_t operation = OpAdd)
{
    setUpDrill(f.program, f.random, operation);
}

void onlyInPool(Drill& d, std::int16_t fact)
{
    d.pool[1] = fact;
    d.poolCount = 1;
}

std::vector<std::string> texts(const Drill& d)
{
    return {d.answerText[1], d.answerText[2], d.answerText[3]};
}

std::vector<std::string> captions(const MainModel& m)
{
    return {m.but[1].caption, m.but[2].caption, m.but[3].caption};
}

// A program over the real generator, for properties that need many problems.
struct SeededProgram {
    explicit SeededProgram(std::uint64_t seed, std::int16_t operation) : random(seed)
    {
        setUpDrill(program, random, operation);
    }
    StdRandom random;
    FixedClock clock;
    SilentSound sound;
    NoPictures pictures;
    TempDir dir;
    Services services{random, clock, sound, pictures, dir.path()};
    Program program{services};
};

TEST(EnginePosing, DrawsPoolPickSlotsWrongFactsAndSwapInThatOrder)
{
    ProgramFixture f;
    setUpDrill(f);
    ASSERT_EQ(f.program.drill.poolCount, 100);
    f.random.push({
        0.5,         // pool pick: 112 mod 100 + 1 = slot 13 = fact 23 (3 + 2)
        kSlot3,      // rightSlot 3
        kSlot3,      // wrongSlot1 equals rightSlot: drawn again
        0.35,        // wrongSlot1 2 (R(3.5) = 4)
        kT1, kAhead, // w1 = 24
        kT1, kAhead, // 24 again: refused for w2
        kT2, kBack,  // w2 = 21
        kNoSwap,     // swap draw
    });

    ASSERT_TRUE(NextProblem(f.program));

    const Drill& d = f.program.drill;
    EXPECT_EQ(d.curFact, 23);
    EXPECT_EQ(d.rightSlot, 3);
    EXPECT_EQ(d.problemText, "3 + 2");
    EXPECT_EQ(captions(f.program.main), (std::vector<std::string>{"3", "6", "5"}));
    EXPECT_EQ(f.random.left(), 0u);
}

TEST(EnginePosing, WrongFactsStayInsideTheTableWithAStrictUpperBound)
{
    struct Row {
        std::int16_t fact;
        std::vector<double> wrongDraws; // t, d pairs for w1 and then w2
        std::vector<std::string> texts;
    };
    const std::vector<Row> rows = {
        // fact 1 (1 + 1): 0 is refused; 4 taken; 4 refused for w2; 2 taken.
        {1, {kT1, kBack, kT3, kAhead, kT3, kAhead, kT1, kAhead}, {"2", "5", "3"}},
        // fact 199 (19 + 10): 200 is refused (the last fact is never a wrong answer),
        // 198 taken; 201 refused; 197 taken.
        {199, {kT1, kAhead, kT1, kBack, kT2, kAhead, kT2, kBack}, {"29", "28", "27"}},
        // fact 200 (20 + 10): 201 refused, 197 taken; 199 taken.
        {200, {kT1, kAhead, kT3, kBack, kT1, kBack}, {"30", "27", "29"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("fact " + std::to_string(row.fact));
        ProgramFixture f;
        setUpDrill(f);
        onlyInPool(f.program.drill, row.fact);
        f.random.push({kSlot1, kSlot1, kSlot2});
        for (double u : row.wrongDraws) {
            f.random.push(u);
        }
        f.random.push(kNoSwap);

        ASSERT_TRUE(NextProblem(f.program));

        EXPECT_EQ(f.program.drill.curFact, row.fact);
        EXPECT_EQ(texts(f.program.drill), row.texts);
        EXPECT_EQ(f.random.left(), 0u);
    }
}

TEST(EnginePosing, RepetitionsComeBackWithinRepeatWithinProblems)
{
    // repeatWithin 1 leaves exactly one pool problem between repetitions.
    using Row = std::pair<int, std::set<int>>;
    for (const auto& [within, expected] : {Row{1, {1}}, Row{3, {1, 2, 3}}}) {
        SCOPED_TRACE(within);
        SeededProgram s(7, OpAdd);
        s.program.cur().repeatWithin() = static_cast<std::int16_t>(within);
        Drill& d = s.program.drill;
        d.repeatList[1] = 195;
        d.repeatCount = 1;
        std::set<int> gaps;
        int sinceLast = 0;
        for (int n = 0; n < 2000; ++n) {
            ASSERT_TRUE(NextProblem(s.program));
            if (n == 0) {
                ASSERT_EQ(d.curFact, 195) << "due at once";
            }
            if (d.curFact != 195) {
                ++sinceLast;
                continue;
            }
            if (n > 0) {
                gaps.insert(sinceLast);
            }
            sinceLast = 0;
        }
        EXPECT_EQ(gaps, expected);
    }
}

TEST(EnginePosing, DivisionWithRemainderShowsRemaindersOnlyWhereThereAreAny)
{
    ProgramFixture f;
    setUpDrill(f, OpDiv);
    Program& p = f.program;
    p.cur().operation = OpDivR;
    Drill& d = p.drill;
    // 13 / 4 = 3 R 1 (second number 4, column 3), its neighbours 8 / 4 = 2 and 19 / 4 = 4 R 3.
    d.fact(63).first = 13;
    d.fact(63).remainder = 1;
    d.fact(64).first = 19;
    d.fact(64).remainder = 3;
    onlyInPool(d, 63);
    f.random.push({kSlot1, kSlot1, kSlot2, kT1, kBack, kT1, kAhead, kSwap});

    ASSERT_TRUE(NextProblem(p));

    EXPECT_EQ(d.problemText, "13 -  4");
    EXPECT_EQ(texts(d), (std::vector<std::string>{"3 R 1", "2", "4 R 3"}));
    EXPECT_TRUE(p.main.dm.divisionSign);
    EXPECT_EQ(f.random.left(), 0u);
}

TEST(EnginePosing, OnlyAddAndMultSwapAndOnlyWithSwitchAB)
{
    struct Row {
        std::int16_t operation;
        std::int16_t switchAB;
        double swapDraw;
        const char* text; // fact 23: second number 2, column 3
    };
    const std::vector<Row> rows = {
        {OpAdd, 1, kSwap, "2 + 3"},   {OpAdd, 0, kSwap, "3 + 2"},
        {OpAdd, 1, 0.15, "3 + 2"}, // R(1.5) = 2: even, no swap
        {OpMult, 1, kSwap, "2 x 3"},  {OpSub, 1, kSwap, "5 - 2"},
        {OpDivR, 1, kSwap, "6 -  2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.operation) + " " + std::to_string(row.switchAB));
        ProgramFixture f;
        // DivR over the Div table: the remainders are 0, and no remainder draws are needed.
        setUpDrill(f, row.operation == OpDivR ? std::int16_t{OpDiv} : row.operation);
        Program& p = f.program;
        p.cur().operation = row.operation;
        p.cur().switchAB = row.switchAB;
        p.drill.curFact = 23;
        f.random.push(row.swapDraw);

        DrawProblem(p, 24, 21);

        EXPECT_EQ(p.drill.problemText, row.text);
        EXPECT_EQ(f.random.left(), 0u);
    }
}

} // namespace
} // namespace sb::test
