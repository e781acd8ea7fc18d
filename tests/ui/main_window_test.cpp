// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDebug>
#include <QDesktopServices>
#include <QFocusFrame>
#include <QMouseEvent> // and QHelpEvent
#include <QRegularExpression>
#include <QScrollArea>
#include <QToolTip>

#include <fstream>

#include "flow/todays_practice.h"
#include "support/ui_support.h"
#include "views/delay_window.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"

namespace sb::test {
namespace {

// The delay window and the pop-up follow the model and their timers; they have no button to
// minimise or maximise them. While one is up the drill clock stops and the main window refuses
// every input. Minimised, the window puts the drill aside as Pause does, whatever is open: no
// clock runs on to time out problem after problem (what putting aside records is the run
// control's rule, tested there). A close ends it.
TEST(MainWindowView, DelayWindowAndPopupFollowTheirTimersRefuseInputAndGoWithAClose)
{
    const auto refused = [](Ui& f, int total) {
        EXPECT_FALSE(f.main.drillClock()->isActive());
        // A toolkit-modal dialog would make the window system's close request vanish unseen.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
        f.main.pressAnswer(f.p.drill.rightSlot);
        screenReader(f.main, "cPause", QAccessibleActionInterface::pressAction());
        auto* pause = find<QAbstractButton>(f.main, "cPause");
        // A screen reader's press is an animated click: down now, released 100 ms later.
        EXPECT_TRUE(QTest::qWaitFor([pause] { return !pause->isDown(); }, 2000));
        QTest::keyClick(find(f.main, "cPause"), Qt::Key_Space);
        click(f.main, "b3");
        EXPECT_TRUE(f.p.main.pauseEnabled && f.p.main.selection.b[3].value == 1 &&
                    f.p.drill.total == total);
        for (const QDialog* dialog : f.main.findChildren<QDialog*>()) { // no minimise, maximise
            EXPECT_EQ(dialog->windowFlags() &
                          (Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint),
                      Qt::CustomizeWindowHint);
            EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed size";
        }
    };
    for (const bool closeInPopup : {false, true}) {
        SCOPED_TRACE(closeInPopup ? "closed in a pop-up" : "closed in a delay window");
        Ui f;
        f.p.cur().shockSeconds() = 2;
        f.p.cur().delaySeconds() = 1;
        f.p.cur().popupSeconds() = closeInPopup ? 0 : 5; // 0: it never closes by itself
        click(f.main, "start");
        ASSERT_NE(f.main.delayWindow(), nullptr);
        const auto* said = f.main.delayWindow()->findChild<QWidget*>("announcer");
        ASSERT_NE(said, nullptr) << "nothing in it takes the focus: its seconds are said";
        EXPECT_TRUE(QTest::qWaitFor([said] { return said->accessibleName().endsWith(" 1"); }));
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
        f.main.showMinimized(); // the drill is put aside, the pop-up's problem recorded
        for (int i = 0; i < 30; ++i) {
            f.main.clockTick();
        }
        EXPECT_FALSE(f.main.popup() || f.main.delayWindow() || f.main.drillClock()->isActive());
        EXPECT_EQ(f.controls(), kIdle);
        f.main.close();
        EXPECT_FALSE(f.main.isVisible() || f.main.popup() || f.main.delayWindow() ||
                     !std::filesystem::exists(f.at("Default.Xsx")));
    }
}

// Records what the desktop's viewer was asked to open.
struct Opened : QObject {
    Q_OBJECT
public:
    QUrl url;
    Q_INVOKABLE void open(const QUrl& u) { url = u; }
};

// Between drills the second-number boxes show no tooltip, a greyed box stays greyed, and the
// pop-up grows to fit the widest facts but never below its size. A picture shown again after
// another is its own, as it was scaled the first time.
// Keys answer only while the answer buttons are enabled, on the main window and on the pop-up.
// Focus goes from Start to Pause and back, never on along the tab order. The second click of a
// double click leaves the next problem alone. Help opens only while its button is enabled, whole
// on screen, and a teacher's own help file first.
TEST(MainWindowView, IdleWindowThenKeysMouseFocusAndHelpDuringADrillAndAfter)
{
    Ui f;
    for (const char* name : {"b1", "b10", "bsela", "bseln", "SecondNumber"}) {
        QWidget* w = find(f.main, name);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &e);
        EXPECT_EQ(QToolTip::text().isEmpty(), name[0] != 'S') << "only the frame has one";
        QToolTip::hideText();
    }
    f.p.main.selection.b[3].value = 2;
    f.main.render();
    EXPECT_EQ(find<QCheckBox>(f.main, "b3")->checkState(), Qt::PartiallyChecked);
    click(f.main, "b3");
    EXPECT_EQ(f.p.main.selection.b[3].value, 1) << "a click ticks a greyed box";
    for (const char* text : {"2 + 3 = 5", "209 -  10 = 20 R 9"}) {
        f.p.main.pop.problem.text = text;
        PopupWindow pop(f.mainForm, {}, &f.main);
        auto* dp = find<ProblemView>(pop, "dp");
        EXPECT_GE(dp->width(), QFontMetrics(dp->font()).horizontalAdvance(QString(text))) << text;
        EXPECT_GE(pop.width(), twipsToPixels(6000, &pop));
    }
    auto* dsp = find<QLabel>(f.main, "dsp");
    QPixmap red(240, 240), blue(240, 240);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    f.main.setPicture(red);
    const QImage first = dsp->pixmap().toImage();
    f.main.setPicture(blue);
    EXPECT_NE(dsp->pixmap().toImage(), first);
    f.main.setPicture(red);
    EXPECT_EQ(dsp->pixmap().toImage(), first);
    f.key(1, &f.main);
    EXPECT_EQ(f.p.drill.total, 0);
    click(f.main, "op5");
    find(f.main, "start")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find(f.main, "cPause"));
    QTest::keyClick(&f.main, Qt::Key_F1);
    EXPECT_EQ(f.main.findChild<QWidget*>(QStringLiteral("help")), nullptr)
        << "no help during a drill";
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
    EXPECT_TRUE(!f.p.main.pauseEnabled && QApplication::focusWidget() == find(f.main, "start"));
    QTest::keyClick(&f.main, Qt::Key_F1);
    // The help window is the windows module's, a class of its own there: found by its name.
    auto* help = f.main.findChild<QWidget*>(QStringLiteral("help"));
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
    EXPECT_EQ(ints(f.p.drill.score, f.p.drill.total), ints(3, 4));
    ASSERT_TRUE(f.main.popup() != nullptr && QTest::qWaitForWindowActive(f.main.popup()));
    f.key(f.p.drill.rightSlot, f.main.popup());
    EXPECT_EQ(f.main.popup(), nullptr);
}

