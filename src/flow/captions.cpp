// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/captions.h"

#include "teach/status_panel.h"

namespace sb {

Caption scoreCaption(const Drill& d)
{
    // 64-bit product: score x 100 would leave 32 bits after about 21 million answers.
    const std::int64_t pct =
        d.total > 0 ? static_cast<std::int64_t>(d.score) * 100 / d.total : std::int64_t{0};
    return Caption(Phrase::ScoreLabel) << " " << std::to_string(pct) << "%";
}

Caption totalCaption(const Drill& d)
{
    return Caption(" ") << Phrase::TotalLabel << " " << std::to_string(d.score) << "/"
                        << std::to_string(d.total);
}

Caption timerCaption(std::int16_t shockLeft)
{
    return Caption(Phrase::TimerLabel) << " " << std::to_string(shockLeft) << " " << Phrase::Sec;
}

Caption timeCaption(std::int16_t drillMinutes)
{
    return Caption(" ") << Phrase::TimeLabel << " " << std::to_string(drillMinutes) << " "
                        << Phrase::Min;
}

Caption delayCaption(int secondsLeft)
{
    return Caption("          ") << Phrase::DelayLabel << " " << std::to_string(secondsLeft);
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
