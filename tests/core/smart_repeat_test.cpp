// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/smart_repeat.h"

#include <sstream>

#include "drill/answering.h"
#include "support/test_support.h"

namespace sb::test {
namespace {

constexpr std::int16_t kFact = 5; // 5 + 1, in the default pool

// A name, a change to the settings and to the fact before, the answers and percentCorrect of
// second number 1 afterwards (the right answers). Each answer as "seconds:digits", the seconds
// negative for a wrong answer and the digits the fact afterwards: state, repeatsLeft,
// repeatCount, in the pool, rightRun, fastRun, removedNow.
using Sequence = std::tuple<const char*, void (*)(DrillSettings&), void (*)(FactRec&), const char*,
                            std::int16_t>;

// Original defaults: wrongTimes 2, wrongRepeats 3, slowSeconds 5, slowRepeats 3,
// removeStreak 2, removeSeconds 2, removeWindow 3, every rule on, remove overrides repeat.
// Each answer is counted and recorded as the program does after a click.
TEST(SmartRepeat, Sequences)
{
    const auto none = [](DrillSettings&) {};
    const auto untouched = [](FactRec&) {};
    const auto noStreak = [](DrillSettings& s) { s.removeStreak() = 99; };
    const auto noOverride = [](DrillSettings& s) { s.removeOverridesRepeat() = 0; };
    const std::vector<Sequence> sequences{
        // the second wrong answer queues; a right one at wrongTimes queues again (paying one
        // off); a streak of 2 retires and only the later entry leaves the list
        {"defaults", none, untouched, "-1:1001000 -1:2311000 1:2521110 1:0410211", 2},
        // RetireFact declines (4 owed) but removedNow is set, so fastRun stays; a wrong count
        // of 3 queues no more
        {"without override", noOverride, untouched,
         "-1:1001000 -1:2311000 1:2521110 1:2731211 -1:2731000 1:2631110 1:2531211", 4},
        {"override retires what is owed", none,
         [](FactRec& f) { f.repeatsLeft = 3, f.state = 2, f.slowQueued = 1; },
         "1:2211110 1:0100211", 2},
        {"exactly removeSeconds is fast", noStreak, untouched,
         "2:1001110 3:1001200 2:1001310 2:1001420 2:0000531", 5},
        // a time-out (shockSeconds 10) breaks both runs and does not queue a second time
        {"exactly slowSeconds is slow, once", noStreak, untouched,
         "4:1001100 5:2311200 -10:2311000", 2},
        {"a run reached before its rule was switched off still retires",
         [](DrillSettings& s) { s.removeStreakOn() = s.removeFastOn() = 0; },
         [](FactRec& f) { f.rightRun = 2; }, "-1:0000201", 0},
        {"so does a fast run",
         [](DrillSettings& s) { s.removeFastOn() = 0, s.removeStreak() = 99; },
         [](FactRec& f) { f.fastRun = 3; }, "-1:0000031", 0},
        // two wrong answers before: the wrong count is at wrongTimes, and this one is slow
        // queued as slow with nothing owed: its next right answer takes it off the list
        {"paid off", [](DrillSettings& s) { s.removeStreak() = 99, s.slowRepeats() = 0; },
         untouched, "5:2011100 1:1001210", 2},
        // one repeat owed: a right answer pays it, the next takes the fact off the list
        {"the last repeat owed", noStreak, [](FactRec& f) { f.repeatsLeft = 1, f.state = 2; },
         "1:2011110 1:1001220", 2},
        {"retired now: queued neither as wrong nor as slow", none,
         [](FactRec& f) { f.asked = 2, f.rightRun = 1; }, "6:0000201", 1},
    };
    for (const auto& [name, settings, before, answers, rowPercent] : sequences) {
        SCOPED_TRACE(name);
        DrillSettings s = originalDefaults();
        settings(s);
        Drill d;
        BuildFacts(d, s, *std::make_unique<ConstantRandom>(0.0));
        BuildPool(d, s, PoolMode::ResetAll, 0);
        d.curFact = kFact;
        if (d.current().state = 1, before(d.current()), d.current().state == 2) {
            d.repeatList[1] = kFact, d.repeatCount = 1;
        }
        std::istringstream in(answers);
        int seconds = 0, count = 0;
        for (std::string after; in >> seconds && in.ignore() && in >> after; ++count) {
            d.shockLeft = static_cast<std::int16_t>(s.shockSeconds() - std::abs(seconds));
            EXPECT_EQ(CountAnswer(d, s, seconds > 0 ? d.rightSlot : d.wrongSlot2), seconds > 0);
            RecordFactAnswer(d, s);
            const FactRec& f = d.current();
            std::ostringstream got;
            got << f.state << f.repeatsLeft << d.repeatCount
                << std::count(&d.pool[1], &d.pool[1] + d.poolCount, kFact) << f.rightRun
                << f.fastRun << d.removedNow;
            EXPECT_EQ(got.str(), after) << "after an answer in " << seconds << " s";
        }
        EXPECT_EQ(ints(s.percentCorrect(1), s.answerCount(1)), ints(rowPercent, count));
    }
    Drill full; // a repeat list that holds every fact takes no more
    full.factCount = full.repeatCount = 2;
    full.curFact = 3;
    QueueRepeat(full);
    EXPECT_EQ(ints(full.repeatCount, full.current().state, full.repeatList[3]), ints(2, 0, 0));
    full.repeatList = {0, 4, 5};
    UnqueueRepeat(full); // a fact not queued leaves the list alone
    EXPECT_EQ(ints(full.repeatCount, full.repeatList[1]), ints(2, 4));
    full.repeatList[1] = 3; // one at the head leaves, the one behind moving up
    UnqueueRepeat(full);
    EXPECT_EQ(ints(full.repeatCount, full.repeatList[1], full.current().state), ints(1, 5, 1));
}

} // namespace
} // namespace sb::test
