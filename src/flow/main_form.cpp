// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/main_form.h"

#include <span>

#include "drill/pool.h"
#include "flow/answering.h"
#include "flow/lifecycle.h"
#include "flow/main_selection.h"
#include "flow/run_control.h"
#include "flow/selection_boxes.h"
#include "flow/startup_shutdown.h"

namespace sb {

namespace {

// While the pop-up or the delay window is in front, the main window's controls take no
// action, however it reaches them (a click, a key, a screen reader's "press").
bool refused(const MainModel& m)
{
    return m.modal != Modal::None;
}

void selectAll(MainModel& m, std::span<CheckBox> boxes, std::int16_t value)
{
    if (refused(m)) {
        return;
    }
    SetAllValues(m, boxes, value);
    m.newDrillEnabled = true;
}

} // namespace

void MainForm::load()
{
    ProgramLoad(m_p);
}

bool MainForm::close_request()
{
    return ProgramClose(m_p);
}

bool MainForm::shut_down_now()
{
    return ProgramEmergencyClose(m_p);
}

void MainForm::put_aside()
{
    const bool running = m_p.main.pauseEnabled;
    PutDrillAside(m_p);
    saveIfStopped(running);
}

void MainForm::locks_tick()
{
    RefreshLocks(m_p);
    // Ticks come kLockRefreshEvery apart: an answer older than that much short of the most an
    // answer may wait is saved now, since by the next tick it would have waited too long.
    const auto since = m_p.run.unsavedSince;
    if (since && m_p.services.clock.steadyNow() - *since >= kUnsavedAtMost - kLockRefreshEvery) {
        SaveProgress(m_p);
    }
}

void MainForm::saveIfStopped(bool wasRunning)
{
    if (wasRunning && !m_p.main.pauseEnabled) {
        SaveProgress(m_p);
    }
}

void MainForm::a_click(int i, std::int16_t value)
{
    if (!refused(m_p.main)) {
        ClickFirst(m_p.main, m_p.main.selection, i, value);
    }
}

void MainForm::b_click(int i, std::int16_t value)
{
    if (!refused(m_p.main)) {
        ClickSecond(m_p.main, m_p.main.selection, i, value);
    }
}

void MainForm::asela_click()
{
    selectAll(m_p.main, m_p.main.selection.a, 1);
}

void MainForm::aseln_click()
{
    selectAll(m_p.main, m_p.main.selection.a, 0);
}

void MainForm::bsela_click()
{
    selectAll(m_p.main, m_p.main.selection.b, 1);
}

void MainForm::bseln_click()
{
    selectAll(m_p.main, m_p.main.selection.b, 0);
}

void MainForm::op_click(int k)
{
    if (!refused(m_p.main)) {
        ChooseOperation(m_p, m_p.main.selection, k);
    }
}

void MainForm::switch_click(std::int16_t value)
{
    if (!refused(m_p.main)) {
        SetSwitch(m_p.main, m_p.cur(), value);
    }
}

void MainForm::start_click()
{
    StartDrill(m_p);
}

void MainForm::practice_click()
{
    StartPractice(m_p);
}

void MainForm::cPause_click()
{
    const bool running = m_p.main.pauseEnabled;
    PauseDrill(m_p);
    saveIfStopped(running);
}

void MainForm::Reset_click()
{
    NewDrill(m_p);
}

void MainForm::but_click(int i)
{
    const bool running = m_p.main.pauseEnabled;
    sb::but_click(m_p, i);
    saveIfStopped(running);
}

void MainForm::timer_tick()
{
    const bool running = m_p.main.pauseEnabled;
    ClockTick(m_p);
    saveIfStopped(running);
}

void MainForm::pop_but_click(int i)
{
    const bool running = m_p.main.pauseEnabled;
    sb::pop_but_click(m_p, i);
    saveIfStopped(running);
}

void MainForm::pop_timer_tick()
{
    const bool running = m_p.main.pauseEnabled;
    sb::pop_timer_tick(m_p);
    saveIfStopped(running);
}

void MainForm::deltime_tick()
{
    const bool running = m_p.main.pauseEnabled;
    sb::deltime_tick(m_p);
    saveIfStopped(running);
}

void MainForm::smartgo_click()
{
    ReadSelection(m_p.main, m_p.cur());
}

void MainForm::goauto_click()
{
    ReadSelection(m_p.main, m_p.cur());
    FixSelections(m_p);
    if (!SameSelections(m_p.cur(), m_p.settings.startSettings)) {
        m_p.run.drillResumable = 0;
        m_p.settings.startSettings = m_p.cur();
        BuildFacts(m_p.drill, m_p.cur(), m_p.services.random);
    }
    static_cast<void>(WriteFactFile(m_p));
}

} // namespace sb
