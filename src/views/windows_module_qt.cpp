// SPDX-License-Identifier: GPL-3.0-or-later
// The windows module's one entry point: the windows the main window opens, made here.
#include <QtGlobal>

#include "flow/teacher_gate.h"

#include "views/help_window.h"
#include "views/other_windows_qt.h"
#include "views/password_window.h"
#include "views/progress_window.h"
#include "views/results_window.h"
#include "views/smart_window.h"
#include "views/student_window.h"

namespace sb {

namespace {

// Whoever gave the teacher password gave it for the window it opened and those opened from it:
// once that window has closed, the next one asks again.
class TeacherWindowOpen {
public:
    explicit TeacherWindowOpen(Program& program) : m_program(program) {}
    ~TeacherWindowOpen() { LockTeacherWindows(m_program); }
    TeacherWindowOpen(const TeacherWindowOpen&) = delete;
    TeacherWindowOpen& operator=(const TeacherWindowOpen&) = delete;

private:
    Program& m_program;
};

// The teacher password asked for, where it must be: true when the window may open.
bool passwordGiven(Program& program, bool asked, QWidget* parent)
{
    if (!asked) {
        return true;
    }
    PasswordWindow ask(program, parent);
    return ask.exec() == QDialog::Accepted;
}

class Windows final : public OtherWindows {
public:
    bool teacherLets(Program& program, QWidget* parent) override
    {
        return passwordGiven(program, TeacherPasswordAsked(program), parent);
    }
    void smartRepeat(Program& program, QWidget* parent) override
    {
        const TeacherWindowOpen open(program);
        SmartWindow smart(program, parent);
        // Its "Student Data" opens that window over it, without a way back to this one.
        smart.setStudentDataOpener([&program](QWidget* over) {
            if (!passwordGiven(program, TeacherPasswordAsked(program), over)) {
                return;
            }
            StudentWindow getfile(program, {}, over);
            getfile.exec();
        });
        smart.exec();
    }
    void studentData(Program& program, QWidget* parent) override
    {
        const TeacherWindowOpen open(program);
        // Its "Repeat Setting" opens the Smart Repeat window over it, without a way back; the
        // answer says whether that window applied its values.
        StudentWindow getfile(
            program,
            [&program, parent] {
                if (!passwordGiven(program, TeacherPasswordAsked(program), parent)) {
                    return false;
                }
                SmartWindow smart(program, parent);
                smart.exec();
                return smart.model().applied;
            },
            parent);
        getfile.exec();
    }
    void results(Program& program, QWidget* parent) override
    {
        ResultsWindow Resulttable(program, parent);
        Resulttable.exec();
    }
    void progress(Program& program, QWidget* parent) override
    {
        const TeacherWindowOpen open(program);
        if (!passwordGiven(program, ProgressPasswordAsked(program, trimmedName(program.cur())),
                           parent)) {
            return;
        }
        ProgressWindow window(program, parent);
        window.exec();
    }
    QWidget* makeHelp(const QString& dataDir, QWidget* parent) override
    {
        return new HelpWindow(dataDir, parent);
    }
    void showHelp(QWidget* help) override { static_cast<HelpWindow*>(help)->showPage(); }
};

} // namespace

} // namespace sb

extern "C" Q_DECL_EXPORT sb::OtherWindows* sumblitzOtherWindows()
{
    static sb::Windows windows;
    return &windows;
}
