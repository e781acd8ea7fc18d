// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/smart_repeat.h"

#include "records/index.h"

namespace sb {

void SmartRepeatStep(Drill& d, const DrillSettings& s, bool askedCounted)
{
    FactRec& f = d.current();
    const bool right = d.lastRight == 1;

    // Each right answer while queued pays off one repetition; the one that finds nothing
    // left to pay takes the fact's latest entry off the repeat list. correct counts only
    // together with asked: once asked is stuck at the top, a right answer counted alone would
    // lower the number wrong (asked - correct) and could set off the wrong rule.
    if (right) {
        if (askedCounted) {
            f.correct = incSaturated(f.correct);
        }
        if (f.state == 2) {
            if (f.repeatsLeft > 0) {
                f.repeatsLeft = incSaturated(f.repeatsLeft, -1);
            } else {
                UnqueueRepeat(d);
            }
        }
    }

    if (s.removeStreakOn() == 1) {
        f.rightRun = right ? incSaturated(f.rightRun) : std::int16_t{0};
    }
    // The thresholds are compared whether or not their rule is on: a run that reached its
    // threshold before the rule was switched off still retires the fact. removedNow is set
    // even when RetireFact declines because repetitions are still owed, which keeps the fast
    // run from counting this answer.
    if (f.rightRun >= s.removeStreak()) {
        RetireFact(d, s);
        d.removedNow = 1;
    }

    if (s.removeFastOn() == 1 && d.removedNow == 0) {
        const bool fast = right && d.answerTime <= s.removeSeconds();
        f.fastRun = fast ? incSaturated(f.fastRun) : std::int16_t{0};
    }
    if (f.fastRun >= s.removeWindow()) {
        RetireFact(d, s);
        d.removedNow = 1;
    }

    // Tested after every answer, right or wrong: while the wrong count stands exactly at
    // wrongTimes, every right answer queues the fact once more.
    if (s.repeatWrongOn() == 1 && f.asked - f.correct == s.wrongTimes() && f.state > 0) {
        f.repeatsLeft = incSaturated(f.repeatsLeft, s.wrongRepeats());
        QueueRepeat(d);
    }

    if (s.repeatSlowOn() == 1 && d.answerTime >= s.slowSeconds() && f.slowQueued == 0 &&
        f.state > 0) {
        f.repeatsLeft = incSaturated(f.repeatsLeft, s.slowRepeats());
        QueueRepeat(d);
        f.slowQueued = 1;
    }
}

} // namespace sb
