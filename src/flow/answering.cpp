// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/answering.h"

#include "drill/answering.h"
#include "flow/answer_log.h"
#include "flow/captions.h"
#include "flow/feedback.h"
#include "flow/main_form.h"
#include "flow/run_control.h"
#include "records/index.h"

namespace sb {

void but_click(Program& p, int i)
{
    if (i < 1 || asIndex(i) >= p.main.but.size()) {
        return;
    }
    if (!p.main.but[static_cast<std::size_t>(i)].enabled || p.main.modal != Modal::None) {
        return;
    }
    const bool right = CountAnswer(p.drill, p.cur(), i);
    NoteAnswerGiven(p, i);
    p.main.timerEnabled = false;
    if (right) {
        ShowPicture(p, PictureId::Happy);
        PlaySound(p, SoundId::Correct);
        RecordAnswer(p);
    } else {
        ShowPicture(p, PictureId::Sad);
        ShowFeedback(p, FeedbackKind::Wrong);
    }
}

void TimeOut(Program& p)
{
    // A time-out already being handled keeps its pop-up; a second one must not stack on it.
    if (p.main.modal != Modal::None) {
        return;
    }
    CountTimeOut(p.drill, p.cur());
    NoteAnswerGiven(p, 0);
    // The drill clock stays off while the pop-up is open; posing the next problem starts it.
    p.main.timerEnabled = false;
    ShowPicture(p, PictureId::TimeOut);
    ShowFeedback(p, FeedbackKind::TimeOut);
}

TeachOutcome RunAutoTeachStep(Program& p)
{
    const TeachOutcome t = AutoTeachStep(p.settings, p.drill, p.services.random);
    if (t.shownAtReviewEnd) {
        ShowSelection(p, *t.shownAtReviewEnd);
    }
    if (t.DsBgn) {
        p.main.DsBgn = *t.DsBgn;
    }
    if (t.DsEnd) {
        p.main.DsEnd = *t.DsEnd;
    }
    if (t.showSelection) {
        // From a copy: the click handling the boxes run may write curSettings meanwhile.
        const DrillSettings shown = p.cur();
        ShowSelection(p, shown);
    }
    return t;
}

bool RecordEndedProblem(Program& p)
{
    RecordFactAnswer(p.drill, p.cur());
    WriteAnswerHistory(p);
    ShowScore(p);

    if (RunAutoTeachStep(p).finished) {
        ShowPicture(p, PictureId::Logo);
        PlaySound(p, SoundId::Finish);
        SetIdle(p, false);
        return false;
    }
    if (StopRuleEnds(p.cur(), p.drill)) {
        EndDrill(p);
        return false;
    }
    return true;
}

void RecordAnswer(Program& p)
{
    // A selection that leaves nothing to pose (reachable when Auto Teach changes it) ends the
    // drill as its stop rule would.
    if (RecordEndedProblem(p) && !PoseNextProblem(p)) {
        EndDrill(p);
    }
}

} // namespace sb
