// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flow/program.h"
#include "records/caption.h"
#include "records/message.h"
#include "students/record_files.h"

namespace sb {

// The most characters the "New Student/Rename Student" box takes.
inline constexpr std::size_t kNewStudentLength = 15;

// Every value, caption and enabled flag of the Student Data window "getfile". Names are the
// single bytes of the record files (Windows-1252). Slot 0 of the arrays is unused.
struct StudentModel {
    std::string newstudent; // the typed name, at most kNewStudentLength characters
    // Entry 0 "Default" and entry 1 "Untitled" are fixed; the pupils follow from entry 2.
    static constexpr int kFixedEntries = 2;
    std::vector<std::string> studentlist{"Default", "Untitled"};
    int listIndex = -1; // the selected entry, -1 when none is
    // Counts the times newstudent asked for the focus (after Add); a view moves the focus when
    // this changes.
    unsigned newstudentFocus = 0;

    std::string studentdisplay; // the name field of the pupil on display, all 20 characters
    CheckBox loadOnStart{};     // "Load on Start Up" (onload)
    CheckBox reviewOn{};        // review on (ChkRev)
    // Texts of the Auto Teach level combos CB(1..4): 1 reviewAfter, 2 advancePercent,
    // 3 averageOver, 4 reviewLength.
    std::array<std::string, 5> levelTexts{"", "500", "80", "15", "100"};
    SelectionBoxes selection{{CheckBox{}, CheckBox{1}}, {CheckBox{}, CheckBox{1}}, 1};
    bool autoTeach = false;           // dsauto shows "Auto Teach On" on light blue
    Caption autoTeachCaption;         // dsauto: "Auto Teach On" or "Auto Teach Off"
    bool repeatSettingEnabled = true; // "Repeat Setting" (Repset)
    bool closed = false;              // OK, Cancel or the close box has ended the window
    // The window's own line: what could not be done, and why, at the moment it happened (a
    // refused name, a file that could not be read or written). Empty when all is well.
    Message message;
    // "Take Over" is offered: the pupil to be made current is in use on another computer.
    bool takeOver = false;
    // The displayed pupil's Today's Practice: its minutes (or number of problems) and whether
    // it is her default. Kept in her history as soon as they change, as the history's other
    // settings are.
    PracticeChoice practice;
};

// The selection a record held when it was put on display.
struct ShownSelection {
    std::array<std::int16_t, 5> firstRange{};
    std::array<std::int16_t, 11> secondNum{};
    std::int16_t operation = 0;
};

// The Student Data window: the pupil list and the pupil on display (run.shownPupil), over the
// student file, which stays open from load() until OK or Cancel. Created when the window opens
// and dropped when it closes; it keeps nothing between openings (the pupil on display stays
// in the run state, where a class file started anew takes its header from). The window is
// opened either after the main window's "Student Data" (MainForm::goauto_click), or from the
// Smart Repeat window's "Student Data" (which sets studentFromSmart first and clears it when it
// closes itself).
class StudentForm {
public:
    explicit StudentForm(Program& program);

    const StudentModel& model() const { return m_model; }
    const StudentFile& file() const { return m_file; }

    // The load of the window: Repeat Setting is disabled when opened from the Smart Repeat
    // window; the student file is opened and its names listed after the fixed entries (the
    // message says so when it cannot be read or was repaired; a file started anew gets the
    // pupil on display before this opening as its header); the pupil on display :=
    // curSettings, and the window takes curSettings into run.settingsBackup for its Cancel.
    // The entry of the pupil on display, when listed, is selected.
    void load();

    // Selecting entry `index`: the pupil on display is stored first, then the entry's record is
    // read (or made from the custom defaults and appended when it has no slot) and shown. The
    // selected entry is always the pupil on display.
    void studentlist_click(int index);