// Today's Practice in the drill window: its button starts it, the digit keys answer, a wrong
// answer's pop-up is answered, and when its minutes are up it ends as a drill does, its answers
// in the pupil's history and facts; for a pupil whose default it is, Pause hands it the focus.
// Then, after it, a window made bigger gives the problem and the answers bigger text, the captions
// keep their height, and the window can be made as small as it was. The notice after a failed save
// has a line of its own: it never moves, squeezes or widens another control. A close in the pop-up
// records its problem; a second close ends the program.
TEST(MainWindowView, TodaysPracticeEndsAsADrillDoesThenANoticeMovesNothingAndABigWindowGrows)
{
    Ui f;
    setName(f.p.cur(), "Ann");
    ASSERT_TRUE(SetPracticeChoice(f.p, "Ann", {2, true}).ok());
    click(f.main, "op4");
    click(f.main, "practice");
    ASSERT_TRUE(f.p.practice);
    EXPECT_EQ(find<QLabel>(f.main, "DsBgn")->text(), QStringLiteral("Today's Practice"));
    EXPECT_EQ(QApplication::focusWidget(), find(f.main, "cPause"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), find(f.main, "practice"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // goes on where it stopped
    int answered = 0;
    while (f.p.main.pauseEnabled && answered < 100) {
        f.clock.ms += 4000, f.clock.slept += std::chrono::seconds(4);
        const bool wrong = ++answered % 4 == 0;
        f.key(wrong ? f.p.drill.wrongSlot1 : f.p.drill.rightSlot, &f.main);
        if (wrong) {
            ASSERT_TRUE(f.main.popup() != nullptr && QTest::qWaitForWindowActive(f.main.popup()));
            f.key(f.p.drill.rightSlot, f.main.popup());
        }
    }
    EXPECT_EQ(find<QLabel>(f.main, "DsEnd")->text(), QStringLiteral("Great Job!"));
    int asked = 0; // the Results table counts them as a drill's
    for (int i = 1; i <= kFactSlots; ++i) {
        asked += f.p.drill.fact(i).asked;
    }
    FlushAnswerHistory(f.p);
    const auto rows = historyRows(f.at("Ann.history.sqlite"));
    // Two minutes of four-second problems, all of them in her history.
    EXPECT_EQ(ints(answered, f.p.practice.has_value(), f.p.drill.score, f.p.drill.total, asked,
                   std::ranges::count(rows, OpMult, &AnswerRow::operation)),
              ints(30, false, 23, 30, 30, 30));
    EXPECT_TRUE(find(f.main, "start")->isEnabled() && find(f.main, "practice")->isEnabled());
    const auto places = [&f] { // every control's place but the notice's, and the window's size
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QString at;
        QDebug(&at) << f.main.size();
        for (const QWidget* w : f.main.findChildren<QWidget*>(QRegularExpression("^(?!notice)"))) {
            // not a pop-up that is going, nor the settings frames' scrolled content, which
            // moves to show the control with the focus on a small screen, nor the focus ring
            if (w->window() == &f.main && w != f.main.findChild<QScrollArea*>("frames")->widget() &&
                qobject_cast<const QFocusFrame*>(w) == nullptr) {
                QDebug(&at) << w->objectName() << w->geometry();
            }
        }
        return at.toStdString();
    };
    const std::string before = places();
    const int captionHeight = find(f.main, "dsscore")->height(); // all four alike
    const QSize normal = f.main.size();
    click(f.main, "op6"), click(f.main, "start");
    auto* dm = find<ProblemView>(f.main, "dm");
    auto* but = find<QPushButton>(f.main, "but1");
    const auto fonts = [&] { return std::pair(dm->font().pointSize(), but->font().pointSize()); };
    EXPECT_EQ(fonts(), std::pair(48, 36));
    f.main.resize(normal * 2);
    EXPECT_TRUE(dm->font().pointSize() > 72 && but->font().pointSize() > 54);
    EXPECT_LE(QFontMetrics(dm->font()).horizontalAdvance(ProblemView::spokenText(dm->drawing())),
              dm->width());
    EXPECT_EQ(find(f.main, "dsscore")->height(), captionHeight);
    f.main.resize(normal);
    EXPECT_EQ(fonts(), std::pair(48, 36));
    f.main.showMinimized(), f.main.showNormal(); // while a problem counts down: paused
    click(f.main, "start");
    f.key(f.p.drill.wrongSlot1, &f.main);
    ASSERT_NE(f.main.popup(), nullptr) << "the key answered";
    f.services.dataDir /= "missing";
    f.main.close(); // in the pop-up: the window stays open once, paused, the problem recorded
    EXPECT_EQ(f.controls(), kIdle);
    auto* notice = find<QLabel>(f.main, "notice");
    EXPECT_TRUE(notice->isVisible() && notice->text().startsWith("Settings could not be saved"));
    EXPECT_EQ(places(), before) << "moved by the notice (or not back to their size)";
    auto& lines = f.p.main.notice.args;
    lines.insert(lines.begin(), Message(std::string(20, 'x')));
    lines.push_back(Message(std::string(300, 'x')));
    f.main.render();
    EXPECT_EQ(places(), before) << "moved by a long notice";
    EXPECT_TRUE(notice->accessibleName().startsWith(QString(20, QLatin1Char('x')) + "; Settings") &&
                notice->accessibleName().endsWith("; " + QString(300, QLatin1Char('x'))))
        << "read whole";
    f.main.close();
    EXPECT_FALSE(f.main.isVisible());
}

} // namespace
} // namespace sb::test

#include "main_window_test.moc"
