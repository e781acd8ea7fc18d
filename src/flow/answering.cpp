// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/answering.h"

#include "drill/answering.h"
#include "flow/answer_log.h"
#include "flow/captions.h"
#include "flow/feedback.h"
#include "flow/main_selection.h"
#include "flow/run_control.h"
#include "flow/todays_practice.h"
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

void ClockTick(Program& p)
{
    MainModel& m = p.main;
    // The clock is held off while a pop-up or the delay window is in front, so a time-out
    // never starts while another is being handled.
    if (!m.timerEnabled || m.modal != Modal::None) {
        return;
    }
    Drill& d = p.drill;
    if (d.shockLeft > 0) {
        const std::int16_t minute = p.services.clock.minuteOfHour();
        if (minute != d.minuteStamp) {
            d.drillMinutes = incSaturated(d.drillMinutes);
            d.minuteStamp = minute;
        }
        --d.shockLeft;
        PlaySound(p, SoundId::Tick);
        ShowPicture(p, PictureId::Ready);
    }
    ShowClock(p);
    if (d.shockLeft == 0) {
        TimeOut(p);
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

TeachOutcome RunAutoTeachStep(Program& p)
{
    const TeachOutcome t = AutoTeachStep(p.settings, p.drill, p.services.random);
    if (t.shownAtReviewEnd) {
        ShowSelection(p, *t.shownAtReviewEnd);
    }
    if (t.stageCaption) {
        p.main.stageCaption = *t.stageCaption;
    }
    if (t.stageNote) {
        p.main.stageNote = *t.stageNote;
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
    if (!p.run.unsavedSince) {
        p.run.unsavedSince = p.services.clock.steadyNow();
    }
    // Kept for Today's Practice, whose plan learns it: the writer takes the answer away.
    const std::optional<AnswerRow> given = p.practice ? p.history.given : std::nullopt;
    WriteAnswerHistory(p);
    ShowScore(p);

    if (p.practice) {
        // Today's Practice ends when its time is up; Auto Teach and the stop rule are the
        // drill's, and its plan has chosen within the selection they gave.
        if (given && PracticeAnswered(p, *given)) {
            p.practice.reset();
            p.main.stageNote = Phrase::GreatJob;
            ShowPicture(p, PictureId::Logo);
            PlaySound(p, SoundId::Finish);
            SetIdle(p, false);
            return false;
        }
        return true;
    }

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

void EndDrill(Program& p)
{
    if (p.practice) {
        p.practice.reset(); // the plan has nothing left to choose: no Auto Teach step of its own
    } else {
        static_cast<void>(RunAutoTeachStep(p));
    }
    ShowPicture(p, PictureId::Logo);
    PlaySound(p, SoundId::Finish);
    SetIdle(p, false);
}

void PutDrillAside(Program& p)
{
    MainModel& m = p.main;
    const Modal open = m.modal;
    m.modal = Modal::None;
    m.pop.timerEnabled = false;
    m.delay.timerEnabled = false;
    m.timerEnabled = false;
    // Left unrecorded, the problem would be in the score captions but in no fact's counts, and
    // the Results table would disagree with them.
    if (open == Modal::Feedback) {
        static_cast<void>(RecordEndedProblem(p));
    }
    if (m.pauseEnabled) {
        SetIdle(p, true);
    }
}

} // namespace sb