    // The text of newstudent as typed (cut to kNewStudentLength characters).
    void newstudent_change(std::string_view text);
    // A letter the record files cannot hold was refused in newstudent: the message says why.
    void newstudent_refused();
    // A key typed into newstudent: Enter (13) adds the name and is dropped (answers 0); every
    // other key is answered unchanged.
    char newstudent_keypress(char key);
    // Add: the pupil on display is stored first, as choosing an entry stores it. An unlisted
    // name then gets a fresh record from the custom defaults (appended to the file, and listed
    // only when that worked); a listed one (compared as FindListed compares) shows that entry's
    // record, which for a fixed entry without a slot is made as selecting it would make it.
    // Either way the pupil shown is selected, and newstudent is emptied and given the focus.
    void addstudent_click();
    // Remove: the selected pupil entry leaves the list (fixed entries stay); the file is not
    // touched until OK.
    void removestudent_click();
    // Rename: the selected pupil takes the name in newstudent, on disk at once (RenameStudent:
    // her slot, her fact file, "Default.Xsx" when she is its current pupil) and in every record
    // in memory that names her (the current settings, the pupil on display, every record the
    // settings windows keep for Cancel), so she stays one pupil whichever button closes the
    // window. Refused, with the reason in the message, for a blank or already listed name,
    // with a fixed or no entry selected, when the pupil has no slot, or when the disk refuses
    // (nothing is changed then).
    void Renam_click();
    // SortList: SortStudents.
    void ssort_click();

    void onload_click(std::int16_t value);
    void ChkRev_click(std::int16_t value);
    // The displayed pupil's Today's Practice minutes (2..10) and number of problems (0: by
    // its minutes, up to 200) — another value is refused and the box shows the old one again —
    // and its "First" box.
    void practiceMinutes_change(int minutes);
    void practiceProblems_change(int problems);
    void practiceDefault_click(bool on);
    // The selection boxes of this window; each enables the main window's "New Drill", and an
    // operation applies the "10 Sub" lock to this window's first-number boxes.
    void a_click(int i, std::int16_t value);
    void b_click(int i, std::int16_t value);
    void op_click(int k);
    // Start/Stop: Auto Teach of the pupil on display on or off.
    void start_click();

    // The level combos CB(1..4). A text that is blank, holds anything but blanks around digits,
    // reads as 0, or lies above the most the field takes (327 for averageOver, whose larger
    // values a stored record does not keep; 32767 otherwise) gets the value back that the
    // combo held when it got the focus.
    void CB_gotFocus(int i);
    char CB_keyPress(int i, char key);
    void CB_change(int i, std::string_view text);
    void CB_lostFocus(int i);

    // OK (SaveAndClose).
    void close_click();
    // Take Over (offered when OK found the pupil in use on another computer): OK, taking her
    // lock from that computer, which the teacher knows is off or has crashed.
    void takeover_click();
    // Cancel: curSettings is again the record that was current when this window opened (the
    // same pupil, renamed if she was renamed here), whatever the Smart Repeat window did in
    // between; the file is closed without a rebuild and the pupils appended since it opened are
    // cut off again. Every close gives back what the window took into run.settingsBackup; an
    // OK over the Smart Repeat window makes the pupil made current that window's record too.
    void cancel_click();
    // A close of the window; byUser for its own close box, which counts as OK (and, like OK,
    // leaves the window open when the save fails). Closes caused by OK or Cancel do nothing
    // more.
    void close_request(bool byUser);

    // Repeat Setting: the values on display go into curSettings (Auto Teach, name, levels,
    // selection) and smartFromStudent := 1; the caller then shows the Smart Repeat window.
    // Does nothing while Repeat Setting is disabled (answers false).
    [[nodiscard]] bool Repset_click();
    // The Smart Repeat window opened by Repeat Setting has closed; `applied` when it closed
    // with Ok or its title bar, and then the values set there (stopOn, smartCheck,
    // smartValue) are carried into the record on display, so that OK here keeps them.
    void smart_closed(bool applied);

    // Record <-> window transfers.
    void ShowRecord(const DrillSettings& rec);
    void TakeRecord(DrillSettings& rec) const;
    void ShowRecordSelection(const DrillSettings& rec);
    void TakeRecordSelection(DrillSettings& rec) const;
    void ShowTeachState();

