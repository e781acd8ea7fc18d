// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's windows from the keyboard alone: Enter presses the focused button and never
// closes a window from a table; Tab leaves every table.

#include <QFileDialog>
#include <QPushButton>
#include <QTableWidget>

#include "support/ui_support.h"
#include "views/class_overview_window.h"
#include "views/progress_window.h"

namespace sb::test {
namespace {

// Presses Enter on `on`; whether that asked where to save (the question is turned down).
bool enterAsksWhereToSave(QWidget* on)
{
    bool asked = false;
    const QObject alive; // the timer goes with this call if nothing asked
    QTimer::singleShot(0, &alive, [&asked] {
        if (auto* question = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            question->reject();
        }
    });
    QTest::keyClick(on, Qt::Key_Return);
    return asked;
}

TEST(Keyboard, EnterPressesTheFocusedButtonAndTabLeavesEveryTable)
{
    Ui f;
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
                EXPECT_TRUE(enterAsksWhereToSave(b));
                EXPECT_TRUE(w->isVisible()) << "the window stays after its question";
            }
        }
        w->close();
    }
}

} // namespace
} // namespace sb::test
