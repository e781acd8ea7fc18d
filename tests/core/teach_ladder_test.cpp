#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fakes.h"
#include "flow/answering.h"
#include "drill/pool.h"
#include "records/fact_table.h"
#include "teach/auto_teach.h"

// A pupil who never makes a mistake climbs the whole Auto Teach ladder. The engine is played at
// the level of its rules: the first pooled fact is answered right, retired after removeStreak
// right answers in a row, and the row's percentage is updated.

namespace sb {
namespace {

struct Climb {
    std::vector<std::string> shown; // every non-empty DsBgn
    int tenSubSeconds = -1;         // second numbers selected when 10Sub began
};

Climb climb(test::ProgramFixture& f, std::int16_t removeStreak)
{
    Program& p = f.program;
    LoadOriginalDefaults(p.settings);
    DrillSettings& s = p.cur();
    s = p.settings.defaultSettings;
    s.autoTeach = 1;
    s.stopOn = 5;
    s.reviewOn = 0;
    s.removeStreak() = removeStreak;
    s.secondNum = {};
    s.secondNum[1] = 1;
    p.settings.startSettings = s;
    ResetCounters(p.drill);
    BuildFacts(p.drill, s, f.random);
    BuildPool(p.drill, s, 0, 0);
    // DivR is built once, with one remainder draw per fact; no other level draws.
    for (int i = 0; i < 200; ++i) {
        f.random.push(0.4);
    }

    Climb out;
    Drill& d = p.drill;
    for (int step = 0; step < 100000; ++step) {
        if (d.poolCount < 1) {
            BuildPool(d, s, 1, 0); // the next Start after the engine's empty-pool stop
        }
        if (d.poolCount < 1) {
            ADD_FAILURE() << "nothing left to drill at step " << step;
            return out;
        }
        d.curFact = d.pool[1];
        FactRec& fact = d.current();
        ++fact.asked;
        ++fact.correct;
        ++fact.rightRun;
        const std::int16_t second = fact.second;
        if (fact.rightRun >= s.removeStreak()) {
            RetireFact(d, s);
        }
        UpdateRowPercent(s, second, 1);
        const std::int16_t opBefore = s.operation;
        p.main.DsBgn.clear();
        const std::int16_t goOn = AutoTeachStep(p);
        if (!p.main.DsBgn.empty()) {
            out.shown.push_back(p.main.DsBgn);
        }
        if (s.operation == Op10Sub && opBefore != Op10Sub) {
            out.tenSubSeconds = 0;
            for (int n = 1; n <= 10; ++n) {
                out.tenSubSeconds += s.secondNum[static_cast<std::size_t>(n)];
            }
        }
        if (goOn == 0) {
            return out;
        }
    }
    ADD_FAILURE() << "the pupil never finished";
    return out;
}

TEST(AutoTeachLadder, PupilWhoIsAlwaysRightClimbsToTheEnd)
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
    for (std::int16_t streak : {std::int16_t{6}, std::int16_t{2}}) {
        SCOPED_TRACE(streak);
        test::ProgramFixture f;
        const Climb c = climb(f, streak);
        const Program& p = f.program;

        EXPECT_EQ(c.shown, expected);
        EXPECT_EQ(c.tenSubSeconds, 10);
        EXPECT_EQ(p.main.DsEnd, "Great Job!");
        EXPECT_EQ(p.cur().autoTeach, 0);
        EXPECT_EQ(f.random.left(), 0u);
        // R(0.4 x 20) = 8, 8 mod 3 = 2: 3 x 5 + 2 = 17.
        EXPECT_EQ(p.drill.fact(factIndex(3, 5)).first, 17);
    }
}

} // namespace
} // namespace sb
