// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/selection_boxes.h"

#include "flow/program.h"
#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

void setBox(MainModel& main, CheckBox& box, std::int16_t value)
{
    if (box.value == value) {
        return;
    }
    box.value = value;
    main.newDrillEnabled = true;
}

void setBoxes(MainModel& main, std::span<CheckBox> boxes, std::span<const std::int16_t> values)
{
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        setBox(main, boxes[i], values[i]);
    }
}

} // namespace

void ShowBoxes(Program& p, SelectionBoxes& boxes, const DrillSettings& s)
{
    setBoxes(p.main, boxes.a, s.firstRange);
    setBoxes(p.main, boxes.b, s.secondNum);
    if (s.operation != boxes.op) {
        ChooseOperation(p, boxes, s.operation);
    }
    if (s.operation != Op10Sub) {
        // Leaving "10 Sub" puts back the first numbers saved when it was chosen, which belong
        // to the record shown before: this record's own must win.
        setBoxes(p.main, boxes.a, s.firstRange);
    }
}

void ReadBoxes(const SelectionBoxes& boxes, DrillSettings& s)
{
    for (std::size_t i = 1; i < boxes.a.size(); ++i) {
        s.firstRange[i] = boxes.a[i].value;
    }
    for (std::size_t i = 1; i < boxes.b.size(); ++i) {
        s.secondNum[i] = boxes.b[i].value;
    }
    if (IsOperation(boxes.op)) {
        s.operation = boxes.op;
    }
}

void ClickFirst(MainModel& main, SelectionBoxes& boxes, int i, std::int16_t value)
{
    if (i < 1 || asIndex(i) >= boxes.a.size()) {
        return;
    }
    boxes.a[asIndex(i)].value = value;
    main.newDrillEnabled = true;
}

void ClickSecond(MainModel& main, SelectionBoxes& boxes, int i, std::int16_t value)
{
    if (i < 1 || asIndex(i) >= boxes.b.size()) {
        return;
    }
    boxes.b[asIndex(i)].value = value;
    main.newDrillEnabled = true;
}

void ChooseOperation(Program& p, SelectionBoxes& boxes, int k)
{
    if (!IsOperation(k)) {
        return;
    }
    boxes.op = i16(k);
    ApplyOperationLock(p, boxes.a, k);
    p.main.newDrillEnabled = true;
}

void SetAllValues(MainModel& main, std::span<CheckBox> boxes, std::int16_t value)
{
    // From the last box down to box 1; slot 0 is never used.
    for (std::size_t i = boxes.size() - 1; i >= 1; --i) {
        setBox(main, boxes[i], value);
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
            setBox(p.main, boxes[i], 0);
            if (i == 1) {
                setBox(p.main, boxes[i], 1);
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
        setBox(p.main, boxes[i], f.savedFirst[i]);
    }
    f.firstLocked = 0;
}

} // namespace sb
