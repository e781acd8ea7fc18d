// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/smart_form.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "flow/digits_only.h"
#include "flow/main_selection.h"
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
    std::int16_t value{};
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt; // empty, not a number, or out of the field's range
    }
    return value;
}

SmartForm::SmartForm(Program& program) : m_p(program) {}

void SmartForm::ShowSmartControls(const DrillSettings& rec)
{
    const std::int16_t k = rec.stopOn;
    if (k < 1 || k > 5) {
        m_model.stopOption = 0;
    } else if (m_model.stopOption != k) {
        stopon_click(k);
    }
    m_p.flags.stopChoice = k;
    // Slot 0 is not a control: it is neither shown nor read back.
    std::copy(rec.smartCheck.begin() + 1, rec.smartCheck.end(), m_model.checks.begin() + 1);
    std::transform(rec.smartValue.begin() + 1, rec.smartValue.end(),
                   m_model.numberTexts.begin() + 1,
                   [](std::int16_t v) { return std::to_string(v); });
}

void SmartForm::ReadSmartControls(DrillSettings& rec) const
{
    rec.stopOn = m_p.flags.stopChoice;
    std::copy(m_model.checks.begin() + 1, m_model.checks.end(), rec.smartCheck.begin() + 1);
    for (std::size_t i = 1; i < m_model.numberTexts.size(); ++i) {
        if (const auto v = readComboValue(m_model.numberTexts[i])) {
            rec.smartValue[i] = *v;
        }
    }
}

void SmartForm::ApplySmart()
{
    m_model.applied = true;
    ReadSmartControls(m_p.cur());
    // Opened from the Student Data window, curSettings holds the pupil on display there, who
    // is not current until that window's OK: loading her facts now would put her results in
    // the place of the current pupil's. That window's OK applies everything; its Cancel nothing.
    if (m_p.flags.smartFromStudent != 1) {
        update(m_p);
    }
}

void SmartForm::ShowDefaultNote(int kind)
{
    switch (kind) {
    case 0:
        m_model.defaultsNote = Phrase::OriginalDefault;
        break;
    case 1:
        m_model.defaultsNote = Phrase::CustomDefault;
        break;
    case 2:
        m_model.defaultsNote = Caption();
        break;
    default:
        break;
    }
}

void SmartForm::load()
{
    m_model = SmartModel{};
    m_model.open = true;
    m_p.run.settingsBackup.take(SettingsBackup::Window::SmartRepeat, m_p.cur());
    if (m_p.flags.smartFromStudent == 1) {
        m_model.studentDataEnabled = false;
    }
    // A copy: the option's click writes curSettings.stopOn while the record is being shown.
    const DrillSettings shown = m_p.cur();
    ShowSmartControls(shown);
    m_p.flags.stopChoice = m_p.cur().stopOn;
}

void SmartForm::stopon_click(int i)
{
    if (i < 1 || i > 5) {
        return;
    }
    m_model.stopOption = i16(i);
    m_p.cur().stopOn = i16(i);
    m_p.flags.stopChoice = i16(i);
}

void SmartForm::ck_click(int i, std::int16_t value)
{
    if (i < 1 || asIndex(i) >= m_model.checks.size()) {
        return;
    }
    m_model.checks[asIndex(i)] = value;
}

void SmartForm::bnapply_click()
{
    if (!m_model.open) {
        return;
    }
    ApplySmart();
    close_request(false);
}

void SmartForm::bncancel_click()
{
    if (!m_model.open) {
        return;
    }
    m_p.run.settingsBackup.apply(SettingsBackup::Window::SmartRepeat, m_p.cur());
    close_request(false);
}

void SmartForm::close_request(bool byUser)
{
    if (!m_model.open) {
        return;
    }
    m_p.flags.studentFromSmart = 0;
    // What this window did is applied or undone now (Student Data under it keeps its own).
    m_p.run.settingsBackup.release(SettingsBackup::Window::SmartRepeat);
    if (byUser) {
        // Closing from the title bar moves no focus: the box being typed in is checked as if it
        // had been left, so a refused text never reaches the settings.
        if (m_model.focusCombo != 0) {
            cbr_lost_focus(m_model.focusCombo);
        }
        ApplySmart();
    }
    m_model.open = false;
}

void SmartForm::godata_click()
{
    if (!m_model.studentDataEnabled) {
        return;
    }
    m_p.flags.studentFromSmart = 1;
    ReadSmartControls(m_p.cur());
}

void SmartForm::bndef_click()
{
    DrillSettings& d = m_p.settings.defaultSettings;
    ReadSmartControls(d);
    setName(d, "Default");
    d.tag = 1;
    ShowDefaultNote(1);
}

void SmartForm::bnrstdef_click()
{
    LoadOriginalDefaults(m_p.settings);
    // A copy, like the load: showing it may run the stop option's click.
    const DrillSettings shown = m_p.settings.defaultSettings;
    ShowSmartControls(shown);
    ShowDefaultNote(0);
}

void SmartForm::bndef_lost_focus()
{
    ShowDefaultNote(2);
}

void SmartForm::bnrstdef_lost_focus()
{
    ShowDefaultNote(2);
}

void SmartForm::cbr_got_focus(int i)
{
    if (!isBox(i)) {
        return;
    }
    m_model.focusCombo = i;
    m_p.flags.comboBefore = readComboValue(m_model.numberTexts[asIndex(i)]).value_or(0);
}

int cbr_key_press(int key)
{
    return DigitsOnly(key);
}

void SmartForm::cbr_change(int i, std::string text)
{
    if (!isBox(i)) {
        return;
    }
    m_model.numberTexts[asIndex(i)] = std::move(text);
}

void SmartForm::cbr_lost_focus(int i)
{
    if (!isBox(i)) {
        return;
    }
    m_model.focusCombo = 0;
    std::string& text = m_model.numberTexts[asIndex(i)];
    const std::string before = std::to_string(m_p.flags.comboBefore);
    // Empty, or too big for its 16-bit field: refused, the value from before comes back.
    const auto value = readComboValue(text);
    if (!value) {
        text = before;
    } else if (i != kDelayBox && *value == 0) {
        text = before;
    }
}

} // namespace sb
