// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/run_control.h"

#include <string>

#include "drill/pool.h"
#include "drill/posing.h"
#include "flow/answer_log.h"
#include "flow/captions.h"
#include "flow/feedback.h"
#include "flow/main_selection.h"
#include "flow/todays_practice.h"
#include "records/index.h"

namespace sb {

namespace {

void setRunningControls(MainModel& m)
{
    m.pauseEnabled = true;
    m.newDrillEnabled = false;
    m.startEnabled = false;
    m.smartRepeatEnabled = false;
    m.studentDataEnabled = false;
    m.resultsEnabled = false;
    m.helpEnabled = false;
}

void setAnswerButtons(MainModel& m, bool enabled)
{
    for (int i = 1; i <= kAnswerButtons; ++i) {
        m.but[static_cast<std::size_t>(i)].enabled = enabled;
    }
}

void startDrillClock(Program& p)
{
    p.main.timerEnabled = true;
    ++p.main.clockStarts;
    NoteProblemShown(p);
}

void clearScore(MainModel& m)
{
    m.dsscore = Phrase::ScoreLabel;
    m.dstotal = Caption(" ") << Phrase::TotalLabel;
}

void closeDelayWindow(Program& p)
{
    p.main.delay.timerEnabled = false;
    p.main.modal = Modal::None;
    startDrillClock(p);
}

// The drill (or Today's Practice) sets off: its sound, the clock, the running controls, the
// status panel and the first problem.
void setOff(Program& p)
{
    PlaySound(p, SoundId::Start);
    p.drill.minuteStamp = p.services.clock.minuteOfHour();
    p.drill.shockLeft = p.cur().shockSeconds();
    setRunningControls(p.main);
    ShowStatus(p);
    setAnswerButtons(p.main, true);
    if (!PoseNextProblem(p)) {
        SetIdle(p, false);
    }
}

// A new drill's facts and counters over the selection of curSettings.
void newFacts(Program& p)
{
    Drill& d = p.drill;
    d.repeatCount = 0;
    ResetCounters(d);
    // Until its first answer a new drill would show the last drill's score as its own.
    clearScore(p.main);
    BuildFacts(d, p.cur(), p.services.random);
    BuildPool(d, p.cur(), PoolMode::ResetAll, 0);
}

void nothingToDrill(Program& p)
{
    MainModel& m = p.main;
    m.stageCaption = Phrase::NothingToDrill;
    m.stageNote = Phrase::ChooseOtherNumbers;
    // The last drill's problem and answers would read as if they could still be answered.
    m.problem = ProblemDrawing{};
    for (int i = 1; i <= kAnswerButtons; ++i) {
        m.but[static_cast<std::size_t>(i)].caption = std::to_string(i);
    }
    p.run.drillResumable = 0;
}

} // namespace

void StartDrill(Program& p)
{
    Drill& d = p.drill;
    MainModel& m = p.main;
    if (m.modal != Modal::None) {
        return;
    }
    if (p.practice) {
        // A paused Today's Practice is left: its counters are not a drill's to go on with.
        p.practice.reset();
        p.run.drillResumable = 0;
    }
    d.repeatDelay = 0;
    m.stageCaption = Phrase::GetReady;
    m.stageNote = Caption();
    ReadSelection(m, p.cur());
    FixSelections(p);
    if (!SameSelections(p.cur(), p.settings.startSettings)) {
        p.run.drillResumable = 0;
        p.settings.startSettings = p.cur();
    }
    if (p.run.drillResumable == 0) {
        newFacts(p);
    }
    if (d.poolCount < 1) {
        // The same refill posing would make; what is still empty has nothing to pose (10 Sub
        // with only the second number 10, for one).
        BuildPool(d, p.cur(), PoolMode::ResetRow, 0);
    }
    if (d.poolCount < 1) {
        nothingToDrill(p);
        return;
    }
    setOff(p);
}

void StartPractice(Program& p)
{
    MainModel& m = p.main;
    if (m.modal != Modal::None) {
        return;
    }
    m.stageCaption = Phrase::TodaysPractice;
    m.stageNote = Caption();
    ReadSelection(m, p.cur());
    FixSelections(p);
    // A paused session goes on where it stopped; anything else begins a new one.
    const bool resume = p.practice && p.run.drillResumable == 1 &&
                        SameSelections(p.cur(), p.settings.startSettings) &&
                        p.practice->pupil == trimmedName(p.cur());
    if (!resume) {
        p.settings.startSettings = p.cur();
        newFacts(p);
        p.practice = NewPracticeSession(p);
    }
    if (p.practice->plan.facts().empty()) {
        p.practice.reset();
        nothingToDrill(p);
        return;
    }
    setOff(p);
}

void PauseDrill(Program& p)
{
    if (p.main.modal == Modal::None) {
        SetIdle(p, true);
    }
}

void NewDrill(Program& p)
{
    if (p.main.modal != Modal::None) {
        return;
    }
    p.run.drillResumable = 0;
    p.practice.reset();
    clearScore(p.main);
    ShowStatus(p);
    p.main.newDrillEnabled = false;
}

void SetIdle(Program& p, bool resumable)
{
    MainModel& m = p.main;
    m.timerEnabled = false;
    ShowPicture(p, PictureId::Logo);
    m.smartRepeatEnabled = true;
    m.studentDataEnabled = true;
    m.helpEnabled = true;
    m.resultsEnabled = true;
    m.startEnabled = true;
    m.pauseEnabled = false;
    m.newDrillEnabled = true;
    setAnswerButtons(m, false);
    p.run.drillResumable = resumable ? 1 : 0;
}

bool PoseNextProblem(Program& p)
{
    if (p.practice ? !PosePracticeFact(p) : !NextProblem(p.drill, p.cur(), p.services.random)) {
        return false;
    }
    p.main.problem = ProblemOnScreen(p.drill, p.cur().operation);
    for (std::size_t i = 1; i <= kAnswerButtons; ++i) {
        p.main.but[i].caption = trimBlanks(p.drill.answerText[i]);
    }
    ShowClock(p);
    ShowDelay(p);
    return true;
}

void ShowDelay(Program& p)
{
    MainModel& m = p.main;
    const std::int16_t seconds = p.cur().delaySeconds();
    if (seconds < 1) {
        startDrillClock(p);
        return;
    }
    m.delay.delayElapsed = 0;
    m.delay.delayLimit = seconds;
    m.delay.caption = delayCaption(seconds);
    m.delay.timerEnabled = true;
    m.modal = Modal::Delay;
}

void deltime_tick(Program& p)
{
    DelayModel& w = p.main.delay;
    if (p.main.modal != Modal::Delay) { // its timer runs exactly while it is open
        return;
    }
    PlaySound(p, SoundId::Tick);
    ++w.delayElapsed;
    w.caption = delayCaption(w.delayLimit - w.delayElapsed);
    if (w.delayElapsed >= w.delayLimit) {
        closeDelayWindow(p);
    }
}

} // namespace sb
