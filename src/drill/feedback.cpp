// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/feedback.h"

#include <string>

#include "records/drill_settings.h"
#include "records/operations.h"

namespace sb {

Phrase feedbackCaption(FeedbackKind kind)
{
    return kind == FeedbackKind::TimeOut ? Phrase::TimeOut : Phrase::WrongAnswer;
}

ProblemDrawing SolvedProblem(const Drill& d, std::int16_t operation)
{
    const FactRec& f = d.fact(d.curFact);
    std::string text = trimBlanks(d.problemText) + " = " + std::to_string(f.answer);
    if (OperationOf(operation).shape == FactShape::QuotientWithRemainder && f.remainder != 0) {
        text += " R " + std::to_string(f.remainder);
    }
    ProblemDrawing dp;
    dp.text = trimBlanks(text);
    dp.markText = trimBlanks(std::to_string(f.first) + " -");
    dp.divisionSign = OperationOf(operation).divisionSign;
    dp.hyphenBack = 65;
    dp.colonBack = 165;
    return dp;
}

} // namespace sb
