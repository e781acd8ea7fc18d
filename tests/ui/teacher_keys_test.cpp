// SPDX-License-Identifier: GPL-3.0-or-later

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

// An operation or a box chosen through assistive technology is the pupil's choice: the drill
// that Start builds uses it. So in the settings windows.
// Then in the Smart Repeat window, with "Either is finished" selected and ShockClock at 5: the
// stop options are one stop of Tab both ways, the arrows move within them; the number boxes step
// from the value shown, a wheel passing over one changes nothing, a refused key keeps the
// selected text; F1 opens the window's help (Enter on a button: SmartWindowView's test); the
// boxes' edit fields have names of their own.
TEST(TeacherKeys, AssistiveTechnologyReachesTheModelAndSmartRepeatByKeyboard)
{
    Ui f;
    screenReader(f.main, "op4"), screenReader(f.main, "a2");
    EXPECT_EQ(f.p.main.selection.a[2].value, 1);
    click(f.main, "start");
    EXPECT_NE(f.p.main.problem.text.find(" x "), std::string::npos) << f.p.main.problem.text;
    click(f.main, "cPause");
    clickToModal(f.main, "smartgo", [](QWidget& smart) {
        screenReader(smart, "stopon3"), screenReader(smart, "ck6");
        click(smart, "bnapply");
    });
    EXPECT_EQ(ints(f.p.cur().stopOn, f.p.cur().smartCheck[6]), ints(3, 1));
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        screenReader(getfile, "op5");
        click(getfile, "close");
    });
    EXPECT_EQ(f.p.cur().operation, 5);
    f.p.cur().smartValue[12] = 5; // stopOn is 3 from the toggle above
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
        click(smart, "bncancel");
    });
}

} // namespace
} // namespace sb::test
