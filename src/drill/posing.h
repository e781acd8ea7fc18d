// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "drill/problem_drawing.h"
#include "platform/random.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// Picks the next problem: refills an empty pool (BuildPool refill), picks a fact from the pool
// or the head of the repeat list when it is due, places the right answer and two neighbouring
// facts' answers on the three slots, fills problemText and answerText (DrawProblem) and sets
// the ShockClock to shockSeconds. The random draws are made in a fixed order (pool pick,
// repeat delay, right slot, wrong slot loop, the two wrong-fact loops, then the swap draw).
// Returns false, having drawn nothing and changed nothing but the refill, when the pool is
// still empty after the refill (there is no fact to pose), and without even the refill when
// the fact table was never built (factCount below 200: no neighbours for the wrong answers).
// repeatWithin below 1 (only a damaged record holds one) counts as 1.
[[nodiscard]] bool NextProblem(Drill& d, const DrillSettings& s, Random& random);

// The part of NextProblem after the fact is chosen, on curFact: the answer slots, the two
// wrong facts, the ShockClock and DrawProblem, with their draws in the same order.
void PlaceAnswers(Drill& d, const DrillSettings& s, Random& random);

// Poses fact (1..200 of a built table) as NextProblem poses the fact it picks, for a
// session that chooses its own facts: neither the pool nor the repeat list is drawn on.
void PoseFact(Drill& d, const DrillSettings& s, Random& random, std::int16_t fact);

// Writes problemText and the three answerTexts for curFact with wrong facts w1 and w2. Makes
// the swap draw first, on every call; Add and Mult show the second number first when that draw
// is 1 and switchAB is 1.
void DrawProblem(Drill& d, const DrillSettings& s, Random& random, std::int16_t w1,
                 std::int16_t w2);

// How the main window's dm draws the problem posed: problemText, marked after the first
// number, with a division sign for Div and DivR.
ProblemDrawing ProblemOnScreen(const Drill& d, std::int16_t operation);

// A fact's answer as a button shows it: "12", or "7 R 3" when it has a remainder.
std::string answerTextOf(const FactRec& f);

} // namespace sb
