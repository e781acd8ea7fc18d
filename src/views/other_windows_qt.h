// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace sb {

struct Program;

// The windows the main window's buttons open — Smart Repeat, Student Data (with its class
// overview), the Results table with its printing, Progress and the help — behind a plain
// interface. They live in the windows module (sumblitz-windows.so, found as the sound module
// is), loaded the first time one of them is opened, so that the program starts with the main
// window's code alone and without the print support library.
class OtherWindows {
public:
    virtual ~OtherWindows() = default;
    // Each opens its window over parent with exec() and returns once it has closed. The two
    // settings windows open each other from their own buttons, without a way back.
    // Where a teacher password is set, Smart Repeat and Student Data ask for it before their
    // main window's button does anything (teacherLets: true when the window may open); what the
    // right password opens stays open until that window's smartRepeat or studentData returns.
    // Progress asks by itself when it would show another pupil than the current one.
    virtual bool teacherLets(Program& program, QWidget* parent) = 0;
    virtual void smartRepeat(Program& program, QWidget* parent) = 0;
    virtual void studentData(Program& program, QWidget* parent) = 0;
    virtual void results(Program& program, QWidget* parent) = 0;
    virtual void progress(Program& program, QWidget* parent) = 0;
    // The help window, made as a child of parent (which keeps it); showHelp shows its first page.
    virtual QWidget* makeHelp(const QString& dataDir, QWidget* parent) = 0;
    virtual void showHelp(QWidget* help) = 0;
};

// The windows: linked into the program that asks (the ui benchmark), else loaded from the module
// the first time, which takes the core and the common views from the program (the program and
// the ui tests export what it uses). nullptr where the module cannot be loaded; the buttons then
// open nothing.
OtherWindows* otherWindows();

} // namespace sb

// The entry point of the windows module, looked up by name by otherWindows().
extern "C" sb::OtherWindows* sumblitzOtherWindows();
