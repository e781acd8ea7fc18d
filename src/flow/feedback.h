// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/feedback.h"
#include "flow/program.h"
#include "platform/media.h"

namespace sb {

// The only way anything changes the main window's picture.
void ShowPicture(Program& p, PictureId picture);

// The only way anything plays a sound.
void PlaySound(Program& p, SoundId sound);

// Opens the feedback pop-up after a wrong answer or a time-out. The pop-up is a state of the
// main window (Modal::Feedback), not a nested event loop: when it closes, picture 5 is shown
// and RecordAnswer runs, which is where this procedure continues.
void ShowFeedback(Program& p, FeedbackKind kind);

} // namespace sb
