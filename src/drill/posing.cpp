// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/posing.h"

#include <algorithm>

#include "drill/pool.h"
#include "platform/random.h"
#include "records/drill_settings.h"
#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

// A random answer slot 1..kAnswerButtons: R(u * 10) mod 3 + 1, which favours 1 and 2 a little.
std::int16_t drawSlot(Random& random)
{
    return i16(drawMod(random, 10.0, kAnswerButtons) + 1);
}

// One wrong-answer fact: a fact one to three places before or after curFact in the table.
// Each try draws the distance first and then the direction; a try is thrown away until the
// index lies in 1..factCount-1 and differs from `other` (0 for the first wrong fact). The
// upper bound is strict, so the last fact of the table never serves as a wrong answer.
std::int16_t drawWrongFact(Random& random, const Drill& d, int other)
{
    for (;;) {
        const int t = drawMod(random, 10.0, 3) + 1;
        const int dir = drawMod(random, 10.0, 2) * 2 - 1;
        const int w = d.curFact + dir * t;
        if (w >= 1 && w < d.factCount && w != other) {
            return i16(w);
        }
    }
}

std::string_view opText(std::int16_t operation)
{
    return OperationOf(operation).onScreen;
}

} // namespace

std::string answerTextOf(const FactRec& f)
{
    std::string text = std::to_string(f.answer);
    if (f.remainder != 0) {
        text += " R " + std::to_string(f.remainder);
    }
    return text;
}

bool NextProblem(Drill& d, const DrillSettings& s, Random& random)
{
    // The wrong answers are searched in the whole table; a table that was never built has no
    // neighbours to offer and the search would never end.
    if (d.factCount < kFactSlots) {
        return false;
    }
    if (d.poolCount < 1) {
        BuildPool(d, s, PoolMode::ResetRow, 0);
    }
    if (d.poolCount < 1) {
        return false;
    }

    // The pool pick is drawn even when the repeat list then takes precedence, so the sequence
    // of draws does not depend on whether a repetition is due.
    const int k = drawMod(random, 223.0, d.poolCount) + 1;
    d.curFact = d.pool[asIndex(k)];

    if (d.repeatCount > 0) {
        if (d.repeatDelay != 0) {
            d.repeatDelay = i16(d.repeatDelay - 1);
        } else {
            d.curFact = d.repeatList[1];
            // repeatWithin 0 can only come from a damaged record; it counts as 1.
            const int within = std::max(1, int{s.repeatWithin()});
            d.repeatDelay = i16(drawMod(random, 10.0, within) + 1);
        }
    }

    PlaceAnswers(d, s, random);
    return true;
}

void PoseFact(Drill& d, const DrillSettings& s, Random& random, std::int16_t fact)
{
    d.curFact = fact;
    PlaceAnswers(d, s, random);
}

void PlaceAnswers(Drill& d, const DrillSettings& s, Random& random)
{
    // Three slots: the right one, one wrong slot drawn and the one left over. Another number of
    // buttons needs its own rule for placing the wrong answers (and for drawing their facts).
    static_assert(kAnswerButtons == 3);
    d.rightSlot = drawSlot(random);
    do {
        d.wrongSlot1 = drawSlot(random);
    } while (d.wrongSlot1 == d.rightSlot);
    d.wrongSlot2 = i16(6 - d.wrongSlot1 - d.rightSlot);

    const std::int16_t w1 = drawWrongFact(random, d, 0);
    const std::int16_t w2 = drawWrongFact(random, d, w1);

    d.shockLeft = s.shockSeconds();
    DrawProblem(d, s, random, w1, w2);
}

void DrawProblem(Drill& d, const DrillSettings& s, Random& random, std::int16_t w1, std::int16_t w2)
{
    const FactRec& f = d.current();

    // Drawn on every call, whatever the operation, so that the draws that follow keep their
    // place in the sequence.
    const std::int16_t swapDraw = drawMod(random, 10.0, 2);
    const bool swapped = OperationOf(s.operation).turnsAround && swapDraw == 1 && s.switchAB == 1;

    const std::string firstText = std::to_string(f.first);
    const std::string secondText = std::to_string(f.second);
    const std::string_view sym = opText(s.operation);
    d.problemText = trimBlanks(swapped ? secondText + std::string(sym) + firstText
                                       : firstText + std::string(sym) + secondText);
    d.posedTurnedAround = swapped;

    d.answerText[asIndex(d.wrongSlot1)] = answerTextOf(d.fact(w1));
    d.answerText[asIndex(d.wrongSlot2)] = answerTextOf(d.fact(w2));
    d.answerText[asIndex(d.rightSlot)] = answerTextOf(f);
}

ProblemDrawing ProblemOnScreen(const Drill& d, std::int16_t operation)
{
    ProblemDrawing dm;
    dm.text = d.problemText;
    dm.markText = trimBlanks(std::to_string(d.fact(d.curFact).first) + " -");
    dm.divisionSign = OperationOf(operation).divisionSign;
    dm.hyphenBack = 55;
    dm.colonBack = 160;
    return dm;
}

} // namespace sb
