// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "drill/problem_drawing.h"
#include "records/caption.h"
#include "records/fact_table.h"

namespace sb {

// Why the feedback pop-up opens (the numbers are the kinds' historical codes).
enum class FeedbackKind { TimeOut = 0, Wrong = 1 };

// The pop-up's caption for a kind: "!! Time Out !!" or "!!Wrong Answer !!".
Phrase feedbackCaption(FeedbackKind kind);

// The solved problem as the pop-up draws it: problemText, " = " and the answer of curFact,
// with " R " and the remainder for DivR when it is not 0; the division sign sits closer to the
// mark than on the main window, whose font is larger.
ProblemDrawing SolvedProblem(const Drill& d, std::int16_t operation);

} // namespace sb
