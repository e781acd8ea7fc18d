// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/problem_drawing.h"

#include "platform/random.h"

namespace sb {

ProblemLayout layoutProblem(double boxWidth, double boxHeight, double textWidth, double textHeight,
                            double markWidth, const ProblemDrawing& drawing)
{
    // The differences are rounded to whole units before the halving, and the halving
    // truncates toward zero, so a text wider than its box starts a little less far left
    // than exact centring would put it.
    ProblemLayout l;
    l.x = roundHalfEven(boxWidth - textWidth) / 2;
    l.y = roundHalfEven(boxHeight - textHeight) / 2;
    l.mark = roundHalfEven(l.x + markWidth);
    l.hyphenX = l.mark - drawing.hyphenBack;
    l.colonX = l.mark - drawing.colonBack;
    return l;
}

} // namespace sb
