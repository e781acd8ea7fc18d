#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "flow/program.h"
#include "support/test_support.h"
#include "support/ui_support.h"
#include "views/main_window.h"
#include "views/smart_window.h"

namespace sb {
namespace {

// The program as started without a settings file, with the main window loaded.
struct SmartFixture {
    StdRandom random{5};
    test::ProgramFixture fx{random};
    Program& program = fx.p;
    MainWindow main{program};

    SmartFixture() { main.load(); }
};

using test::find;

// Moves the focus the way Tab does, so the boxes hear of it.
void focus(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

TEST(SmartWindowView, MirrorsTheModelAndForwardsClicksAndKeys)
{
    SmartFixture f;
    SmartWindow smart(f.program, &f.main);
    smart.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&smart));

    // Tab follows the reading order; into the stop options it lands on the one selected.
    const QString order = QStringLiteral("ck1 cbr1 cbr2 ck2 cbr3 cbr4 cbr5 ck3 cbr6 ck4 cbr7 cbr8 "
                                         "ck5 ck6 cbr10 cbr11 cbr12 cbr13 stopon2 cbr9 bnrstdef "
                                         "bndef godata bnapply bncancel ck1");
    QStringList seen{QApplication::focusWidget()->objectName()};
    while (seen.size() < order.count(' ') + 1) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(seen.join(' '), order);

    auto* maxProblems = find<QComboBox>(smart, "cbr11");
    auto* shock = find<QComboBox>(smart, "cbr12");
    EXPECT_EQ(maxProblems->currentText(), QStringLiteral("200"));
    EXPECT_EQ(maxProblems->accessibleName(), QStringLiteral("Max Problems"));
    EXPECT_TRUE(find<QRadioButton>(smart, "stopon2")->isChecked());

    QTest::mouseClick(find<QRadioButton>(smart, "stopon1"), Qt::LeftButton);
    EXPECT_EQ(f.program.cur().stopOn, 1);
    QTest::mouseClick(find<QCheckBox>(smart, "ck6"), Qt::LeftButton);
    EXPECT_EQ(smart.model().ck[6], 1);

    // Typed and pasted text reach the box only as digits; Enter closes nothing; leaving a
    // refused text puts back the value from before.
    focus(shock);
    QTest::keyClicks(shock, QStringLiteral("7a"));
    QApplication::clipboard()->setText(QStringLiteral("x4 y"));
    shock->lineEdit()->paste();
    EXPECT_EQ(shock->currentText(), QStringLiteral("74"));
    EXPECT_EQ(smart.model().cbr[12], "74");
    QTest::keyClick(shock, Qt::Key_Return);
    EXPECT_TRUE(smart.isVisible());
    QTest::keyClick(shock, Qt::Key_Backspace);
    QTest::keyClick(shock, Qt::Key_Backspace);
    EXPECT_EQ(shock->currentText(), QString());
    focus(maxProblems);
    EXPECT_EQ(shock->currentText(), QStringLiteral("10"));

    QTest::mouseClick(find<QPushButton>(smart, "bndef"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QStringLiteral("Custom Default"));
    focus(shock);
    EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QString());

    // Escape is Cancel: the settings in use come back, the custom defaults stay.
    QTest::keyClick(shock, Qt::Key_Escape);
    EXPECT_FALSE(smart.isVisible());
    EXPECT_EQ(f.program.cur().stopOn, 2);
    EXPECT_EQ(f.program.settings.defaultSettings.stopOn, 1);
}

TEST(SmartWindowView, SmartRepeatButtonOpensItAndOkShowsTheValuesOnTheMainWindow)
{
    SmartFixture f;
    f.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.main));
    // The boxes on the main window go into curSettings before the window opens.
    QTest::mouseClick(find<QCheckBox>(f.main, "b7"), Qt::LeftButton);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* smart = qobject_cast<SmartWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(smart, nullptr);
        opened = true;
        EXPECT_EQ(f.program.cur().secondNum[7], 0);
        auto* maxProblems = find<QComboBox>(*smart, "cbr11");
        focus(maxProblems);
        maxProblems->lineEdit()->selectAll();
        QTest::keyClicks(maxProblems, QStringLiteral("20"));
        QTest::mouseClick(find<QPushButton>(*smart, "bnapply"), Qt::LeftButton);
    });
    QTest::mouseClick(find<QPushButton>(f.main, "smartgo"), Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(f.program.cur().maxProblems(), 20);
    EXPECT_EQ(find<QListWidget>(f.main, "DisSet")->item(5)->text(), QStringLiteral("MaxProb 20"));
}

} // namespace
} // namespace sb
