#include "drill/answering.h"

#include <cstdint>
#include <limits>
#include <string>

#include "drill/feedback.h"
#include "drill/posing.h"
#include "drill/smart_repeat.h"
#include "mainwin/run_control.h"
#include "teach/auto_teach.h"

namespace sb {

namespace {

std::int16_t clamp16(std::int64_t v)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

std::int32_t inc32(std::int32_t v)
{
    return v == std::numeric_limits<std::int32_t>::max() ? v : v + 1;
}

} // namespace

std::int16_t incSaturated(std::int16_t v, int by)
{
    return clamp16(static_cast<std::int64_t>(v) + by);
}

void but_click(Program& p, int i)
{
    if (i < 1 || i > 3) {
        return;
    }
    if (!p.main.but[static_cast<std::size_t>(i)].enabled || p.main.modal != Modal::None) {
        return;
    }
    Drill& d = p.drill;
    d.total = inc32(d.total);
    d.answerTime = clamp16(p.cur().shockSeconds() - d.shockLeft);
    p.main.timerEnabled = false;
    if (i == d.rightSlot) {
        ShowPicture(p, 2);
        PlaySound(p, 2);
        d.lastRight = 1;
        d.score = inc32(d.score);
        RecordAnswer(p);
    } else {
        ShowPicture(p, 3);
        d.lastRight = 0;
        ShowFeedback(p, 1);
    }
}

void TimeOut(Program& p)
{
    // A time-out already being handled keeps its pop-up; a second one must not stack on it.
    if (p.main.modal != Modal::None) {
        return;
    }
    Drill& d = p.drill;
    d.total = inc32(d.total);
    d.answerTime = p.cur().shockSeconds();
    d.lastRight = 0;
    // The drill clock stays off while the pop-up is open; posing the next problem starts it.
    p.main.timerEnabled = false;
    ShowPicture(p, 4);
    ShowFeedback(p, 0);
}

void RecordAnswer(Program& p)
{
    Drill& d = p.drill;
    DrillSettings& s = p.cur();
    FactRec& f = d.current();

    d.removedNow = 0;
    const bool askedCounted = f.asked < std::numeric_limits<std::int16_t>::max();
    f.asked = incSaturated(f.asked);
    SmartRepeatStep(d, s, askedCounted);
    UpdateRowPercent(s, f.second, d.lastRight);

    // 64-bit product: score x 100 would leave 32 bits after about 21 million answers.
    const std::int64_t pct =
        d.total > 0 ? static_cast<std::int64_t>(d.score) * 100 / d.total : std::int64_t{0};
    p.main.dsscore = "Score: " + std::to_string(pct) + "%";
    p.main.dstotal = " Total: " + std::to_string(d.score) + "/" + std::to_string(d.total);

    if (AutoTeachStep(p) == 0) {
        ShowPicture(p, 1);
        PlaySound(p, 5);
        SetIdle(p, 0);
        return;
    }
    if (StopRuleEnds(p.cur(), d)) {
        EndDrill(p);
        return;
    }
    // A selection that leaves nothing to pose (reachable when Auto Teach changes it) ends the
    // drill as its stop rule would.
    if (!NextProblem(p)) {
        EndDrill(p);
    }
}

void UpdateRowPercent(DrillSettings& s, std::int16_t second, std::int16_t lastRight)
{
    if (second < 1 || second > 10) {
        return;
    }
    const std::int64_t n = s.averageOver() < 1 ? 1 : s.averageOver();
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
