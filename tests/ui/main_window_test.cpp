#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/fakes.h"
#include "drill/popup_window.h"
#include "drill/problem_view_qt.h"
#include "mainwin/delay_window.h"
#include "mainwin/main_window.h"
#include "program.h"

namespace sb {
namespace {

// A real main window over a real program with fake services, as a pupil would see it.
struct WindowFixture {
    StdRandom random{2024};
    test::FixedClock clock;
    test::RecordingSound sound;
    test::RecordingPictures pictures;
    test::TempDir dir;
    Services services{random, clock, sound, pictures, dir.path()};
    Program program{services};
    MainWindow window{program};

    WindowFixture()
    {
        window.load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T> T* find(const char* name)
    {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
};

TEST(MainWindowView, OpensWithItsCaptionsAndIdleControls)
{
    WindowFixture f;
    EXPECT_EQ(f.window.windowTitle(),
              QStringLiteral("    Step1                Step2                 Step3                "
                             "             Step4                                Step5"));
    EXPECT_EQ(f.find<QCheckBox>("a1")->text(), QStringLiteral("  1 Thru 10"));
    EXPECT_EQ(f.find<QCheckBox>("b1")->text(), QStringLiteral(" 1"));
    EXPECT_EQ(f.find<QRadioButton>("op3")->text(), QStringLiteral("Subract"));
    EXPECT_EQ(f.find<QPushButton>("aseln")->text(), QStringLiteral("Unslect All"));
    EXPECT_EQ(f.find<QRadioButton>("op4")->toolTip(),
              QStringLiteral("Sets drilling mode to multiplication\""));
    EXPECT_EQ(f.find<QCheckBox>("a3")->toolTip(),
              QStringLiteral("\"Enables the use of 14 thru 16 as the first number"));
    EXPECT_TRUE(f.find<QPushButton>("start")->isEnabled());
    for (const char* name : {"cPause", "Reset", "resultsgo", "but1", "but2", "but3"}) {
        EXPECT_FALSE(f.find<QPushButton>(name)->isEnabled()) << name;
    }
    // The original defaults are shown: Add, range 1..10, all ten second numbers.
    EXPECT_TRUE(f.find<QRadioButton>("op1")->isChecked());
    EXPECT_TRUE(f.find<QCheckBox>("a1")->isChecked());
    EXPECT_FALSE(f.find<QCheckBox>("a2")->isChecked());
    EXPECT_TRUE(f.find<QCheckBox>("b10")->isChecked());
    EXPECT_EQ(f.find<QLabel>("dsword")->text(), QStringLiteral("Sumblitz1.2"));
    EXPECT_EQ(f.find<QListWidget>("DisSet")->count(), 8);
}

TEST(MainWindowView, StartPosesAProblemAndTheButtonsMirrorTheModel)
{
    WindowFixture f;
    f.click("start");
    const MainModel& m = f.program.main;
    EXPECT_FALSE(f.find<QPushButton>("start")->isEnabled());
    EXPECT_TRUE(f.find<QPushButton>("cPause")->isEnabled());
    for (int i = 1; i <= 3; ++i) {
        auto* b = f.find<QPushButton>(QStringLiteral("but%1").arg(i).toLatin1().constData());
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->text().toStdString(), m.but[static_cast<std::size_t>(i)].caption);
    }
    EXPECT_FALSE(m.dm.text.empty());
    EXPECT_EQ(f.find<ProblemView>("dm")->accessibleName().toStdString(), m.dm.text);
    EXPECT_TRUE(f.window.drillClock()->isActive());
}

TEST(MainWindowView, DigitKeysPressTheAnswerButtons)
{
    WindowFixture f;
    QTest::keyClick(&f.window, Qt::Key_1);
    EXPECT_EQ(f.program.drill.total, 0) << "no answer is taken while the buttons are disabled";

    f.click("start");
    const int right = f.program.drill.rightSlot;
    QTest::keyClick(&f.window, static_cast<Qt::Key>(Qt::Key_1 + right - 1));
    EXPECT_EQ(f.program.drill.total, 1);
    EXPECT_EQ(f.program.drill.score, 1);

    const int wrong = f.program.drill.wrongSlot1;
    QTest::keyClick(&f.window, static_cast<Qt::Key>(Qt::Key_1 + wrong - 1), Qt::KeypadModifier);
    EXPECT_EQ(f.program.drill.total, 2);
    ASSERT_EQ(f.program.main.modal, Modal::Feedback);
    PopupWindow* pop = f.window.popup();
    ASSERT_NE(pop, nullptr);
    EXPECT_TRUE(pop->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(pop));
    QTest::keyClick(pop, static_cast<Qt::Key>(Qt::Key_1 + f.program.drill.wrongSlot1 - 1));
    EXPECT_EQ(f.program.main.modal, Modal::Feedback) << "a wrong key leaves the pop-up open";
    // The key of the right answer closes the pop-up.
    QTest::keyClick(pop, static_cast<Qt::Key>(Qt::Key_1 + f.program.drill.rightSlot - 1));
    EXPECT_EQ(f.program.main.modal, Modal::None);
    EXPECT_EQ(f.window.popup(), nullptr);
}

TEST(MainWindowView, DivisionShowsTheDivisionSignToAScreenReader)
{
    WindowFixture f;
    f.click("op5");
    f.click("start");
    const QString spoken = f.find<ProblemView>("dm")->accessibleName();
    EXPECT_TRUE(spoken.contains(QChar(0x00F7))) << spoken.toStdString();
    EXPECT_FALSE(spoken.contains(QLatin1Char('-'))) << spoken.toStdString();
}

TEST(MainWindowView, DelayWindowLocksTheAnswersUntilItsCountdownEnds)
{
    WindowFixture f;
    f.program.cur().delaySeconds() = 2;
    f.click("start");
    DelayWindow* delay = f.window.delayWindow();
    ASSERT_NE(delay, nullptr);
    EXPECT_TRUE(delay->isVisible());
    EXPECT_FALSE(f.window.drillClock()->isActive());
    EXPECT_EQ(delay->findChild<QLabel*>(QStringLiteral("d"))->text(),
              QStringLiteral("          Delay: 2"));
    EXPECT_FALSE(f.find<QPushButton>("but1")->isEnabled() && f.program.main.modal == Modal::None);
    QTest::keyClick(&f.window, Qt::Key_1);
    EXPECT_EQ(f.program.drill.total, 0) << "the keys do nothing while the delay window is open";

    delay->tick();
    EXPECT_EQ(delay->findChild<QLabel*>(QStringLiteral("d"))->text(),
              QStringLiteral("          Delay: 1"));
    delay->tick();
    EXPECT_EQ(f.window.delayWindow(), nullptr);
    EXPECT_TRUE(f.window.drillClock()->isActive());
    EXPECT_EQ(f.sound.played, (std::vector<int>{1, 6, 6}));
}

TEST(MainWindowView, TimeOutOpensOnePopupHowEverManyTicksFollow)
{
    WindowFixture f;
    f.program.cur().shockSeconds() = 2;
    f.click("start");
    f.window.clockTick();
    f.window.clockTick();
    ASSERT_EQ(f.program.main.modal, Modal::Feedback);
    EXPECT_FALSE(f.window.drillClock()->isActive());
    for (int i = 0; i < 20; ++i) {
        f.window.clockTick();
    }
    EXPECT_EQ(f.program.drill.total, 1);
    ASSERT_NE(f.window.popup(), nullptr);
    EXPECT_EQ(f.window.popup()->findChild<QLabel*>(QStringLiteral("ms"))->text(),
              QStringLiteral("!! Time Out !!"));
}

} // namespace
} // namespace sb
