// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "flow/program.h"

namespace sb {

// The main window "sb12": its events over the Program, whose MainModel is the value of every
// control and caption it shows. Each event of the window's controls, of its timers and of the
// two windows it opens in front of itself (the feedback pop-up and the delay window) is one
// member, named after control and event; the view calls one and then renders model(). Made
// with the window, it lives as long as the program and keeps nothing of its own: the lower flow
// files (run_control, answering, lifecycle, startup_shutdown) do the work, and the settings
// windows change the same MainModel through the Program.
class MainForm {
public:
    explicit MainForm(Program& program) : m_p(program) {}

    const MainModel& model() const { return m_p.main; }

    // The window's load: the start-up of the program (ProgramLoad).
    void load();
    // Every close of the window: the shut-down steps (ProgramClose). False when something could
    // not be saved; notice names it.
    bool close_request();
    // The close when the program must end now, whatever window is open (ProgramEmergencyClose).
    bool shut_down_now();
    // The window is minimised, hidden or closing: a running drill is put aside (PutDrillAside).
    void put_aside();
    // The lock timer "locks": the pupil's lock is refreshed and failed saves tried again
    // (RefreshLocks); answers that have waited long enough are saved (SaveProgress).
    void locks_tick();

    // The selection controls. The value arguments are the box's new value. Each does nothing
    // while the pop-up or the delay window is open.
    void a_click(int i, std::int16_t value);
    void b_click(int i, std::int16_t value);
    void asela_click();
    void aseln_click();
    void bsela_click();
    void bseln_click();
    void op_click(int k);
    void switch_click(std::int16_t value);

    // Start (StartDrill), Pause (PauseDrill) and New Drill (NewDrill).
    void start_click();
    // "Today's Practice" (StartPractice).
    void practice_click();
    void cPause_click();
    void Reset_click();

    // Answer button i (1..kAnswerButtons) while a problem is posed (see answering.h).
    void but_click(int i);
    // One second of the drill clock "timer" (ClockTick).
    void timer_tick();
    // The pop-up's answer button i and its timer2; the delay window's deltime. Each may end that
    // window, which the model's modal then says.
    void pop_but_click(int i);
    void pop_timer_tick();
    void deltime_tick();

    // "Smart Repeat": the boxes on screen go into curSettings, since its Ok shows curSettings
    // here. The view then opens the window.
    void smartgo_click();
    // "Student Data", its steps before the window opens: the selection on the main window is
    // read into curSettings and made non-empty; a changed selection makes the next Start build a
    // new drill (startSettings := curSettings, the fact table rebuilt); the outgoing pupil's
    // facts are saved. The view then opens the window (StudentForm) and its load() runs.
    void goauto_click();

private:
    // A drill that ran before an event and stops with it (its end, Pause, put aside) leaves
    // the pupil's files saved.
    void saveIfStopped(bool wasRunning);

    Program& m_p;
};

} // namespace sb
