// SPDX-License-Identifier: GPL-3.0-or-later

#include <QClipboard>
#include <QRadioButton>

#include "support/ui_support.h"

namespace sb::test {
namespace {

// Opened from the main window, the Smart Repeat window mirrors its model, forwards clicks, keys
// and focus to it, and opens Student Data over itself without a way back. Enter presses the
// focused button, Escape is Cancel; Ok shows its values on the main window.
TEST(SmartWindowView, MirrorsTheModelForwardsInputOpensStudentDataAndOkShowsItsValues)
{
    Ui f;
    click(f.main, "b7");
    clickToModal(f.main, "smartgo", [&f](QWidget& smart) {
        EXPECT_EQ(f.p.cur().secondNum[7], 0) << "the main window's boxes are read first";
        // Tab follows the reading order; into the stop options it lands on the one selected.
        const QString order = QStringLiteral("ck1 cbr1 cbr2 ck2 cbr3 cbr4 cbr5 ck3 cbr6 ck4 cbr7 "
                                             "cbr8 ck5 ck6 cbr10 cbr11 cbr12 cbr13 stopon2 cbr9 "
                                             "bnrstdef bndef godata bnapply bncancel ck1");
        QStringList seen{QApplication::focusWidget()->objectName()};
        while (seen.size() < order.count(' ') + 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(seen.join(' '), order);
        const SmartModel& model = static_cast<SmartWindow&>(smart).model();
        auto* maxProblems = find<QComboBox>(smart, "cbr11");
        auto* shock = find<QComboBox>(smart, "cbr12");
        EXPECT_EQ(maxProblems->accessibleName(), QStringLiteral("Max Problems"));
        EXPECT_TRUE(find<QRadioButton>(smart, "stopon2")->isChecked());
        click(smart, "stopon1");
        EXPECT_EQ(f.p.cur().stopOn, 1);
        // Typed and pasted text reach the box only as digits; Enter closes nothing; leaving a
        // refused text puts back the value from before.
        shock->setFocus(Qt::TabFocusReason); // as Tab moves it
        QTest::keyClicks(shock, QStringLiteral("7a"));
        QApplication::clipboard()->setText(QStringLiteral("x4 y"));
        shock->lineEdit()->paste();
        EXPECT_EQ(model.numberTexts[12], "74");
        QTest::keyClick(shock, Qt::Key_Return);
        EXPECT_TRUE(smart.isVisible());
        QTest::keyClicks(shock, QStringLiteral("\b\b"));
        maxProblems->setFocus(Qt::TabFocusReason); // as Tab moves it
        EXPECT_EQ(shock->currentText(), QStringLiteral("10"));
        find(smart, "bndef")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses the focused button
        EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QStringLiteral("Custom Default"));
        shock->setFocus(Qt::TabFocusReason); // as Tab moves it
        EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QString());
        QTest::keyClick(shock, Qt::Key_Escape);
    });
    EXPECT_EQ(f.p.cur().stopOn, 2) << "Escape is Cancel";
    clickToModal(f.main, "smartgo", [](QWidget& smart) {
        clickToModal(smart, "godata", [](QWidget& getfile) {
            EXPECT_EQ(getfile.objectName(), QStringLiteral("getfile"));
            EXPECT_FALSE(find(getfile, "Repset")->isEnabled());
            QTest::keyClick(&getfile, Qt::Key_Escape);
        });
        auto* maxProblems = find<QComboBox>(smart, "cbr11");
        maxProblems->setFocus(Qt::TabFocusReason); // as Tab moves it
        maxProblems->lineEdit()->selectAll();
        QTest::keyClicks(maxProblems, QStringLiteral("20"));
        click(smart, "bnapply");
    });
    EXPECT_EQ(find<QListWidget>(f.main, "DisSet")->item(5)->text(), QStringLiteral("MaxProb 20"));
}

} // namespace
} // namespace sb::test
