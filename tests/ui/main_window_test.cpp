#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/fakes.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"
#include "views/main_window.h"
#include "flow/program.h"

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
    EXPECT_EQ(f.find<QRadioButton>("op3")->text(), QStringLiteral("Subract"));
    EXPECT_EQ(f.find<QPushButton>("aseln")->text(), QStringLiteral("Unslect All"));
    EXPECT_TRUE(f.find<QPushButton>("start")->isEnabled());
    for (const char* name : {"cPause", "Reset", "resultsgo", "but1"}) {
        EXPECT_FALSE(f.find<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(f.find<QRadioButton>("op1")->isChecked());
}

TEST(MainWindowView, StartPosesADivisionTheButtonsAndScreenReaderFollow)
{
    WindowFixture f;
    f.click("op5");
    f.click("start");
    const MainModel& m = f.program.main;
    EXPECT_TRUE(f.find<QPushButton>("cPause")->isEnabled());
    for (int i = 1; i <= 3; ++i) {
        auto* b = f.find<QPushButton>(QStringLiteral("but%1").arg(i).toLatin1().constData());
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->text().toStdString(), m.but[static_cast<std::size_t>(i)].caption);
    }
    // The model draws the division sign as the font's "-"; a screen reader is told "÷".
    QString spoken = f.find<ProblemView>("dm")->accessibleName();
    EXPECT_TRUE(spoken.contains(QChar(0x00F7))) << spoken.toStdString();
    EXPECT_EQ(spoken.replace(QChar(0x00F7), '-').remove(' ').toStdString(),
              QString::fromStdString(m.dm.text).remove(' ').toStdString());
}

TEST(MainWindowView, DigitKeysPressTheAnswerButtons)
{
    WindowFixture f;
    QTest::keyClick(&f.window, Qt::Key_1);
    EXPECT_EQ(f.program.drill.total, 0) << "no answer is taken while the buttons are disabled";

    f.click("start");
    const auto key = [&f](int slot) { return static_cast<Qt::Key>(Qt::Key_1 + slot - 1); };
    QTest::keyClick(&f.window, key(f.program.drill.rightSlot));
    EXPECT_EQ(f.program.drill.score, 1);
    QTest::keyClick(&f.window, key(f.program.drill.wrongSlot1), Qt::KeypadModifier);
    EXPECT_EQ(f.program.drill.total, 2);
    PopupWindow* pop = f.window.popup();
    ASSERT_NE(pop, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(pop));
    QTest::keyClick(pop, key(f.program.drill.wrongSlot1));
    EXPECT_EQ(f.program.main.modal, Modal::Feedback) << "a wrong key leaves the pop-up open";
    QTest::keyClick(pop, key(f.program.drill.rightSlot));
    EXPECT_EQ(f.window.popup(), nullptr);
}

TEST(MainWindowView, TimeOutOpensOnePopupHowEverManyTicksFollow)
{
    WindowFixture f;
    f.program.cur().shockSeconds() = 2;
    f.click("start");
    for (int i = 0; i < 22; ++i) {
        f.window.clockTick();
    }
    EXPECT_EQ(f.program.drill.total, 1);
    ASSERT_NE(f.window.popup(), nullptr);
    EXPECT_EQ(f.window.popup()->findChild<QLabel*>(QStringLiteral("ms"))->text(),
              QStringLiteral("!! Time Out !!"));
}

} // namespace
} // namespace sb
