// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/auto_teach.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

#include "drill/pool.h"
#include "records/fact_table.h"
#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

// The last second number and the last first-number range, as the records hold them (slot 0 of
// each array unused).
constexpr int kLastSecond =
    static_cast<int>(std::tuple_size_v<decltype(DrillSettings::secondNum)>) - 1;
constexpr int kLastRange =
    static_cast<int>(std::tuple_size_v<decltype(DrillSettings::firstRange)>) - 1;

// Names shown in stageCaption: the first-number ranges by slot (the operations by their short
// names).
constexpr auto rangeName =
    std::to_array<std::string_view>({"", " 1~10", "11~13", "14~16", "17~20"});

// The highest second number whose box holds anything above 0; 0 when there is none.
int highestSecond(const DrillSettings& s)
{
    for (int n = kLastSecond; n >= 1; --n) {
        if (s.secondNum[asIndex(n)] > 0) {
            return n;
        }
    }
    return 0;
}

// What one step works on: the settings in use, the table and pool, the random source (a new
// level builds its facts), and the outcome it reports.
struct Step {
    DrillSettings& s;
    Drill& d;
    Random& random;
    TeachOutcome& out;
};

void clearRow(DrillSettings& s, int n)
{
    s.answerCount(n) = 0;
    s.percentCorrect(n) = 0;
    s.activeSteps(n) = 0;
}

// When the remove rules retire the last second number in play before the next one has begun
// (a row of three facts in 11..13 is mastered in six answers, long before averageOver answers
// let the next one begin), nothing would be left to drill, and at the next Start second number
// 1 would come back only to be mastered again, for ever. Instead the lowest second number not
// yet begun at this level begins now, as it would have by the pupil's percentage.
// Only a retirement leads here: a selection the teacher emptied is saved empty, and the next
// Start puts second number 1 back.
void beginNextWhenNoneLeft(Step& t)
{
    DrillSettings& s = t.s;
    for (int n = 1; n <= kLastSecond; ++n) {
        if (s.secondNum[asIndex(n)] == 1) {
            return;
        }
    }
    const int last = s.operation == Op10Sub ? kLastSecond - 1 : kLastSecond;
    for (int n = 1; n <= last; ++n) {
        if (s.activeSteps(n) == 0) {
            s.secondNum[asIndex(n)] = 1;
            t.out.stageCaption = Caption(Phrase::BeginLabel) << " " << std::to_string(n);
            BuildPool(t.d, s, PoolMode::ResetRow, i16(n));
            return;
        }
    }
}

// Begins the next second number when the ones in play are answered well enough, counts the
// steps each of them has been drilled, and takes out those whose facts are all retired.
// The loop runs downwards so that a number begun in this pass is not counted or tested
// until the next step.
void advanceAndRetire(Step& t)
{
    DrillSettings& s = t.s;
    bool retired = false;
    for (int n = kLastSecond; n >= 1; --n) {
        if (s.secondNum[asIndex(n)] != 1) {
            continue;
        }
        if (s.answerCount(n) >= s.averageOver() && s.percentCorrect(n) >= s.advancePercent() &&
            n < kLastSecond && s.activeSteps(n + 1) == 0) {
            s.secondNum[asIndex(n + 1)] = 1;
            t.out.stageCaption = Caption(Phrase::BeginLabel) << " " << std::to_string(n + 1);
            BuildPool(t.d, s, PoolMode::ResetRow, i16(n + 1));
        }
        // activeSteps only has to stay non-zero once a number has begun; it stops at the top.
        s.activeSteps(n) = incSaturated(s.activeSteps(n));
        if (RowMastered(t.d, i16(n))) {
            BuildPool(t.d, s, PoolMode::RetireRow, i16(n));
            s.secondNum[asIndex(n)] = 0;
            s.answerCount(n) = 0;
            s.percentCorrect(n) = 0;
            t.out.stageNote = Caption(Phrase::RemoveLabel) << " " << std::to_string(n);
            retired = true;
        }
    }
    if (retired) {
        beginNextWhenNoneLeft(t);
    }
}

void reviewCycle(Step& t)
{
    DrillSettings& s = t.s;
    if (s.reviewLeft == kNoReview) {
        s.reviewCount = i16(s.reviewCount + 1 > 32700 ? 0 : s.reviewCount + 1);
    } else {
        // A running review counts down to 0. A negative count other than "no review" can only
        // come from a damaged record (or a negative reviewLength); it would never reach 0 and
        // would hold the pupil in the review for good, so it counts as run out.
        s.reviewLeft = i16(s.reviewLeft > 0 ? s.reviewLeft - 1 : 0);
        if (s.reviewCount > 32700) {
            s.reviewCount = 0;
        }
    }

    if (s.reviewCount >= s.reviewAfter()) {
        const int k = highestSecond(s);
        for (int n = 1; n <= k; ++n) {
            s.secondNum[asIndex(n)] = 1;
        }
        s.reviewLeft = s.reviewLength();
        s.reviewCount = 0;
        t.out.stageCaption = Caption(":") << Phrase::ReviewTo << " " << std::to_string(k);
        BuildPool(t.d, s, PoolMode::ResetAll, 0);
        ResetCounters(t.d);
    }

    if (s.reviewLeft == 0) {
        // Only the highest second number of the review stays in play; every one begun before
        // it leaves again.
        const int k = highestSecond(s);
        for (int n = 1; n <= k; ++n) {
            if (s.activeSteps(n) > 0) {
                s.secondNum[asIndex(n)] = 0;
                BuildPool(t.d, s, PoolMode::RetireRow, i16(n));
            }
        }
        if (k >= 1) {
            s.secondNum[asIndex(k)] = 1;
        }
        BuildPool(t.d, s, PoolMode::ResetRow, 0);
        t.out.shownAtReviewEnd = s;
        s.reviewLeft = kNoReview;
        t.out.stageCaption = Caption(":") << Phrase::ReviewEnd;
        ResetCounters(t.d);
    }
}

