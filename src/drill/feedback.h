#pragma once

#include <cstdint>

#include "program.h"

namespace sb {

// The only way anything changes the main window's picture: n 1..5 (logo, happy, sad,
// time-out, ready); any other n does nothing.
void ShowPicture(Program& p, int n);

// The only way anything plays a sound: slot 1..6 of soundFile.
void PlaySound(Program& p, int n);

// Opens the feedback pop-up after a wrong answer (kind != 0) or a time-out (kind 0). The
// pop-up is a state of the main window (Modal::Feedback), not a nested event loop: when it
// closes, picture 5 is shown and RecordAnswer runs, which is where this procedure continues.
void ShowFeedback(Program& p, std::int16_t kind);

// A click on the pop-up's answer button i (1..3): the right one closes it.
void pop_but_click(Program& p, int i);

// One tick of the pop-up's timer2: closes it after popupSeconds ticks; never when
// popupSeconds was 0 or less.
void pop_timer_tick(Program& p);

} // namespace sb
