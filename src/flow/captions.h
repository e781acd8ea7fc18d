// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "flow/program.h"

namespace sb {

// The one place where counters become the main window's captions. Numbers are plain decimal
// without leading blanks.

// "Score: " and score x 100 \ total with "%" (0 while total is 0).
std::string scoreCaption(const Drill& d);
// " Total: " score "/" total.
std::string totalCaption(const Drill& d);
// "Timer: " shockLeft " sec".
std::string timerCaption(std::int16_t shockLeft);
// " Time: " drillMinutes " min".
std::string timeCaption(std::int16_t drillMinutes);
// The delay window's label: ten blanks, "Delay: " and the seconds left.
std::string delayCaption(int secondsLeft);

// Writes the score captions dsscore and dstotal from the drill's counters.
void ShowScore(Program& p);
// Writes the ShockClock and drill-time captions dsshock and dsttime.
void ShowClock(Program& p);
// Writes the status panel DisSet and the title line dsword from curSettings (trimming its
// stored name).
void ShowStatus(Program& p);

} // namespace sb
