#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "drill/pool.h"
#include "drill/smart_repeat.h"

namespace sb::test {
namespace {

constexpr std::int16_t kFact = 5; // 5 + 1, in the default pool

// The fact after an answer: state, repeatsLeft, repeatCount, in the pool, rightRun, fastRun,
// removedNow.
using After = std::array<int, 7>;

struct Answer {
    bool right;
    std::int16_t seconds;
    After after;
};

struct Sequence {
    const char* name;
    void (*settings)(DrillSettings&);
    void (*before)(Drill&);
    std::vector<Answer> answers;
};

// Puts kFact on the repeat list once with the given repetitions owed.
void queued(Drill& d, std::int16_t repeatsLeft)
{
    d.repeatList[1] = kFact;
    d.repeatCount = 1;
    d.fact(kFact).state = 2;
    d.fact(kFact).repeatsLeft = repeatsLeft;
}

void runSequence(const Sequence& seq)
{
    SCOPED_TRACE(seq.name);
    Settings all;
    LoadOriginalDefaults(all);
    DrillSettings s = all.defaultSettings;
    seq.settings(s);
    ConstantRandom random(0.0);
    Drill d;
    BuildFacts(d, s, random);
    BuildPool(d, s, 0, 0);
    d.curFact = kFact;
    seq.before(d);

    int n = 0;
    for (const Answer& a : seq.answers) {
        SCOPED_TRACE("answer " + std::to_string(++n) + (a.right ? " right in " : " wrong in ") +
                     std::to_string(a.seconds) + " s");
        // What recording an answer does before the Smart Repeat step.
        d.removedNow = 0;
        ++d.fact(kFact).asked;
        d.lastRight = a.right ? 1 : 0;
        d.answerTime = a.seconds;

        SmartRepeatStep(d, s, true);

        const FactRec& f = d.fact(kFact);
        const auto poolEnd = d.pool.begin() + 1 + d.poolCount;
        const int pooled = std::find(d.pool.begin() + 1, poolEnd, kFact) != poolEnd ? 1 : 0;
        EXPECT_EQ((After{f.state, f.repeatsLeft, d.repeatCount, pooled, f.rightRun, f.fastRun,
                         d.removedNow}),
                  a.after);
    }
}

void noSettings(DrillSettings&) {}
void noSetUp(Drill&) {}
void queuedSlow(Drill& d)
{
    queued(d, 3);
    d.fact(kFact).slowQueued = 1;
}

// Original defaults: wrongTimes 2, wrongRepeats 3, slowSeconds 5, slowRepeats 3,
// removeStreak 2, removeSeconds 2, removeWindow 3, every rule on, remove overrides repeat.
TEST(EngineSmartRepeat, Sequences)
{
    const std::vector<Sequence> sequences = {
        {"defaults: the second wrong answer queues; a right one at wrongTimes queues again",
         noSettings,
         noSetUp,
         {
             {false, 1, {1, 0, 0, true, 0, 0, 0}},
             {false, 1, {2, 3, 1, true, 0, 0, 0}},
             // pays 1 off, then wrong count still 2: 3 more owed and a second entry
             {true, 1, {2, 5, 2, true, 1, 1, 0}},
             // streak of 2 retires; only the later entry leaves the list
             {true, 1, {0, 4, 1, false, 2, 1, 1}},
         }},
        {"queued twice without override: retiring waits, a wrong answer ends the queueing",
         [](DrillSettings& s) { s.removeOverridesRepeat() = 0; },
         noSetUp,
         {
             {false, 1, {1, 0, 0, true, 0, 0, 0}},
             {false, 1, {2, 3, 1, true, 0, 0, 0}},
             {true, 1, {2, 5, 2, true, 1, 1, 0}},
             // RetireFact declines (4 owed) but removedNow is set, so fastRun stays 1
             {true, 1, {2, 7, 3, true, 2, 1, 1}},
             // wrong count 3: no more queueing
             {false, 1, {2, 7, 3, true, 0, 0, 0}},
             {true, 1, {2, 6, 3, true, 1, 1, 0}},
             {true, 1, {2, 5, 3, true, 2, 1, 1}},
         }},
        {"with override the streak retires although repetitions are owed",
         noSettings,
         queuedSlow,
         {
             {true, 1, {2, 2, 1, true, 1, 1, 0}},
             {true, 1, {0, 1, 0, false, 2, 1, 1}},
         }},
        {"an answer in exactly removeSeconds is fast",
         [](DrillSettings& s) { s.removeStreak() = 99; },
         noSetUp,
         {
             {true, 2, {1, 0, 0, true, 1, 1, 0}},
             {true, 3, {1, 0, 0, true, 2, 0, 0}},
             {true, 2, {1, 0, 0, true, 3, 1, 0}},
             {true, 2, {1, 0, 0, true, 4, 2, 0}},
             {true, 2, {0, 0, 0, false, 5, 3, 1}},
         }},
        {"an answer in exactly slowSeconds is slow, and queues only once",
         [](DrillSettings& s) { s.removeStreak() = 99; },
         noSetUp,
         {
             {true, 4, {1, 0, 0, true, 1, 0, 0}},
             {true, 5, {2, 3, 1, true, 2, 0, 0}},
             // a time-out (shockSeconds 10): both runs broken, not queued a second time
             {false, 10, {2, 3, 1, true, 0, 0, 0}},
         }},
        {"full repeat list: repetitions are owed but the fact is not appended",
         noSettings,
         [](Drill& d) {
             for (std::size_t k = 1; k <= 200; ++k) {
                 d.repeatList[k] = 150;
             }
             d.repeatCount = 200;
         },
         {
             {false, 1, {1, 0, 200, true, 0, 0, 0}},
             {false, 1, {1, 3, 200, true, 0, 0, 0}},
             {false, 6, {1, 6, 200, true, 0, 0, 0}},
         }},
    };
    for (const Sequence& seq : sequences) {
        runSequence(seq);
    }
}

} // namespace
} // namespace sb::test
