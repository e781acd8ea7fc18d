// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "flow/program.h"
#include "records/caption.h"

namespace sb {

// The one place where counters become the main window's captions. Numbers are plain decimal
// without leading blanks.

// "Score: " and score x 100 \ total with "%" (0 while total is 0).
Caption scoreCaption(const Drill& d);
// " Total: " score "/" total.
Caption totalCaption(const Drill& d);
// "Timer: " shockLeft " sec".
Caption timerCaption(std::int16_t shockLeft);
// " Time: " drillMinutes " min".
Caption timeCaption(std::int16_t drillMinutes);
// The delay window's label: ten blanks, "Delay: " and the seconds left.
Caption delayCaption(int secondsLeft);

// Writes the score captions dsscore and dstotal from the drill's counters.
void ShowScore(Program& p);
// Writes the ShockClock and drill-time captions dsshock and dsttime.
void ShowClock(Program& p);
// Writes the status panel DisSet and the title line dsword from curSettings (trimming its
// stored name).
void ShowStatus(Program& p);

} // namespace sb
