// SPDX-License-Identifier: GPL-3.0-or-later
// The windows from the keyboard alone: a frame round the control that has the focus from the
// start; in the teacher's windows Enter presses the focused button and never closes a window
// from a table, and Tab leaves every table.

#include <QFileDialog>
#include <QFocusFrame>
#include <QTableWidget>

#include "support/ui_support.h"
#include "views/class_overview_window.h"
#include "views/progress_window.h"

namespace sb::test {
namespace {

// Before any key is pressed, the control with the focus has a ring of the highlight colour two
// pixels wide round it, which follows the focus. In the class overview and Progress, Enter
// presses the focused button and closes nothing from a table, and Tab leaves every table.
TEST(Keyboard, AFocusRingFromTheStartEnterPressesTheFocusedButtonAndTabLeavesEveryTable)
{
    Ui f;
    for (const char* name : {"start", "a1", "op2"}) {
        SCOPED_TRACE(name);
        QWidget* control = find(f.main, name);
        control->setFocus();
        const auto frames = f.main.findChildren<QFocusFrame*>();
        ASSERT_EQ(frames.size(), 1);
        ASSERT_EQ(frames.front()->widget(), control);
        ASSERT_TRUE(QTest::qWaitFor([&] { return frames.front()->isVisible(); }));
        const QImage shot = f.main.grab().toImage();
        const QPoint corner = control->mapTo(&f.main, QPoint(0, 0));
        for (const QPoint outside : {corner - QPoint(1, 1), corner - QPoint(2, 0)}) {
            EXPECT_EQ(shot.pixelColor(outside * shot.devicePixelRatio()),
                      f.main.palette().color(QPalette::Highlight))
                << outside.x() << "," << outside.y();
        }
    }
    setName(f.p.cur(), "Ann");
    ClassOverviewWindow overview(f.p, &f.main);
    ProgressWindow progress(f.p, &f.main);
    for (QDialog* w : std::initializer_list<QDialog*>{&overview, &progress}) {
        SCOPED_TRACE(w->objectName().toStdString());
        w->show();
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        for (QTableWidget* table : w->findChildren<QTableWidget*>()) {
            EXPECT_FALSE(table->tabKeyNavigation()) << table->objectName().toStdString();
            if (table->isVisible()) {
                table->setFocus();
                QTest::keyClick(table, Qt::Key_Return);
                EXPECT_TRUE(w->isVisible()) << "Enter in a table closes nothing";
                QTest::keyClick(table, Qt::Key_Tab);
                EXPECT_NE(QApplication::focusWidget(), table) << "Tab leaves the table";
            }
        }
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->text().contains(QLatin1String("CS"))) {
                b->setFocus();
                // It asks where to save; the question is turned down.
                const auto enter = [b] { QTest::keyClick(b, Qt::Key_Return); };
                toModal("Enter on a CSV button", enter, [](QWidget& question) {
                    EXPECT_NE(qobject_cast<QFileDialog*>(&question), nullptr);
                    question.close();
                });
                EXPECT_TRUE(w->isVisible()) << "the window stays after its question";
            }
        }
        w->close();
    }
}

} // namespace
} // namespace sb::test
