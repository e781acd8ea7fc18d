// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/feedback.h"

#include "records/index.h"

namespace sb {

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
    pop.problem = SolvedProblem(p.drill, p.cur().operation);
    p.drill.popLeft = p.cur().popupSeconds();
    pop.timerEnabled = true;

    PlaySound(p, kind == FeedbackKind::TimeOut ? SoundId::TimeOut : SoundId::Wrong);
    pop.heading = feedbackCaption(kind);
    for (std::size_t i = 1; i <= kAnswerButtons; ++i) {
        pop.but[i] = trimBlanks(p.drill.answerText[i]);
    }
    // The main window now waits for the pop-up; closing it (pop_but_click, pop_timer_tick)
    // continues with picture 5 and RecordAnswer.
    p.main.modal = Modal::Feedback;
}

} // namespace sb
