// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flow/program.h"
#include "records/caption.h"

namespace sb {

// Every value of the Smart Repeat window "smart", where the teacher sets the repeat and remove
// rules, the end of a drill and the custom defaults. The window lives only while it is shown;
// each opening starts from curSettings. Slot 0 of the arrays is unused.
struct SmartModel {
    // Bound slot by slot to smartCheck and smartValue of the record shown.
    std::array<std::int16_t, 7> checks{}; // check boxes ck(1..6), values as they stand (1 ticked)
    std::array<std::string, 14> numberTexts{}; // texts of the number boxes cbr(1..13), as shown
    std::int16_t stopOption = 0;               // the selected stop option stopon(1..5); 0 none
    Caption defaultsNote;                      // dsdef, the note beside the defaults buttons
    bool studentDataEnabled = true;            // "Student Data" (godata) enabled
    bool open = false;                         // true from the load until Ok, Cancel or a close
    bool applied = false;                      // the window ended by applying (Ok or its title bar)
    int focusCombo = 0;                        // the number box that holds the focus; 0 none
};

// The items of number box i (1..13) as its list shows them, blanks in front so that the values
// line up on the right.
std::vector<std::string> comboItems(int i);

// A number box's text read as a number. Blanks are ignored; an empty text, or one that is not a
// whole number that fits 16 bits (40000, say), has no value.
std::optional<std::int16_t> readComboValue(std::string_view text);

// The Smart Repeat window: the values of its controls (the model) over curSettings. Made when
// the window opens and dropped when it closes; it keeps nothing between openings (each load
// starts from curSettings). Its events are named after control and event. Ok, Cancel and a
// close from the title bar end the window (the model's open becomes false); the view then
// closes it.
class SmartForm {
public:
    explicit SmartForm(Program& program);

    const SmartModel& model() const { return m_model; }

    // rec -> controls. Selecting the option of rec's stopOn runs the option's click when it
    // changes the selection (so curSettings.stopOn follows at once); a stopOn outside 1..5
    // selects none. stopChoice := rec.stopOn. Each number box shows its value in plain decimal.
    void ShowSmartControls(const DrillSettings& rec);

    // Controls -> rec: stopOn := stopChoice, smartCheck 1..6, smartValue 1..13; nothing else. A
    // box whose text has no value (see readComboValue) leaves its field as it was.
    void ReadSmartControls(DrillSettings& rec) const;

    // ReadSmartControls into curSettings, then the main window's update (selection, the pupil's
    // saved facts, the status panel) — unless this window was opened from the Student Data
    // window, whose OK applies (and whose Cancel undoes) what was set here.
    void ApplySmart();

    // The note defaultsNote: "Original Default" for kind 0, "Custom Default" for 1, empty for 2;
    // any other kind changes nothing.
    void ShowDefaultNote(int kind);

    // Shows curSettings and takes it into run.settingsBackup for Cancel. "Student Data" is
    // disabled when this window was opened from the Student Data window.
    void load();
    // A stop option: curSettings.stopOn and stopChoice := i (1..5).
    void stopon_click(int i);
    // A check box (1..6) clicked to its new value.
    void ck_click(int i, std::int16_t value);
    // Ok: ApplySmart, then the window closes.
    void bnapply_click();
    // Cancel: curSettings := the record the load took; the window closes and the main window
    // is not updated.
    void bncancel_click();
    // Every close clears studentFromSmart and gives back what the load took into
    // run.settingsBackup; a close asked for by the user from the title bar (byUser) also
    // applies, after the number box with the focus has given it up.
    void close_request(bool byUser);
    // "Student Data": studentFromSmart := 1 and the controls go into curSettings; the view then
    // opens the Student Data window over this one. Nothing here is reloaded when it closes.
    void godata_click();
    // "Current As Default": the shown values go into the custom defaults (named "Default", tag
    // 1); every other field of them keeps its value.
    void bndef_click();
    // "Original Defaults": the custom defaults become the original defaults and are shown.
    void bnrstdef_click();
    // Either defaults button losing the focus clears the note.
    void bndef_lost_focus();
    void bnrstdef_lost_focus();

    // Number box i (1..13): comboBefore := its value when it gets the focus.
    void cbr_got_focus(int i);
    // The text of number box i after an edit that got through the key filter (cbr_key_press),
    // or an item chosen from its list.
    void cbr_change(int i, std::string text);
    // Leaving number box i: a text without a value gets comboBefore back; so does one that reads
    // 0, except in the delay box (13), where 0 means no delay.
    void cbr_lost_focus(int i);

private:
    Program& m_p;
    SmartModel m_model;
};

// The key filter of every number box (DigitsOnly): returns the key, or 0 to drop it.
int cbr_key_press(int key);

} // namespace sb
