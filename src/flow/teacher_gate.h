// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "flow/program.h"
#include "records/message.h"

namespace sb {

// The teacher password in the running program (students/teacher_password.h keeps it): which
// windows ask for it, and the models of the window that asks and of the one that sets it.
// Without a password nothing asks and nothing changes.

// Smart Repeat and Student Data (and so the class overview, Remove, Rename, Take Over and
// Repeat Setting, which are reached only through it) belong to the teacher: once a password is
// set, or its file is there but cannot be used, they ask before they open — unless the right
// password opened a window that is open still (RunState::teacherUnlocked). Read from the folder
// at each opening, so that a password set on another computer of a lab holds here at once.
bool TeacherPasswordAsked(Program& p);

// The Progress window asks as well when it is to show another pupil than the current one, or
// the current one after another computer took her over.
bool ProgressPasswordAsked(Program& p, std::string_view pupil);

// The window a right password opened has closed: the next one asks again.
void LockTeacherWindows(Program& p);

// The window that asks for the password before a window of the teacher opens.
struct PasswordPromptModel {
    Message message;       // "message": a wrong password, or a file that cannot be used
    bool okEnabled = true; // false when the file cannot be used: no password could be right
    bool unlocked = false; // the right password was given: the window closes, the other opens
};

class PasswordPrompt {
public:
    explicit PasswordPrompt(Program& program);
    const PasswordPromptModel& model() const { return m_model; }
    // OK: the right password unlocks the teacher's windows until the one it opens closes; a
    // wrong one is answered a second later and said in the window.
    void ok_click(std::string_view password);

private:
    Program& m_p;
    PasswordPromptModel m_model;
};

// The window "Teacher Password..." of Student Data opens: sets a password, changes it (the
// current one asked first) or removes it.
struct PasswordSettingModel {
    bool passwordSet = false; // the current password is asked; Remove is offered
    Message message;          // what could not be done, said in the window
    bool closed = false;      // done: the window closes
};

class PasswordSetting {
public:
    explicit PasswordSetting(Program& program);
    const PasswordSettingModel& model() const { return m_model; }
    // Save: current is checked when a password is set; fresh must not be empty and must be
    // typed the same twice. Whoever set the password has the teacher's windows open: they stay
    // unlocked until the one open now closes.
    void save_click(std::string_view current, std::string_view fresh, std::string_view again);
    // Remove Password: current is checked, then the password's file goes.
    void remove_click(std::string_view current);

private:
    // Checks the current password where one is set; false (message said) when it is not right.
    bool currentRight(std::string_view current);

    Program& m_p;
    PasswordSettingModel m_model;
};

} // namespace sb
