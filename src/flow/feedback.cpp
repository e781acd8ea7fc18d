// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/feedback.h"

#include "flow/answering.h"
#include "records/index.h"

namespace sb {

namespace {

void closePopup(Program& p)
{
    p.main.modal = Modal::None;
    p.main.pop.timerEnabled = false;
    ShowPicture(p, PictureId::Ready);
    RecordAnswer(p);
}

} // namespace

void ShowPicture(Program& p, PictureId picture)
{
    if (p.services.pictures.show(picture)) {
        p.main.picture = picture;
    }
}

void PlaySound(Program& p, SoundId sound)
{
    p.services.sound.play(sound);
}

void ShowFeedback(Program& p, FeedbackKind kind)
{
    PopupModel& pop = p.main.pop;
    pop.dp = SolvedProblem(p.drill, p.cur().operation);
    p.drill.popLeft = p.cur().popupSeconds();
    pop.timerEnabled = true;

    PlaySound(p, kind == FeedbackKind::TimeOut ? SoundId::TimeOut : SoundId::Wrong);
    pop.ms = feedbackCaption(kind);
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
