// SPDX-License-Identifier: GPL-3.0-or-later
// Every window fits the free area of its screen. Run as is (the default offscreen screen) and,
// by ctest, on a 1366 x 768 laptop screen less a 36 px panel at 150 % and 200 %.

#include <QScrollArea>

#include "support/ui_support.h"
#include "views/class_overview_window.h"
#include "views/progress_window.h"
#include "views/results_window.h"

namespace sb::test {
namespace {

TEST(ScreenFit, EveryWindowFitsTheFreeAreaOfItsScreen)
{
    Ui f;
    setName(f.p.cur(), "Ann");
    const QRect free = f.main.screen()->availableGeometry();
    SmartWindow smart(f.p, &f.main);
    StudentWindow student(f.p, {}, &f.main);
    ClassOverviewWindow overview(f.p, &f.main);
    ProgressWindow progress(f.p, &f.main);
    ResultsWindow results(f.p, &f.main);
    HelpWindow help(QString(), &f.main);
    help.showPage();
    for (QWidget* window : std::initializer_list<QWidget*>{&f.main, &smart, &student, &overview,
                                                           &progress, &results, &help}) {
        const std::string name = window->objectName().toStdString();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << name;
        EXPECT_TRUE(free.contains(window->frameGeometry())) << name << " too big or placed off";
        // Shrinkable to the free area, and what does not fit there is reached by scrolling.
        const QSize least = window->minimumSizeHint();
        EXPECT_EQ(least.boundedTo(free.size()), least) << name;
    }
}

} // namespace
} // namespace sb::test
