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
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <filesystem>
#include <fstream>

#include "core/fakes.h"
#include "flow/program.h"
#include "views/help_window.h"
#include "views/main_window.h"
#include "views/popup_window.h"
#include "views/problem_view_qt.h"

namespace sb {
namespace {

// A real main window over a real program with fake services, as a pupil would see it. Its data
// directory may be missing, so that every save fails.
struct WindowFixture {
    StdRandom random{2024};
    test::FixedClock clock;
    test::RecordingSound sound;
    test::RecordingPictures pictures;
    test::TempDir dir;
    Services services{random, clock, sound, pictures, dir.path()};
    Program program{services};
    MainWindow window{program};

    explicit WindowFixture(const char* missing = nullptr)
    {
        if (missing != nullptr) {
            services.dataDir /= missing;
        }
        window.load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T = QPushButton> T* find(const QString& name)
    {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
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

void mouse(QWidget* w, QEvent::Type type, ulong time)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
}

TEST(MainWindowView, WhileADialogIsUpControlsRefuseEveryInputAndACloseEndsTheProgram)
{
    for (const bool popup : {false, true}) {
        SCOPED_TRACE(popup ? "pop-up that never closes by itself" : "delay window");
        WindowFixture f;
        f.program.cur().delaySeconds() = popup ? 0 : 2;
        f.program.cur().popupSeconds() = 0;
        QTest::mouseClick(f.find("start"), Qt::LeftButton);
        if (popup) {
            QTest::keyClick(&f.window, Qt::Key(Qt::Key_0 + f.program.drill.wrongSlot1));
        }
        ASSERT_NE(f.program.main.modal, Modal::None);
        // A toolkit-modal dialog would make the window system's close request of the main
        // window disappear unseen.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);

        QAccessible::queryAccessibleInterface(f.find("cPause"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(250); // a screen reader's press is an animated click, 100 ms long
        QTest::keyClick(f.find("cPause"), Qt::Key_Space);
        QTest::mouseClick(f.find<QCheckBox>("b3"), Qt::LeftButton);
        EXPECT_TRUE(f.program.main.cPause) << "the drill still runs";
        EXPECT_EQ(f.program.main.b[3].value, 1);

        f.window.close();
        EXPECT_FALSE(f.window.isVisible());
        EXPECT_EQ(f.window.popup(), nullptr);
        EXPECT_EQ(f.window.delayWindow(), nullptr);
        EXPECT_TRUE(std::filesystem::exists(f.dir.path() / "Default.Xsx"));
    }
}

TEST(MainWindowView, AFailedSaveKeepsTheWindowOpenOnceWithTheNotice)
{
    WindowFixture f("missing");
    f.window.close();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_FALSE(f.find<QLabel>("notice")->text().isEmpty());
    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
}

TEST(MainWindowView, PopupGrowsToFitTheWidestFactsNeverBelowItsSize)
{
    WindowFixture f;
    for (const char* text : {"2 + 3 = 5", "209 -  10 = 20 R 9"}) {
        f.program.main.pop.dp.text = text;
        PopupWindow pop(
            f.program, [] {}, &f.window);
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
    WindowFixture f;
    QTest::mouseClick(f.find("start"), Qt::LeftButton);
    QTest::keyClick(&f.window, Qt::Key_F1);
    EXPECT_EQ(f.window.findChild<HelpWindow*>(), nullptr) << "no help during a drill";
    QTest::mouseClick(f.find("cPause"), Qt::LeftButton);
    QTest::keyClick(&f.window, Qt::Key_F1);
    auto* help = f.window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    Opened opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    std::ofstream(f.dir.path() / "SBhelp.chm") << "help";
    QTest::mouseClick(f.find("helpgo"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opened.url.fileName(), QStringLiteral("SBhelp.chm"));
    EXPECT_FALSE(help->isVisible());
}

TEST(MainWindowView, DoubleClickAnswersOnceAndFocusAndEnterFollowStartAndPause)
{
    WindowFixture f;
    f.find("start")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.find("cPause"));

    QPushButton* b = f.find(QStringLiteral("but%1").arg(f.program.drill.rightSlot));
    for (const auto& [type, time] : {std::pair{QEvent::MouseButtonPress, 1000ul},
                                     {QEvent::MouseButtonRelease, 1050ul},
                                     {QEvent::MouseButtonPress, 1200ul},
                                     {QEvent::MouseButtonDblClick, 1200ul},
                                     {QEvent::MouseButtonRelease, 1250ul}}) {
        mouse(b, type, time);
    }
    EXPECT_EQ(f.program.drill.total, 1) << "the second click leaves the next problem alone";
    const auto later = 1250ul + static_cast<ulong>(QApplication::doubleClickInterval());
    mouse(b, QEvent::MouseButtonPress, later);
    mouse(b, QEvent::MouseButtonRelease, later + 50);
    EXPECT_EQ(f.program.drill.total, 2);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(f.program.main.cPause);
    EXPECT_EQ(QApplication::focusWidget(), f.find("start"));
}

TEST(MainWindowView, SecondNumberBoxesShowNoTooltipAndAGreyedBoxStaysGreyed)
{
    WindowFixture f;
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

    f.program.main.b[3].value = 2;
    f.window.render();
    EXPECT_EQ(f.find<QCheckBox>("b3")->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(f.find<QCheckBox>("b3"), Qt::LeftButton);
    EXPECT_EQ(f.program.main.b[3].value, 1) << "a click ticks a greyed box";
}

} // namespace
} // namespace sb

#include "main_window_test.moc"
