#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/test_support.h"
#include "views/delay_window.h"
#include "views/main_window.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"

namespace sb::test {
namespace {

// A real main window over a real program with fake services, as a pupil would see it.
struct Window : ProgramFixture {
    Window() : ProgramFixture(random)
    {
        window.load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void key(int slot, QWidget* to) { QTest::keyClick(to, static_cast<Qt::Key>(Qt::Key_0 + slot)); }
    StdRandom random{2024};
    MainWindow window{p};
};

TEST(MainWindowView, OpensIdleThenStartPosesADivisionThatTheKeysAnswer)
{
    Window f;
    EXPECT_EQ(f.find<QCheckBox>("a1")->text(), QStringLiteral("  1 Thru 10"));
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

} // namespace
} // namespace sb::test
