// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "flow/program.h"
#include "students/answer_history.h"

namespace sb {

// A pupil's choice of Today's Practice is kept as settings of her answer history, so that it
// goes with her through a rename and to every computer of a lab.
inline constexpr const char* kPracticeMinutesSetting = "practice_minutes";
inline constexpr const char* kPracticeDefaultSetting = "practice_default";
inline constexpr const char* kPracticeProblemsSetting = "practice_problems";

// The choice of the pupil with this trimmed name; the defaults where her history has none
// (or cannot be read), minutes outside 2..10 and problems outside 0..200 brought to the
// nearest.
PracticeChoice PracticeChoiceOf(const Program& p, std::string_view pupil);
// The current pupil's choice, her history read when she became current since the last call.
PracticeChoice CurrentPracticeChoice(Program& p);
// Keeps her choice, making her history when she has none yet.
[[nodiscard]] Status SetPracticeChoice(Program& p, std::string_view pupil, PracticeChoice choice);

// A new session for the current pupil over the selection of curSettings: her memory model read
// from her history (the answers still on their way there first written), her session length.
PracticeSession NewPracticeSession(Program& p);

// Chooses the session's next fact and poses it as the drill poses one. False, posing nothing,
// when the selection holds no fact.
[[nodiscard]] bool PosePracticeFact(Program& p);

// The answer just recorded in a session: the model and the plan learn it and its time counts.
// True when the session is over: its time is up, or its number of problems answered.
[[nodiscard]] bool PracticeAnswered(Program& p, const AnswerRow& given);

} // namespace sb
