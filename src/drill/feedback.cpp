#include "drill/feedback.h"

#include <string>

#include "drill/answering.h"
#include "records/drill_settings.h"

namespace sb {

namespace {

// The solved problem as the pop-up draws it: problem, " = ", and the answer with its
// remainder for DivR.
ProblemDrawing solvedDrawing(const Program& p)
{
    const Drill& d = p.drill;
    const FactRec& f = d.fact(d.curFact);
    const std::int16_t op = p.cur().operation;

    std::string text = trimBlanks(d.problemText) + " = " + std::to_string(f.answer);
    if (op == OpDivR && f.remainder != 0) {
        text += " R " + std::to_string(f.remainder);
    }
    ProblemDrawing dp;
    dp.text = trimBlanks(text);
    dp.markText = trimBlanks(std::to_string(f.first) + " -");
    dp.divisionSign = op == OpDiv || op == OpDivR;
    // The pop-up's font is smaller than the main window's, so the sign sits closer to m.
    dp.hyphenBack = 65;
    dp.colonBack = 165;
    return dp;
}

void closePopup(Program& p)
{
    p.main.modal = Modal::None;
    p.main.pop.timerEnabled = false;
    ShowPicture(p, 5);
    RecordAnswer(p);
}

} // namespace

void ShowPicture(Program& p, int n)
{
    if (n < 1 || n > 5) {
        return;
    }
    p.main.picture = n;
    p.services.pictures.show(n);
}

void PlaySound(Program& p, int n)
{
    if (n < 1 || n > 6) {
        return;
    }
    p.services.sound.play(n);
}

void ShowFeedback(Program& p, std::int16_t kind)
{
    PopupModel& pop = p.main.pop;
    pop.dp = solvedDrawing(p);
    p.drill.popLeft = p.cur().popupSeconds();
    pop.timerEnabled = true;

    if (kind == 0) {
        PlaySound(p, 4);
        pop.ms = "!! Time Out !!";
    } else {
        PlaySound(p, 3);
        pop.ms = "!!Wrong Answer !!";
    }
    for (std::size_t i = 1; i <= 3; ++i) {
        pop.but[i] = trimBlanks(p.drill.answerText[i]);
    }
    // The main window now waits for the pop-up; closing it (pop_but_click, pop_timer_tick)
    // continues with picture 5 and RecordAnswer.
    p.main.modal = Modal::Feedback;
}

void pop_but_click(Program& p, int i)
{
    if (p.main.modal != Modal::Feedback) {
        return;
    }
    if (i == p.drill.rightSlot) {
        closePopup(p);
    }
}

void pop_timer_tick(Program& p)
{
    if (p.main.modal != Modal::Feedback || !p.main.pop.timerEnabled) {
        return;
    }
    const std::int16_t before = p.drill.popLeft;
    // Stops at the lowest 16-bit value instead of wrapping round to 1 after 65535 ticks, so
    // a pop-up opened with popupSeconds <= 0 really never closes by itself.
    p.drill.popLeft = incSaturated(before, -1);
    if (before == 1) {
        closePopup(p);
    }
}

} // namespace sb
