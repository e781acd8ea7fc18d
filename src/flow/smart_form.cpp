// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/smart_form.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "flow/digits_only.h"
#include "flow/main_form.h"
#include "records/index.h"

namespace sb {

namespace {

constexpr int kDelayBox = 13; // 0 seconds of delay is a real choice: no lock at all

bool isBox(int i)
{
    return i >= 1 && i <= 13;
}

// What each number box offers. The lists are typed with blanks in front: a digit is about as
// wide as two blanks, so every item ends at the same place; `blanks` is the count in front of a
// one-digit value.
struct ComboList {
    std::vector<int> values;
    int blanks;
};

const ComboList& comboList(int i)
{
    static const ComboList oneToTen3{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3};
    static const ComboList oneToTen4{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 4};
    static const ComboList oneToTen2{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2};
    static const ComboList minutes{
        {3, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 70, 80, 90, 100}, 4};
    static const ComboList problems{
        {20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 250, 300, 350, 400}, 5};
    static const ComboList shock{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20}, 4};
    static const ComboList delay{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3};
    switch (i) {
    case 4:
    case 9:
        return oneToTen4;
    case 8:
        return oneToTen2;
    case 10:
        return minutes;
    case 11:
        return problems;
    case 12:
        return shock;
    case 13:
        return delay;
    default:
        return oneToTen3;
    }
}

} // namespace

std::vector<std::string> comboItems(int i)
{
    std::vector<std::string> items;
    if (!isBox(i)) {
        return items;
    }
    const ComboList& list = comboList(i);
    for (int v : list.values) {
        const std::string digits = std::to_string(v);
        const int blanks = list.blanks - 2 * (static_cast<int>(digits.size()) - 1);
        items.push_back(std::string(static_cast<std::size_t>(blanks), ' ') + digits);
    }
    return items;
}

std::optional<std::int16_t> readComboValue(std::string_view text)
{
    // Blanks come from the items' leading blanks; they say nothing about the number.
    std::string digits;
    for (char c : text) {
        if (c != ' ') {
            digits += c;
        }
    }
    const char* first = digits.data();
    const char* last = first + digits.size();
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt; // empty, not a number, or out of the field's range
    }
    return value;
}

void ShowSmartControls(Program& p, SmartModel& m, const DrillSettings& rec)
{
    const std::int16_t k = rec.stopOn;
    if (k < 1 || k > 5) {
        m.stopOption = 0;
    } else if (m.stopOption != k) {
        stopon_click(p, m, k);
    }
    p.flags.stopChoice = k;
    // Slot 0 is not a control: it is neither shown nor read back.
    std::copy(rec.smartCheck.begin() + 1, rec.smartCheck.end(), m.checks.begin() + 1);
    std::transform(rec.smartValue.begin() + 1, rec.smartValue.end(), m.numberTexts.begin() + 1,
                   [](std::int16_t v) { return std::to_string(v); });
}

void ReadSmartControls(const Program& p, const SmartModel& m, DrillSettings& rec)
{
    rec.stopOn = p.flags.stopChoice;
    std::copy(m.checks.begin() + 1, m.checks.end(), rec.smartCheck.begin() + 1);
    for (std::size_t i = 1; i < m.numberTexts.size(); ++i) {
        if (const auto v = readComboValue(m.numberTexts[i])) {
            rec.smartValue[i] = *v;
        }
    }
}

void ApplySmart(Program& p, SmartModel& m)
{
    m.applied = true;
    ReadSmartControls(p, m, p.cur());
    // Opened from the Student Data window, curSettings holds the pupil on display there, who
    // is not current until that window's OK: loading her facts now would put her results in
    // the place of the current pupil's. That window's OK applies everything; its Cancel nothing.
    if (p.flags.smartFromStudent != 1) {
        update(p);
    }
}

void ShowDefaultNote(SmartModel& m, int kind)
{
    switch (kind) {
    case 0:
        m.defaultsNote = "Original Default";
        break;
    case 1:
        m.defaultsNote = "Custom Default";
        break;
    case 2:
        m.defaultsNote.clear();
        break;
    default:
        break;
    }
}