    // The first entry (fixed ones included) whose text, without blanks at either end, equals
    // the name's, ignoring the case of letters.
    std::optional<int> FindListed(std::string_view name) const;
    // True when the selection of the pupil on display equals the one she had when put on
    // display.
    bool SelectionAsOpened() const;
    // Writes the record on display to its slot, or appends one; a changed selection first
    // clears its Auto Teach progress. False when another computer has removed the pupil on
    // display: she is not brought back, and the message says so.
    bool StoreDisplayedStudent();
    // OK: stores the pupil on display, saves the outgoing pupil's facts, rebuilds the student
    // file in list order with the pupil on display in its header slot (the answer histories
    // of the pupils removed go), makes the pupil on display current, applies the settings to
    // the main window (update) and closes. When the facts or the student file cannot be saved,
    // nothing is applied, the window stays open and its message says what was not saved.
    // A student file that could not be read is never written: OK then only applies.
    void SaveAndClose();
    // Sorts the pupil entries (from entry 2), ascending and stable, ignoring the case of
    // letters; each becomes a 20-character field. The file is not touched.
    void SortStudents();

private:
    void showDisplayed();
    // The displayed pupil's Today's Practice choice, kept in her history.
    void keepPracticeChoice(PracticeChoice choice);
    // listIndex := the entry of the pupil on display (-1 when she is not listed).
    void followDisplayed();
    // Every record in memory named old (trimmed) takes the name fresh.
    void followRename(const std::string& old, const std::string& fresh);
    // Says in the message what could not be done, when outcome failed; true when it worked.
    bool report(const FileOutcome& outcome, Message what);
    // Refuses a change of the list while the student file could not be read.
    bool refuseUnread();
    // Refuses a change of this pupil while another computer has her: the message says where.
    bool refuseInUse(const std::string& name);
    // The OK proper, taking the lock of the pupil to be made current (from another computer
    // with takeOver).
    void saveAndClose(bool takeOver);
    // After the rebuild at OK: the pupils listed at opening and no longer in entries were
    // removed, and their answer histories go.
    void forgetRemoved(const std::vector<std::string>& entries);
    // Before that rebuild: the pupils removed in this window go only when no other computer
    // has her now. This program holds each of them (her lock in going) until she is gone, so
    // that no computer makes her current meanwhile. False, with one put back on the list and
    // the message saying who has her, when one is in use elsewhere.
    // (incoming: the lock reserved for the pupil on display.)
    struct Going {
        std::string name;
        LockFile lock;
    };
    bool holdRemoved(const std::vector<std::string>& entries, const LockFile& incoming,
                     std::vector<Going>& going);
    // Puts a pupil to be removed back on the list, since another computer has her (holder,
    // when it could be read), and says so.
    void keepInUse(const std::string& name, const std::optional<LockHolder>& holder);
    // The window ends; applied when by OK.
    void finish(bool applied);
    // Puts the record of a listed name on display, or makes one from the custom defaults
    // under that name and appends it.
    void readOrAppend(const std::string& name);
    // Add of a name not yet listed.
    void addNew(const std::string& text);

    Program& m_p;
    StudentModel m_model;
    StudentFile m_file;
    ShownSelection m_shown;
    // The pupils listed when the window opened (trimmed): those gone at OK were removed.
    std::vector<std::string> m_listedAtOpen;
    // Whether another computer removed this pupil since the window listed her: the class file
    // no longer has her. A fixed entry is never removed.
    bool removedElsewhere(const std::string& name) const;
    std::array<std::int16_t, 5> m_level{}; // the last accepted value of each level combo
    // The main window's "10 Sub" lock as it stood when this window opened: this window's
    // boxes use the shared flags while it is open, and the main window gets its own back.
    std::int16_t m_mainLocked = 0;
    std::array<std::int16_t, 5> m_mainSaved{};
};

} // namespace sb
