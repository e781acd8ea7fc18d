// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QWheelEvent>

#include "support/ui_support.h"
#include "views/help_window.h"
#include "views/smart_window.h"
#include "views/student_window.h"

namespace sb::test {
namespace {

// What a screen reader's "toggle" or "press" of a control does.
void doAction(QWidget* w, const QString& action)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(action)) << w->objectName().toStdString();
    a->actionInterface()->doAction(action);
}

void toggle(QWidget& window, const char* name)
{
    doAction(find(window, name), QAccessibleActionInterface::toggleAction());
}

QString focused()
{
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName()
                                                   : QString();
}

// The help page shown by the help window that F1 opened over `window`, or nothing.
QString helpShown(QWidget& window)
{
    auto* help = window.findChild<HelpWindow*>();
    if (help == nullptr || !help->isVisible()) {
        return {};
    }
    return help->findChild<QTextBrowser*>()->source().fileName();
}

void wheelOver(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent wheel(at, w->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
}

// An operation or a box chosen through assistive technology is the pupil's choice: the drill
// that Start builds uses it. So in the settings windows.
TEST(TeacherKeys, AChoiceMadeThroughAssistiveTechnologyReachesTheModel)
{
    Ui f;
    toggle(f.main, "op4");
    toggle(f.main, "a2");
    EXPECT_EQ(f.p.main.op, 4);
    EXPECT_EQ(f.p.main.a[2].value, 1);
    click(f.main, "start");
    EXPECT_NE(f.p.main.dm.text.find(" x "), std::string::npos) << f.p.main.dm.text;
    click(f.main, "cPause");
    clickToModal(f.main, "smartgo", [](QWidget& smart) {
        toggle(smart, "stopon3");
        toggle(smart, "ck6");
        const SmartModel& m = static_cast<SmartWindow&>(smart).model();
        EXPECT_EQ(m.stopon, 3);
        EXPECT_EQ(m.ck[6], 1);
        click(smart, "bnapply");
    });
    EXPECT_EQ(f.p.cur().stopOn, 3);
    EXPECT_EQ(f.p.cur().smartCheck[6], 1);
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        toggle(getfile, "op5");
        EXPECT_EQ(static_cast<StudentWindow&>(getfile).form().model().op, 5);
        click(getfile, "close");
    });
    EXPECT_EQ(f.p.cur().operation, 5);
}

// In the Smart Repeat window, with "Either is finished" selected and ShockClock at 5: the stop
// options are one stop of Tab both ways, the arrows move within them; the number boxes step
// from the value shown, a wheel passing over one changes nothing, a refused key keeps the
// selected text; Enter presses the focused button and F1 opens the window's help.
TEST(TeacherKeys, SmartRepeatByKeyboard)
{
    Ui f;
    f.p.cur().stopOn = 3;
    f.p.cur().smartValue[12] = 5;
    clickToModal(f.main, "smartgo", [&f](QWidget& smart) {
        const SmartModel& m = static_cast<SmartWindow&>(smart).model();
        find(smart, "cbr13")->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focused();
        }
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            seen << focused();
        }
        EXPECT_EQ(seen.join(' ').toStdString(), "stopon3 cbr9 stopon3 cbr13");
        find(smart, "stopon3")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(m.stopon, 4);

        auto* shock = find<QComboBox>(smart, "cbr12");
        auto* delay = find<QComboBox>(smart, "cbr13");
        const std::string delayBefore = m.cbr[13];
        wheelOver(delay);
        EXPECT_EQ(m.cbr[13], delayBefore) << "no focus, no change";
        shock->setFocus(Qt::TabFocusReason);
        shock->lineEdit()->selectAll();
        QTest::keyClick(shock, Qt::Key_X);
        EXPECT_EQ(shock->currentText(), QStringLiteral("5")) << "a refused key changes nothing";
        QTest::keyClick(shock, Qt::Key_Down);
        EXPECT_EQ(shock->currentText().trimmed(), QStringLiteral("6"));
        EXPECT_EQ(shock->currentIndex(), 5) << "the list opens on the value shown";
        wheelOver(find(smart, "cbr11"));
        EXPECT_EQ(m.cbr[11], std::to_string(f.p.cur().smartValue[11]));

        find(smart, "bndef")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(find<QLabel>(smart, "dsdef")->text(), QStringLiteral("Custom Default"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_EQ(helpShown(smart), QStringLiteral("smart_repeat.html"));
        click(smart, "bncancel");
    });
}

// The Student Data window: the level boxes follow the value shown, Enter presses the focused
// button, F1 opens its help.
TEST(TeacherKeys, StudentDataByKeyboard)
{
    Ui f;
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        const StudentModel& m = static_cast<StudentWindow&>(getfile).form().model();
        auto* advance = find<QComboBox>(getfile, "CB2"); // 80, items 50, 55, ... 100
        wheelOver(advance);
        EXPECT_EQ(advance->currentText(), QStringLiteral("80"));
        advance->setFocus(Qt::TabFocusReason);
        QTest::keyClick(advance, Qt::Key_Up);
        EXPECT_EQ(advance->currentText().trimmed(), QStringLiteral("75"));
        EXPECT_EQ(m.CB[2].find("75"), m.CB[2].size() - 2);
        const std::string before = m.dsauto;
        find(getfile, "start")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_NE(m.dsauto, before);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_EQ(helpShown(getfile), QStringLiteral("student_data.html"));
        QTest::keyClick(&getfile, Qt::Key_Escape);
    });
}

// Every control is read out under a name of its own, with the words printed after a box.
TEST(TeacherKeys, EachControlHasItsOwnName)
{
    Ui f;
    const auto names = [](QWidget& w) {
        QStringList all;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            // A box is read out by its value; the edit field in it carries the name.
            const bool box = qobject_cast<QComboBox*>(c) != nullptr;
            if (c->isVisibleTo(&w) && (c->focusPolicy() & Qt::TabFocus) && !box) {
                all << QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
            }
        }
        return all;
    };
    clickToModal(f.main, "smartgo", [&names](QWidget& smart) {
        const QStringList all = names(smart);
        for (const QString& name : all) {
            EXPECT_EQ(all.count(name), 1) << name.toStdString();
        }
        click(smart, "bncancel");
    });
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        const auto labelled = [&getfile](const char* box) {
            QStringList labels;
            auto* a = QAccessible::queryAccessibleInterface(find(getfile, box));
            for (const auto& [label, relation] : a->relations(QAccessible::Label)) {
                labels << label->text(QAccessible::Name);
            }
            return labels.join('|');
        };
        EXPECT_TRUE(labelled("CB1").contains(QStringLiteral("Prob")));
        EXPECT_TRUE(labelled("CB2").contains(QStringLiteral("% Correct")));
        QWidget* row = find(getfile, "b1")->parentWidget();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(row)->text(QAccessible::Name),
                  QStringLiteral("Second numbers"));
        QTest::keyClick(&getfile, Qt::Key_Escape);
    });
}

} // namespace
} // namespace sb::test