bool levelComplete(const DrillSettings& s)
{
    const int last = s.operation == Op10Sub ? kLastSecond - 1 : kLastSecond;
    for (int n = 1; n <= last; ++n) {
        if (s.activeSteps(n) == 0) {
            return false;
        }
    }
    return true;
}

// Every range in play moves up by one (Add and Sub only); a range at the top, and the range
// of any other operation, drops out. Then the level starts again from second number 1.
void advanceRanges(Step& t)
{
    DrillSettings& s = t.s;
    s.reviewCount = 0;
    for (int r = kLastRange; r >= 1; --r) {
        if (s.firstRange[asIndex(r)] != 1) {
            continue;
        }
        if (OperationOf(s.operation).climbsRanges && r < kLastRange &&
            s.firstRange[asIndex(r + 1)] == 0) {
            s.firstRange[asIndex(r + 1)] = 1;
            t.out.stageCaption = Caption(":")
                                 << Phrase::Begin << " " << std::string(rangeName[asIndex(r + 1)]);
            t.out.stageNote = Caption(" ");
        }
        s.firstRange[asIndex(r)] = 0;
    }
    for (int n = 1; n <= kLastSecond; ++n) {
        s.secondNum[asIndex(n)] = 0;
        clearRow(s, n);
    }
    s.secondNum[1] = 1;
    BuildPool(t.d, s, PoolMode::ResetAll, 0);
    ResetCounters(t.d);
}

bool anyRange(const DrillSettings& s)
{
    for (int r = 1; r <= kLastRange; ++r) {
        if (s.firstRange[asIndex(r)] == 1) {
            return true;
        }
    }
    return false;
}

// The next operation of the ladder, from range 1..10. At 10Sub every second number begins
// together.
void nextLevel(Step& t)
{
    DrillSettings& s = t.s;
    s.reviewLeft = kNoReview;
    s.reviewCount = 0;
    s.operation = i16(s.operation + 1);
    s.firstRange[1] = 1; // the only range: the step comes here once every range has dropped out
    // The rows' counts went and 1 began again as the ranges moved up; at 10Sub the rest begin too.
    for (int n = 2; n <= kLastSecond; ++n) {
        s.secondNum[asIndex(n)] = s.operation == Op10Sub ? 1 : 0;
    }
    // The step runs before the last operation only (DivR ends the ladder), so 2..6 here.
    t.out.stageCaption = Caption(":") << Phrase::Level << " " << OperationShortName(s.operation);
    t.out.stageNote = Caption();
    BuildFacts(t.d, s, t.random);
    BuildPool(t.d, s, PoolMode::ResetAll, 0);
    ResetCounters(t.d);
}

} // namespace

TeachOutcome AutoTeachStep(Settings& settings, Drill& d, Random& random)
{
    TeachOutcome out;
    DrillSettings& s = settings.curSettings;
    if (s.autoTeach != 1) {
        return out;
    }
    Step t{s, d, random, out};

    if (s.reviewLeft == kNoReview) {
        advanceAndRetire(t);
    }

    if (s.reviewOn == 1) {
        reviewCycle(t);
    }

    if (s.reviewLeft == kNoReview && levelComplete(s)) {
        advanceRanges(t);
        if (!anyRange(s)) {
            if (s.operation >= kOperationCount) {
                out.stageCaption = Caption(":") << Phrase::Congratulations;
                out.stageNote = Caption(Phrase::GreatJob);
                s.autoTeach = 0;
                out.finished = true;
                return out;
            }
            nextLevel(t);
        }
    }

    out.showSelection = true;
    settings.startSettings = s;
    return out;
}

bool RowMastered(const Drill& d, std::int16_t n)
{
    // Only a row that was built can have been answered. A table never built, or the part of
    // one, holds records of second number 0, whether it is still empty in memory or was read
    // back from a fact file saved before the first drill; finding no fact of n in play there
    // says nothing about the pupil.
    bool built = false;
    bool mastered = true;
    for (int i = 1; i <= kFactSlots; ++i) {
        const FactRec& f = d.fact(i);
        if (f.second == n) {
            built = true;
            if (f.state > 0) {
                mastered = false;
            }
        }
    }
    return built && mastered;
}

} // namespace sb
