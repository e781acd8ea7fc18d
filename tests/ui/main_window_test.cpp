#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <fstream>

#include "support/test_support.h"
#include "support/ui_support.h"
#include "views/delay_window.h"
#include "views/help_window.h"
#include "views/main_window.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"

namespace sb::test {
namespace {

// A real main window over a real program with fake services, as a pupil would see it. Its data
// directory may be missing, so that every save fails.
struct Window : ProgramFixture {
    explicit Window(const char* missing = nullptr) : ProgramFixture(random)
    {
        if (missing != nullptr) {
            services.dataDir /= missing;
        }
        window.load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        return test::find<T>(window, name);
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void key(int slot, QWidget* to) { QTest::keyClick(to, static_cast<Qt::Key>(Qt::Key_0 + slot)); }
    StdRandom random{2024};
    MainWindow window{p};
};

TEST(MainWindowView, OpensIdleThenStartPosesADivisionThatTheKeysAnswer)
{
    Window f;
    EXPECT_FALSE(f.find("cPause")->isEnabled() || f.find("but1")->isEnabled());
    f.key(1, &f.window);
    EXPECT_EQ(f.p.drill.total, 0) << "no answer is taken while the buttons are disabled";
    QTest::mouseClick(f.find<QAbstractButton>("op5"), Qt::LeftButton);
    f.click("start");
    EXPECT_EQ(f.find("but2")->text().toStdString(), f.p.main.but[2].caption);
    // The model draws the division sign as the font's "-"; a screen reader is told "÷".
    QString spoken = f.find<ProblemView>("dm")->accessibleName();
    EXPECT_TRUE(spoken.contains(QChar(0x00F7))) << spoken.toStdString();
    EXPECT_EQ(spoken.replace(QChar(0x00F7), '-').remove(' ').toStdString(),
              QString::fromStdString(f.p.main.dm.text).remove(' ').toStdString());
    f.key(f.p.drill.rightSlot, &f.window);
    QTest::keyClick(&f.window, static_cast<Qt::Key>(Qt::Key_0 + f.p.drill.wrongSlot1),
                    Qt::KeypadModifier);
    EXPECT_EQ(f.p.drill.score * 10 + f.p.drill.total, 12);
    PopupWindow* pop = f.window.popup();
    ASSERT_NE(pop, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(pop));
    f.key(f.p.drill.wrongSlot1, pop);
    EXPECT_EQ(f.window.popup(), pop) << "a wrong key leaves the pop-up open";
    f.key(f.p.drill.rightSlot, pop);
    EXPECT_EQ(f.window.popup(), nullptr);
}

TEST(MainWindowView, TimeOutPopupAndDelayWindowFollowTheModelAndTheirTimers)
{
    Window f;
    f.p.cur().shockSeconds() = 2;
    f.p.cur().delaySeconds() = 1;
    f.click("start");
    ASSERT_NE(f.window.delayWindow(), nullptr);
    EXPECT_FALSE(f.window.drillClock()->isActive());
    f.window.pressAnswer(f.p.drill.rightSlot); // locked while the delay window shows
    f.window.delayWindow()->tick();
    EXPECT_TRUE(f.window.delayWindow() == nullptr && f.window.drillClock()->isActive());
    for (int i = 0; i < 22; ++i) {
        f.window.clockTick();
    }
    ASSERT_NE(f.window.popup(), nullptr);
    EXPECT_EQ(f.p.drill.total, 1) << "one time-out however many ticks follow";
    EXPECT_EQ(f.window.popup()->findChild<QLabel*>("ms")->text(), QStringLiteral("!! Time Out !!"));
    for (int i = 0; i < 5; ++i) {
        f.window.popup()->tick();
    }
    EXPECT_EQ(f.window.popup(), nullptr) << "closed by its timer after popupSeconds";
    ASSERT_NE(f.window.delayWindow(), nullptr) << "the next problem's delay";
}

TEST(MainWindowView, WhileADialogIsUpControlsRefuseEveryInputAndACloseEndsTheProgram)
{
    for (const bool popup : {false, true}) {
        SCOPED_TRACE(popup ? "pop-up that never closes by itself" : "delay window");
        Window f;
        f.p.cur().delaySeconds() = popup ? 0 : 2;
        f.p.cur().popupSeconds() = 0;
        f.click("start");
        if (popup) {
            f.key(f.p.drill.wrongSlot1, &f.window);
        }
        ASSERT_NE(f.p.main.modal, Modal::None);
        // A toolkit-modal dialog would make the window system's close request vanish unseen.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
        QAccessible::queryAccessibleInterface(f.find("cPause"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(250); // a screen reader's press is an animated click, 100 ms long
        QTest::keyClick(f.find("cPause"), Qt::Key_Space);
        QTest::mouseClick(f.find<QCheckBox>("b3"), Qt::LeftButton);
        EXPECT_TRUE(f.p.main.cPause) << "the drill still runs";
        EXPECT_EQ(f.p.main.b[3].value, 1);
        f.window.close();
        EXPECT_FALSE(f.window.isVisible() || f.window.popup() || f.window.delayWindow());
        EXPECT_TRUE(std::filesystem::exists(f.at("Default.Xsx")));
    }
}

TEST(MainWindowView, AFailedSaveKeepsTheWindowOpenOnceWithTheNotice)
{
    Window f("missing");
    f.window.close();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_FALSE(f.find<QLabel>("notice")->text().isEmpty());
    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
}

TEST(MainWindowView, PopupGrowsToFitTheWidestFactsNeverBelowItsSize)
{
    Window f;
    for (const char* text : {"2 + 3 = 5", "209 -  10 = 20 R 9"}) {
        f.p.main.pop.dp.text = text;
        PopupWindow pop(
            f.p, [] {}, &f.window);
        auto* dp = pop.findChild<ProblemView*>(QStringLiteral("dp"));
        EXPECT_GE(dp->width(), QFontMetrics(dp->font()).horizontalAdvance(QString(text))) << text;
        EXPECT_GE(pop.width(), twipsToPixels(6000, &pop));
    }
}

// Records what the desktop's viewer was asked to open.
class Opened : public QObject {
    Q_OBJECT
public:
    QUrl url;
public slots:
    void open(const QUrl& u) { url = u; }
};

TEST(MainWindowView, HelpOnlyWhenItsButtonIsEnabledWholeOnScreenAndTheTeachersFileFirst)
{
    Window f;
    f.click("start");
    QTest::keyClick(&f.window, Qt::Key_F1);
    EXPECT_EQ(f.window.findChild<HelpWindow*>(), nullptr) << "no help during a drill";
    f.click("cPause");
    QTest::keyClick(&f.window, Qt::Key_F1);
    auto* help = f.window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    Opened opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    std::ofstream(f.at("SBhelp.chm")) << "help";
    f.click("helpgo");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opened.url.fileName(), QStringLiteral("SBhelp.chm"));
    EXPECT_FALSE(help->isVisible());
}

void mouse(QWidget* w, QEvent::Type type, ulong time)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
}

TEST(MainWindowView, DoubleClickAnswersOnceAndFocusAndEnterFollowStartAndPause)
{
    Window f;
    f.find("start")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.find("cPause"));
    QPushButton* b = f.find(QStringLiteral("but%1").arg(f.p.drill.rightSlot).toLatin1());
    for (const auto& [type, time] : {std::pair{QEvent::MouseButtonPress, 1000ul},
                                     {QEvent::MouseButtonRelease, 1050ul},
                                     {QEvent::MouseButtonPress, 1200ul},
                                     {QEvent::MouseButtonDblClick, 1200ul},
                                     {QEvent::MouseButtonRelease, 1250ul}}) {
        mouse(b, type, time);
    }
    EXPECT_EQ(f.p.drill.total, 1) << "the second click leaves the next problem alone";
    const auto later = 1250ul + static_cast<ulong>(QApplication::doubleClickInterval());
    mouse(b, QEvent::MouseButtonPress, later);
    mouse(b, QEvent::MouseButtonRelease, later + 50);
    EXPECT_EQ(f.p.drill.total, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(f.p.main.cPause);
    EXPECT_EQ(QApplication::focusWidget(), f.find("start"));
}

TEST(MainWindowView, SecondNumberBoxesShowNoTooltipAndAGreyedBoxStaysGreyed)
{
    Window f;
    const auto tipOver = [&f](const char* name) {
        QWidget* w = f.find<QWidget>(name);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &e);
        return QToolTip::text();
    };
    for (const char* name : {"b1", "b10", "bsela", "bseln"}) {
        EXPECT_EQ(tipOver(name), QString()) << name;
    }
    EXPECT_NE(tipOver("SecondNumber"), QString()) << "the frame keeps its own";
    QToolTip::hideText();
    f.p.main.b[3].value = 2;
    f.window.render();
    EXPECT_EQ(f.find<QCheckBox>("b3")->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(f.find<QCheckBox>("b3"), Qt::LeftButton);
    EXPECT_EQ(f.p.main.b[3].value, 1) << "a click ticks a greyed box";
}

} // namespace
} // namespace sb::test

#include "main_window_test.moc"
