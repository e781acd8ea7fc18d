// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent> // and QHelpEvent
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include <fstream>

#include "support/ui_support.h"
#include "views/delay_window.h"
#include "views/help_window.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"

namespace sb::test {
namespace {

// The delay window and the pop-up follow the model and their timers. While one is up the drill
// clock stops and the main window refuses every input; a close ends the program with them.
TEST(MainWindowView, DelayWindowAndPopupFollowTheirTimersRefuseInputAndGoWithAClose)
{
    const auto refused = [](Ui& f, int total) {
        EXPECT_FALSE(f.main.drillClock()->isActive());
        // A toolkit-modal dialog would make the window system's close request vanish unseen.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
        f.main.pressAnswer(f.p.drill.rightSlot);
        QAccessible::queryAccessibleInterface(find(f.main, "cPause"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(250); // a screen reader's press is an animated click, 100 ms long
        QTest::keyClick(find(f.main, "cPause"), Qt::Key_Space);
        click(f.main, "b3");
        EXPECT_TRUE(f.p.main.cPause && f.p.main.b[3].value == 1 && f.p.drill.total == total);
    };
    for (const bool closeInPopup : {false, true}) {
        SCOPED_TRACE(closeInPopup ? "closed in a pop-up" : "closed in a delay window");
        Ui f;
        f.p.cur().shockSeconds() = 2;
        f.p.cur().delaySeconds() = 1;
        f.p.cur().popupSeconds() = closeInPopup ? 0 : 5; // 0: it never closes by itself
        click(f.main, "start");
        ASSERT_NE(f.main.delayWindow(), nullptr);
        refused(f, 0);
        f.main.delayWindow()->tick();
        EXPECT_TRUE(f.main.delayWindow() == nullptr && f.main.drillClock()->isActive());
        for (int i = 0; i < 22; ++i) {
            f.main.clockTick();
        }
        ASSERT_NE(f.main.popup(), nullptr);
        EXPECT_EQ(find<QLabel>(*f.main.popup(), "ms")->text(), QStringLiteral("!! Time Out !!"));
        refused(f, 1); // one time-out however many ticks follow
        for (int i = 0; i < 5; ++i) {
            f.main.popup()->tick();
        }
        EXPECT_EQ(f.main.popup() == nullptr, !closeInPopup) << "closed by its timer";
        EXPECT_EQ(f.main.delayWindow() != nullptr, !closeInPopup) << "the next problem's delay";
        f.main.close();
        EXPECT_FALSE(f.main.isVisible() || f.main.popup() || f.main.delayWindow());
        EXPECT_TRUE(std::filesystem::exists(f.at("Default.Xsx")));
    }
}

// Records what the desktop's viewer was asked to open.
struct Opened : QObject {
    Q_OBJECT
public:
    QUrl url;
    Q_INVOKABLE void open(const QUrl& u) { url = u; }
};

// Keys answer only while the answer buttons are enabled, on the main window and on the pop-up.
// Focus goes from Start to Pause and back, never on along the tab order. The second click of a
// double click leaves the next problem alone. Help opens only while its button is enabled, whole
// on screen, and a teacher's own help file first.
TEST(MainWindowView, KeysMouseFocusAndHelpDuringADrillAndAfter)
{
    Ui f;
    f.key(1, &f.main);
    EXPECT_EQ(f.p.drill.total, 0);
    click(f.main, "op5");
    find(f.main, "start")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find(f.main, "cPause"));
    QTest::keyClick(&f.main, Qt::Key_F1);
    EXPECT_EQ(f.main.findChild<HelpWindow*>(), nullptr) << "no help during a drill";
    EXPECT_EQ(find<QPushButton>(f.main, "but2")->text().toStdString(), f.p.main.but[2].caption);
    // The model draws the division sign as the font's "-"; a screen reader is told "÷".
    EXPECT_TRUE(find<ProblemView>(f.main, "dm")->accessibleName().contains(QChar(0x00F7)));
    QWidget* b = find(f.main, QStringLiteral("but%1").arg(f.p.drill.rightSlot).toLatin1());
    const auto later = 1250ul + static_cast<ulong>(QApplication::doubleClickInterval());
    for (const auto& [type, time, total] : {std::tuple{QEvent::MouseButtonPress, 1000ul, 0},
                                            {QEvent::MouseButtonRelease, 1050ul, 1},
                                            {QEvent::MouseButtonPress, 1200ul, 1},
                                            {QEvent::MouseButtonDblClick, 1200ul, 1},
                                            {QEvent::MouseButtonRelease, 1250ul, 1},
                                            {QEvent::MouseButtonPress, later, 1},
                                            {QEvent::MouseButtonRelease, later + 50, 2}}) {
        const QPointF at(b->width() / 2.0, b->height() / 2.0);
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, b->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        e.setTimestamp(time);
        QApplication::sendEvent(b, &e);
        EXPECT_EQ(f.p.drill.total, total) << time;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(f.p.main.cPause);
    EXPECT_EQ(QApplication::focusWidget(), find(f.main, "start"));
    QTest::keyClick(&f.main, Qt::Key_F1);
    auto* help = f.main.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    Opened opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    std::ofstream(f.at("SBhelp.chm")) << "help";
    click(f.main, "helpgo");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opened.url.fileName(), QStringLiteral("SBhelp.chm"));
    click(f.main, "start");
    f.key(f.p.drill.rightSlot, &f.main);
    f.key(f.p.drill.wrongSlot1, &f.main, Qt::KeypadModifier);
    EXPECT_EQ(f.p.drill.score * 10 + f.p.drill.total, 34);
    ASSERT_TRUE(f.main.popup() != nullptr && QTest::qWaitForWindowActive(f.main.popup()));
    f.key(f.p.drill.rightSlot, f.main.popup());
    EXPECT_EQ(f.main.popup(), nullptr);
}

// The second-number boxes show no tooltip, a greyed box stays greyed, the pop-up grows to fit
// the widest facts but never below its size, and a failed save at close keeps the window open
// once with the notice.
TEST(MainWindowView, IdleWindowTooltipsGreyedBoxesPopupWidthAndAFailedSaveAtClose)
{
    Ui f;
    for (const char* name : {"b1", "b10", "bsela", "bseln", "SecondNumber"}) {
        QWidget* w = find(f.main, name);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &e);
        EXPECT_EQ(QToolTip::text().isEmpty(), name[0] != 'S') << "only the frame has one";
        QToolTip::hideText();
    }
    f.p.main.b[3].value = 2;
    f.main.render();
    EXPECT_EQ(find<QCheckBox>(f.main, "b3")->checkState(), Qt::PartiallyChecked);
    click(f.main, "b3");
    EXPECT_EQ(f.p.main.b[3].value, 1) << "a click ticks a greyed box";
    for (const char* text : {"2 + 3 = 5", "209 -  10 = 20 R 9"}) {
        f.p.main.pop.dp.text = text;
        PopupWindow pop(f.p, {}, &f.main);
        auto* dp = find<ProblemView>(pop, "dp");
        EXPECT_GE(dp->width(), QFontMetrics(dp->font()).horizontalAdvance(QString(text))) << text;
        EXPECT_GE(pop.width(), twipsToPixels(6000, &pop));
    }
    f.services.dataDir /= "missing";
    f.main.close();
    EXPECT_TRUE(f.main.isVisible());
    EXPECT_FALSE(find<QLabel>(f.main, "notice")->text().isEmpty());
    f.main.close();
    EXPECT_FALSE(f.main.isVisible());
}

} // namespace
} // namespace sb::test

#include "main_window_test.moc"
