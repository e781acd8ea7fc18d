// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/main_form.h"

#include "drill/pool.h"
#include "flow/captions.h"
#include "flow/lifecycle.h"

namespace sb {

namespace {

// While the pop-up or the delay window is in front, the main window's controls take no
// action, however it reaches them (a click, a key, a screen reader's "press").
bool refused(const Program& p)
{
    return p.main.modal != Modal::None;
}

void setSwitch(Program& p, std::int16_t value)
{
    p.main.switchBox.value = value;
    p.cur().switchAB = value;
    p.main.newDrillEnabled = true;
}

void selectAll(Program& p, std::span<CheckBox> boxes, std::int16_t value)
{
    if (refused(p)) {
        return;
    }
    SetAllValues(p, boxes, value);
    p.main.newDrillEnabled = true;
}

} // namespace

void ReadSelection(const MainModel& m, DrillSettings& s)
{
    ReadBoxes(m.selection, s);
}

void ShowSelection(Program& p, const DrillSettings& s)
{
    ShowBoxes(p, p.main.selection, s);
    if (p.main.switchBox.value != s.switchAB) {
        setSwitch(p, s.switchAB);
    }
}

void update(Program& p)
{
    // A copy: the click handling that selecting an operation runs must not see a record that
    // changes under it.
    const DrillSettings shown = p.cur();
    ShowBoxes(p, p.main.selection, shown);
    ReadFactFile(p);
    ShowStatus(p);
}

void FixSelections(Program& p)
{
    fixSelectionValues(p.cur());
    const DrillSettings shown = p.cur();
    ShowSelection(p, shown);
}

void a_click(Program& p, int i, std::int16_t value)
{
    if (!refused(p)) {
        ClickFirst(p, p.main.selection, i, value);
    }
}

void b_click(Program& p, int i, std::int16_t value)
{
    if (!refused(p)) {
        ClickSecond(p, p.main.selection, i, value);
    }
}

void asela_click(Program& p)
{
    selectAll(p, p.main.selection.a, 1);
}

void aseln_click(Program& p)
{
    selectAll(p, p.main.selection.a, 0);
}

void bsela_click(Program& p)
{
    selectAll(p, p.main.selection.b, 1);
}

void bseln_click(Program& p)
{
    selectAll(p, p.main.selection.b, 0);
}

void op_click(Program& p, int k)
{
    if (!refused(p)) {
        ChooseOperation(p, p.main.selection, k);
    }
}

void switch_click(Program& p, std::int16_t value)
{
    if (!refused(p)) {
        setSwitch(p, value);
    }
}

} // namespace sb
