// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "flow/teacher_gate.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace sb {

struct Program;

// The window "teacherPassword" that asks for the teacher password before a window of the
// teacher opens: the password box, OK and Cancel, and a line that says what was not right (no
// message box). exec() answers Accepted once the right password was given. Made each time it
// is needed, in the windows module.
class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    explicit PasswordWindow(Program& program, QWidget* parent = nullptr);
    const PasswordPromptModel& model() const { return m_prompt.model(); }

protected:
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    void ok();

    PasswordPrompt m_prompt;
    QLineEdit* m_password = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_ok = nullptr;
};

// The window "passwordSetting" that Student Data's "Teacher Password..." opens: sets the
// password, or changes or removes it after the current one is typed.
class PasswordSettingWindow : public QDialog {
    Q_OBJECT
public:
    explicit PasswordSettingWindow(Program& program, QWidget* parent = nullptr);
    const PasswordSettingModel& model() const { return m_setting.model(); }

protected:
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    void after(); // what the model says now, the window closed once it is done

    PasswordSetting m_setting;
    QLineEdit* m_current = nullptr;
    QLineEdit* m_fresh = nullptr;
    QLineEdit* m_again = nullptr;
    QLabel* m_message = nullptr;
};

} // namespace sb
