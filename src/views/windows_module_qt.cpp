// SPDX-License-Identifier: GPL-3.0-or-later
// The windows module's one entry point: the windows the main window opens, made here.
#include <QtGlobal>

#include "views/help_window.h"
#include "views/other_windows_qt.h"
#include "views/progress_window.h"
#include "views/results_window.h"
#include "views/smart_window.h"
#include "views/student_window.h"

namespace sb {

namespace {

class Windows final : public OtherWindows {
public:
    void smartRepeat(Program& program, QWidget* parent) override
    {
        SmartWindow smart(program, parent);
        // Its "Student Data" opens that window over it, without a way back to this one.
        smart.setStudentDataOpener([&program](QWidget* over) {
            StudentWindow getfile(program, {}, over);
            getfile.exec();
        });
        smart.exec();
    }
    void studentData(Program& program, QWidget* parent) override
    {
        // Its "Repeat Setting" opens the Smart Repeat window over it, without a way back; the
        // answer says whether that window applied its values.
        StudentWindow getfile(
            program,
            [&program, parent] {
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
