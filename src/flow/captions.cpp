// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/captions.h"

#include "teach/status_panel.h"

namespace sb {

std::string scoreCaption(const Drill& d)
{
    // 64-bit product: score x 100 would leave 32 bits after about 21 million answers.
    const std::int64_t pct =
        d.total > 0 ? static_cast<std::int64_t>(d.score) * 100 / d.total : std::int64_t{0};
    return "Score: " + std::to_string(pct) + "%";
}

std::string totalCaption(const Drill& d)
{
    return " Total: " + std::to_string(d.score) + "/" + std::to_string(d.total);
}

std::string timerCaption(std::int16_t shockLeft)
{
    return "Timer: " + std::to_string(shockLeft) + " sec";
}

std::string timeCaption(std::int16_t drillMinutes)
{
    return " Time: " + std::to_string(drillMinutes) + " min";
}

std::string delayCaption(int secondsLeft)
{
    return "          Delay: " + std::to_string(secondsLeft);
}

void ShowScore(Program& p)
{
    p.main.dsscore = scoreCaption(p.drill);
    p.main.dstotal = totalCaption(p.drill);
}

void ShowClock(Program& p)
{
    p.main.dsshock = timerCaption(p.drill.shockLeft);
    p.main.dsttime = timeCaption(p.drill.drillMinutes);
}

void ShowStatus(Program& p)
{
    const StatusPanel panel = StatusText(p.cur());
    for (std::size_t i = 0; i < panel.lines.size(); ++i) {
        p.main.statusLines[i] = panel.lines[i];
    }
    p.main.dsword = panel.title;
    p.main.statusFilled = true;
}

} // namespace sb
