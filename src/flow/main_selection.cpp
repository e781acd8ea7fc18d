// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/main_selection.h"

#include "drill/pool.h"
#include "flow/captions.h"
#include "flow/lifecycle.h"
#include "flow/selection_boxes.h"

namespace sb {

void ReadSelection(const MainModel& m, DrillSettings& s)
{
    ReadBoxes(m.selection, s);
}

void ShowSelection(Program& p, const DrillSettings& s)
{
    ShowBoxes(p, p.main.selection, s);
    if (p.main.switchBox.value != s.switchAB) {
        SetSwitch(p.main, p.cur(), s.switchAB);
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

void SetSwitch(MainModel& m, DrillSettings& cur, std::int16_t value)
{
    m.switchBox.value = value;
    cur.switchAB = value;
    m.newDrillEnabled = true;
}

} // namespace sb
