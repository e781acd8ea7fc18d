// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/main_form.h"

#include "drill/pool.h"
#include "flow/captions.h"
#include "flow/lifecycle.h"
#include "records/index.h"

namespace sb {

namespace {

// A value written into a selection box by the program counts as a click when it changes the
// box: on the main window every such click makes "New Drill" available.
void setBox(Program& p, CheckBox& box, std::int16_t value)
{
    if (box.value == value) {
        return;
    }
    box.value = value;
    p.main.Reset = true;
}

// While the pop-up or the delay window is in front, the main window's controls take no
// action, however it reaches them (a click, a key, a screen reader's "press").
bool refused(const Program& p)
{
    return p.main.modal != Modal::None;
}

void chooseOperation(Program& p, int k)
{
    p.main.op = static_cast<std::int16_t>(k);
    ApplyOperationLock(p, p.main.a, k);
    p.main.Reset = true;
}

void setSwitch(Program& p, std::int16_t value)
{
    p.main.switchBox.value = value;
    p.cur().switchAB = value;
    p.main.Reset = true;
}

void selectOperation(Program& p, std::int16_t k)
{
    if (k < 1 || k > 6 || p.main.op == k) {
        return;
    }
    chooseOperation(p, k);
}

void showBoxesAndOperation(Program& p, const DrillSettings& s)
{
    for (std::size_t i = 1; i < p.main.a.size(); ++i) {
        setBox(p, p.main.a[i], s.firstRange[i]);
    }
    for (std::size_t i = 1; i < p.main.b.size(); ++i) {
        setBox(p, p.main.b[i], s.secondNum[i]);
    }
    selectOperation(p, s.operation);
    if (s.operation != Op10Sub) {
        // Leaving "10 Sub" puts back the first numbers saved when it was chosen; the record
        // shown now must keep its own.
        for (int i = 1; i <= 4; ++i) {
            setBox(p, p.main.a[at(i)], s.firstRange[at(i)]);
        }
    }
}

} // namespace

void ReadSelection(const MainModel& m, DrillSettings& s)
{
    for (int i = 1; i <= 4; ++i) {
        s.firstRange[at(i)] = m.a[at(i)].value;
    }
    for (int i = 1; i <= 10; ++i) {
        s.secondNum[at(i)] = m.b[at(i)].value;
    }
    if (m.op >= 1 && m.op <= 6) {
        s.operation = m.op;
    }
}

void ShowSelection(Program& p, const DrillSettings& s)
{
    showBoxesAndOperation(p, s);
    if (p.main.switchBox.value != s.switchAB) {
        setSwitch(p, s.switchAB);
    }
}

void update(Program& p)
{
    // A copy: the click handling that selecting an operation runs must not see a record that
    // changes under it.
    const DrillSettings shown = p.cur();
    showBoxesAndOperation(p, shown);
    ReadFactFile(p);
    ShowStatus(p);
}

void FixSelections(Program& p)
{
    fixSelectionValues(p.cur());
    const DrillSettings shown = p.cur();
    ShowSelection(p, shown);
}

void SetAllValues(Program& p, std::span<CheckBox> boxes, std::int16_t value)
{
    // From the last box down to box 1; slot 0 is never used.
    for (std::size_t i = boxes.size() - 1; i >= 1; --i) {
        setBox(p, boxes[i], value);
    }
}

void ApplyOperationLock(Program& p, std::span<CheckBox, 5> boxes, int k)
{
    SharedFlags& f = p.flags;
    if (k == Op10Sub) {
        if (f.firstLocked != 0) {
            return;
        }
        f.firstLocked = 1;
        for (std::size_t i = 1; i < f.savedFirst.size(); ++i) {
            f.savedFirst[i] = boxes[i].value;
            setBox(p, boxes[i], 0);
            if (i == 1) {
                setBox(p, boxes[i], 1);
            }
            boxes[i].enabled = false;
        }
        return;
    }
    if (f.firstLocked != 1) {
        return;
    }
    for (std::size_t i = 1; i < f.savedFirst.size(); ++i) {
        boxes[i].enabled = true;
        setBox(p, boxes[i], f.savedFirst[i]);
    }
    f.firstLocked = 0;
}

void a_click(Program& p, int i, std::int16_t value)
{
    if (i < 1 || at(i) >= p.main.a.size() || refused(p)) {
        return;
    }
    p.main.a[at(i)].value = value;
    p.main.Reset = true;
}

void b_click(Program& p, int i, std::int16_t value)
{
    if (i < 1 || at(i) >= p.main.b.size() || refused(p)) {
        return;
    }
    p.main.b[at(i)].value = value;
    p.main.Reset = true;
}

void asela_click(Program& p)
{
    if (refused(p)) {
        return;
    }
    SetAllValues(p, p.main.a, 1);
    p.main.Reset = true;
}

void aseln_click(Program& p)
{
    if (refused(p)) {
        return;
    }
    SetAllValues(p, p.main.a, 0);
    p.main.Reset = true;
}

void bsela_click(Program& p)
{
    if (refused(p)) {
        return;
    }
    SetAllValues(p, p.main.b, 1);
    p.main.Reset = true;
}

void bseln_click(Program& p)
{
    if (refused(p)) {
        return;
    }
    SetAllValues(p, p.main.b, 0);
    p.main.Reset = true;
}

void op_click(Program& p, int k)
{
    if (k < 1 || k > 6 || refused(p)) {
        return;
    }
    chooseOperation(p, k);
}

void switch_click(Program& p, std::int16_t value)
{
    if (!refused(p)) {
        setSwitch(p, value);
    }
}

} // namespace sb
