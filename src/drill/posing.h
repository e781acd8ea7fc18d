#pragma once

#include <cstdint>
#include <string>

#include "program.h"

namespace sb {

// Poses the next problem: refills an empty pool (BuildPool(1, 0)), picks a fact from the pool
// or the head of the repeat list when it is due, places the right answer and two neighbouring
// facts' answers on the three slots, draws the problem, fills the ShockClock and the time
// captions, then shows the delay window when one is set or else starts the drill clock.
// The random draws are made in a fixed order (pool pick, repeat delay, right slot, wrong slot
// loop, the two wrong-fact loops, then the swap draw in DrawProblem).
// Returns false, having drawn nothing and changed nothing but the refill, when the pool is
// still empty after the refill (there is no fact to pose), and without even the refill when
// the fact table was never built (factCount below 200: no neighbours for the wrong answers).
// repeatWithin below 1 (only a damaged record holds one) counts as 1.
[[nodiscard]] bool NextProblem(Program& p);

// Writes problemText, the three answerTexts, the answer buttons' captions and the drawing of
// dm for curFact with wrong facts w1 and w2. Makes the swap draw first, on every call; Add and
// Mult show the second number first when that draw is 1 and switchAB is 1.
void DrawProblem(Program& p, std::int16_t w1, std::int16_t w2);

// A fact's answer as a button shows it: "12", or "7 R 3" when it has a remainder.
std::string answerTextOf(const FactRec& f);

// Where a problem display draws its text. All lengths in units of 1/1440 inch.
struct ProblemLayout {
    int x = 0; // drawing position
    int y = 0;
    int mark = 0;    // m: x plus the width of the first number and " -"
    int hyphenX = 0; // where the hyphen of the division sign goes (when drawn)
    int colonX = 0;  // where the colon goes
};

// The centring arithmetic of dm and dp: x = round(boxWidth - textWidth) \ 2, likewise y, and
// m = round(x + markWidth). \ truncates toward zero.
ProblemLayout layoutProblem(double boxWidth, double boxHeight, double textWidth, double textHeight,
                            double markWidth, const ProblemDrawing& drawing);

} // namespace sb
