// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/answering.h"

#include <algorithm>

#include "drill/smart_repeat.h"
#include "records/index.h"

namespace sb {

bool CountAnswer(Drill& d, const DrillSettings& s, int i)
{
    d.total = inc32(d.total);
    d.answerTime = clamp16(s.shockSeconds() - d.shockLeft);
    if (i == d.rightSlot) {
        d.lastRight = 1;
        d.score = inc32(d.score);
        return true;
    }
    d.lastRight = 0;
    return false;
}

void CountTimeOut(Drill& d, const DrillSettings& s)
{
    d.total = inc32(d.total);
    d.answerTime = s.shockSeconds();
    d.lastRight = 0;
}

void RecordFactAnswer(Drill& d, DrillSettings& s)
{
    FactRec& f = d.current();
    d.removedNow = 0;
    const bool askedCounted = f.asked < std::numeric_limits<std::int16_t>::max();
    f.asked = incSaturated(f.asked);
    SmartRepeatStep(d, s, askedCounted);
    UpdateRowPercent(s, f.second, d.lastRight);
}

void UpdateRowPercent(DrillSettings& s, std::int16_t second, std::int16_t lastRight)
{
    if (second < 1 || asIndex(second) >= s.secondNum.size()) {
        return;
    }
    const std::int64_t n = std::max<std::int64_t>(1, s.averageOver());
    std::int16_t& count = s.answerCount(second);
    std::int16_t& pct = s.percentCorrect(second);

    count = incSaturated(count);
    // Products are formed in 64 bits and stored back in 16: the results equal the 16-bit
    // arithmetic wherever that does not overflow, and never wrap where it would.
    if (count > n) {
        pct = clamp16(((n - 1) * pct + lastRight * 100) / n);
    } else {
        pct = incSaturated(pct, lastRight);
        if (count == n) {
            pct = clamp16(static_cast<std::int64_t>(pct) * 100 / n);
        }
    }
}

bool StopRuleEnds(const DrillSettings& s, const Drill& d)
{
    const bool timeUp = d.drillMinutes >= s.maxMinutes();
    const bool allDone = d.total >= s.maxProblems();
    switch (s.stopOn) {
    case 1:
        return timeUp;
    case 2:
        return allDone;
    case 3:
        return timeUp || allDone;
    case 4:
        return timeUp && allDone;
    default:
        return false;
    }
}

} // namespace sb