void smart_load(Program& p, SmartModel& m)
{
    m = SmartModel{};
    m.open = true;
    if (!p.run.beforeWindows) {
        p.run.beforeWindows = p.cur();
    }
    if (p.flags.smartFromStudent == 1) {
        m.studentDataEnabled = false;
    }
    // A copy: the option's click writes curSettings.stopOn while the record is being shown.
    const DrillSettings shown = p.cur();
    ShowSmartControls(p, m, shown);
    p.settings.backupSettings = p.cur();
    p.flags.stopChoice = p.cur().stopOn;
}

void stopon_click(Program& p, SmartModel& m, int i)
{
    if (i < 1 || i > 5) {
        return;
    }
    m.stopOption = i16(i);
    p.cur().stopOn = i16(i);
    p.flags.stopChoice = i16(i);
}

void ck_click(SmartModel& m, int i, std::int16_t value)
{
    if (i < 1 || asIndex(i) >= m.checks.size()) {
        return;
    }
    m.checks[asIndex(i)] = value;
}

void bnapply_click(Program& p, SmartModel& m)
{
    if (!m.open) {
        return;
    }
    ApplySmart(p, m);
    smart_close_request(p, m, false);
}

void bncancel_click(Program& p, SmartModel& m)
{
    if (!m.open) {
        return;
    }
    p.cur() = p.settings.backupSettings;
    smart_close_request(p, m, false);
}

void smart_close_request(Program& p, SmartModel& m, bool byUser)
{
    if (!m.open) {
        return;
    }
    p.flags.studentFromSmart = 0;
    if (p.flags.smartFromStudent != 1) {
        p.run.beforeWindows.reset(); // what this window did is applied or undone now
    }
    if (byUser) {
        // Closing from the title bar moves no focus: the box being typed in is checked as if it
        // had been left, so a refused text never reaches the settings.
        if (m.focusCombo != 0) {
            cbr_lost_focus(p, m, m.focusCombo);
        }
        ApplySmart(p, m);
    }
    m.open = false;
}

void godata_click(Program& p, SmartModel& m)
{
    if (!m.studentDataEnabled) {
        return;
    }
    p.flags.studentFromSmart = 1;
    ReadSmartControls(p, m, p.cur());
}

void bndef_click(Program& p, SmartModel& m)
{
    DrillSettings& d = p.settings.defaultSettings;
    ReadSmartControls(p, m, d);
    setName(d, "Default");
    d.tag = 1;
    ShowDefaultNote(m, 1);
}

void bnrstdef_click(Program& p, SmartModel& m)
{
    LoadOriginalDefaults(p.settings);
    // A copy, like the load: showing it may run the stop option's click.
    const DrillSettings shown = p.settings.defaultSettings;
    ShowSmartControls(p, m, shown);
    ShowDefaultNote(m, 0);
}

void bndef_lost_focus(SmartModel& m)
{
    ShowDefaultNote(m, 2);
}

void bnrstdef_lost_focus(SmartModel& m)
{
    ShowDefaultNote(m, 2);
}

void cbr_got_focus(Program& p, SmartModel& m, int i)
{
    if (!isBox(i)) {
        return;
    }
    m.focusCombo = i;
    p.flags.comboBefore = readComboValue(m.numberTexts[asIndex(i)]).value_or(0);
}

int cbr_key_press(int key)
{
    return DigitsOnly(key);
}

void cbr_change(SmartModel& m, int i, std::string text)
{
    if (!isBox(i)) {
        return;
    }
    m.numberTexts[asIndex(i)] = std::move(text);
}

void cbr_lost_focus(Program& p, SmartModel& m, int i)
{
    if (!isBox(i)) {
        return;
    }
    m.focusCombo = 0;
    std::string& text = m.numberTexts[asIndex(i)];
    const std::string before = std::to_string(p.flags.comboBefore);
    // Empty, or too big for its 16-bit field: refused, the value from before comes back.
    const auto value = readComboValue(text);
    if (!value) {
        text = before;
    } else if (i != kDelayBox && *value == 0) {
        text = before;
    }
}

} // namespace sb
