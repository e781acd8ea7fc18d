// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/program.h"

namespace sb {

// Read Aloud: the current pupil has each problem, the answers she moves to, how she answered and
// her score said aloud. It is her own choice, kept as a setting of her answer history, so that
// it goes with her through a rename and to every computer of the lab, and is off where no
// history says otherwise.
inline constexpr const char* kReadAloudSetting = "read_aloud";

// Whether the current pupil has Read Aloud on. Her history is read when she became current
// since the last call.
bool ReadAloudOn(Program& p);

// Switches Read Aloud for the current pupil, making her history when she has none yet. False,
// with the main window's notice saying why and the choice left as it was, when it cannot be
// kept: the history cannot be written, or another computer took the pupil over.
bool SetReadAloud(Program& p, bool on);

} // namespace sb
