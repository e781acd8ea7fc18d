// SPDX-License-Identifier: GPL-3.0-or-later

#include <QClipboard>
#include <QRadioButton>
#include <QWheelEvent>

#include "support/ui_support.h"

// A wheel turned over a control as the window system delivers it (spontaneous: Qt gives the focus
// to a control that takes it by wheel before the control sees the wheel).
bool qt_sendSpontaneousEvent(QObject* receiver, QEvent* event)
{
    return QCoreApplication::sendSpontaneousEvent(receiver, event);
}

namespace sb::test {
namespace {

// Types `key` into the focused control, answers the object name of the one focused then.
QString key(int k, Qt::KeyboardModifiers m = {})
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), m);
    return QApplication::focusWidget()->objectName();
}

// Opened from the main window, the Smart Repeat window mirrors its model, forwards clicks, keys
// and focus to it, and opens Student Data over itself without a way back. Enter presses the
// focused button, Escape is Cancel; Ok shows its values on the main window.
// Then in the Smart Repeat window, with "Either is finished" selected and ShockClock at 5: the
// stop options are one stop of Tab both ways, the arrows move within them; the number boxes step
// from the value shown, a wheel passing over one changes nothing, a refused key keeps the
// selected text; F1 opens the window's help (Enter on a button: above); the
// boxes' edit fields have names of their own.
// Then: an operation or a box chosen through assistive technology is the pupil's choice: the drill
// that Start builds uses it. So in the settings windows.
TEST(TeacherKeys, SmartRepeatMirrorsItsModelAndTeachersWindowsAnswerKeysAndAssistiveTechnology)
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
            seen << key(Qt::Key_Tab);
        }
        EXPECT_EQ(seen.join(' '), order);
        auto* shock = find<QComboBox>(smart, "cbr12");
        EXPECT_EQ(find(smart, "cbr11")->accessibleName(), QStringLiteral("Max Problems"));
        EXPECT_TRUE(find<QRadioButton>(smart, "stopon2")->isChecked());
        click(smart, "stopon1");
        EXPECT_EQ(f.p.cur().stopOn, 1);
        // Typed and pasted text reach the box only as digits; Enter closes nothing; leaving a
        // refused text puts back the value from before.
        shock->setFocus(Qt::TabFocusReason); // as Tab moves it
        QTest::keyClicks(shock, QStringLiteral("7a"));
        QApplication::clipboard()->setText(QStringLiteral("x4 y"));
        shock->lineEdit()->paste();
        EXPECT_EQ(static_cast<SmartWindow&>(smart).model().numberTexts[12], "74");
        QTest::keyClick(shock, Qt::Key_Return);
        EXPECT_TRUE(smart.isVisible());
        QTest::keyClicks(shock, QStringLiteral("\b\b"));
        find(smart, "cbr11")->setFocus(Qt::TabFocusReason); // as Tab moves it
        EXPECT_EQ(shock->currentText(), QStringLiteral("10"));
        find(smart, "bndef")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses the focused button
        EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QStringLiteral("Custom Default"));
        shock->setFocus(Qt::TabFocusReason); // as Tab moves it
        EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QString());
        QTest::keyClick(shock, Qt::Key_Escape);
    });
    EXPECT_EQ(f.p.cur().stopOn, 2) << "Escape is Cancel";
    f.p.cur().stopOn = 3; // "Either is finished"
    f.p.cur().smartValue[12] = 5;
    clickToModal(f.main, "smartgo", [](QWidget& smart) {
        const SmartModel& m = static_cast<SmartWindow&>(smart).model();
        find(smart, "cbr13")->setFocus(Qt::TabFocusReason);
        const QStringList seen{key(Qt::Key_Tab), key(Qt::Key_Tab),
                               key(Qt::Key_Backtab, Qt::ShiftModifier),
                               key(Qt::Key_Backtab, Qt::ShiftModifier)};
        EXPECT_EQ(seen.join(' ').toStdString(), "stopon3 cbr9 stopon3 cbr13");
        find(smart, "stopon3")->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Down);
        EXPECT_EQ(m.stopOption, 4);

        auto* shock = find<QComboBox>(smart, "cbr12");
        const std::string delay = m.numberTexts[13];
        QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        qt_sendSpontaneousEvent(find<QComboBox>(smart, "cbr13")->lineEdit(), &wheel);
        EXPECT_EQ(m.numberTexts[13], delay) << "no focus, no change";
        shock->setFocus(Qt::TabFocusReason);
        shock->lineEdit()->selectAll();
        key(Qt::Key_X);
        EXPECT_EQ(shock->currentText(), QStringLiteral("5")) << "a refused key changes nothing";
        key(Qt::Key_Down);
        EXPECT_EQ(shock->currentText().trimmed(), QStringLiteral("6"));
        EXPECT_EQ(shock->currentIndex(), 5) << "the list opens on the value shown";
        EXPECT_EQ(helpPage(smart), QStringLiteral("smart_repeat.html"));
        // The edit fields of boxes read out apart from the controls that share their words.
        const auto spoken = [&smart](const char* box) {
            return find<QComboBox>(smart, box)->lineEdit()->accessibleName();
        };
        EXPECT_NE(spoken("cbr2"), spoken("cbr4"));
        EXPECT_NE(spoken("cbr6"), find(smart, "ck3")->accessibleName());
        EXPECT_NE(spoken("cbr7"), find(smart, "ck4")->accessibleName());
        clickToModal(smart, "godata", [](QWidget& getfile) {
            EXPECT_EQ(getfile.objectName(), QStringLiteral("getfile"));
            EXPECT_FALSE(find(getfile, "Repset")->isEnabled());
            QTest::keyClick(&getfile, Qt::Key_Escape);
        });
        auto* maxProblems = find<QComboBox>(smart, "cbr11");
        maxProblems->setFocus(Qt::TabFocusReason); // as Tab moves it
        maxProblems->lineEdit()->selectAll();
        QTest::keyClicks(maxProblems, QStringLiteral("20"));
        screenReader(smart, "stopon3"), screenReader(smart, "ck6"); // stopon3 after the arrow
        click(smart, "bnapply");
    });
    EXPECT_EQ(find<QListWidget>(f.main, "DisSet")->item(5)->text(), QStringLiteral("MaxProb 20"));
    EXPECT_EQ(ints(f.p.cur().stopOn, f.p.cur().smartCheck[6]), ints(3, 1));
    screenReader(f.main, "op4"), screenReader(f.main, "a2");
    EXPECT_EQ(f.p.main.selection.a[2].value, 1);
    click(f.main, "start");
    EXPECT_NE(f.p.main.problem.text.find(" x "), std::string::npos) << f.p.main.problem.text;
    click(f.main, "cPause");
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        screenReader(getfile, "op5");
        click(getfile, "close");
    });
    EXPECT_EQ(f.p.cur().operation, 5);
}

} // namespace
} // namespace sb::test
