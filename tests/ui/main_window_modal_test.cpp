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
#include <QToolTip>

#include <filesystem>
#include <fstream>

#include "core/fakes.h"
#include "drill/popup_window.h"
#include "drill/problem_view_qt.h"
#include "mainwin/delay_window.h"
#include "mainwin/help_window.h"
#include "mainwin/main_form.h"
#include "mainwin/main_window.h"
#include "program.h"

namespace sb {
namespace {

// A shown main window over a real program with fake services; dataDir may name a directory
// that does not exist, where every save fails.
struct Window {
    StdRandom random{77};
    test::FixedClock clock;
    test::RecordingSound sound;
    test::RecordingPictures pictures;
    test::TempDir dir;
    Services services{random, clock, sound, pictures, dir.path()};
    Program program{services};
    MainWindow window{program};

    explicit Window(const char* subdir = nullptr)
    {
        if (subdir != nullptr) {
            services.dataDir /= subdir;
        }
        window.load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* answer(int slot) { return find(QStringLiteral("but%1").arg(slot).toLatin1()); }
    bool saved() const { return std::filesystem::exists(dir.path() / "Default.Xsx"); }
};

void accessiblePress(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(250); // the press is an animated click that lands after 100 ms
}

void mouse(QWidget* w, QEvent::Type type, ulong time)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
}

TEST(MainWindowModal, WhileADialogIsUpTheControlsRefuseAndTheCloseEndsTheProgram)
{
    struct Row {
        const char* name;
        bool popup;
    };
    for (const Row row : {Row{"delay window", false}, Row{"pop-up that never times out", true}}) {
        SCOPED_TRACE(row.name);
        Window f;
        f.program.cur().delaySeconds() = row.popup ? 0 : 2;
        f.program.cur().popupSeconds() = 0;
        QTest::mouseClick(f.find("start"), Qt::LeftButton);
        if (row.popup) {
            QTest::keyClick(&f.window, Qt::Key(Qt::Key_0 + f.program.drill.wrongSlot1));
        }
        ASSERT_EQ(f.program.main.modal, row.popup ? Modal::Feedback : Modal::Delay);
        // Nothing blocks the window system's close request of the main window.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);

        accessiblePress(f.find("cPause"));
        QTest::keyClick(f.find("cPause"), Qt::Key_Space);
        QTest::mouseClick(f.find<QCheckBox>("b3"), Qt::LeftButton);
        EXPECT_TRUE(f.program.main.cPause) << "the drill still runs";
        EXPECT_EQ(f.program.main.b[3].value, 1);

        f.window.close();
        EXPECT_FALSE(f.window.isVisible());
        EXPECT_EQ(f.window.popup(), nullptr);
        EXPECT_EQ(f.window.delayWindow(), nullptr);
        EXPECT_TRUE(f.saved());
    }
}

TEST(MainWindowModal, AFailedSaveKeepsTheWindowOpenOnceWithTheNotice)
{
    Window f("missing");
    f.window.close();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_TRUE(f.find<QLabel>("notice")->isVisible());
    EXPECT_FALSE(f.find<QLabel>("notice")->text().isEmpty());
    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
}

TEST(MainWindowModal, PopupGrowsToFitTheWidestFacts)
{
    Window f;
    for (const char* text : {"2 + 3 = 5", "171 -  10 = 17 R 1", "209 -  10 = 20 R 9"}) {
        SCOPED_TRACE(text);
        f.program.main.pop.dp.text = text;
        PopupWindow pop(
            f.program, [] {}, &f.window);
        pop.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pop));
        auto* dp = pop.findChild<ProblemView*>(QStringLiteral("dp"));
        EXPECT_GE(dp->width(),
                  QFontMetrics(dp->font()).horizontalAdvance(QString::fromLatin1(text)));
        EXPECT_GE(pop.width(), twipsToPixels(6000, &pop));
    }
}

TEST(MainWindowModal, HelpOnlyWhenItsButtonIsEnabledFullyOnScreenAndEscapeCloses)
{
    Window f;
    QTest::mouseClick(f.find("start"), Qt::LeftButton);
    QTest::keyClick(&f.window, Qt::Key_F1);
    EXPECT_EQ(f.window.findChild<HelpWindow*>(), nullptr) << "no help during a drill";

    QTest::mouseClick(f.find("cPause"), Qt::LeftButton);
    QTest::keyClick(&f.window, Qt::Key_F1);
    auto* help = f.window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// Records what the desktop was asked to open.
class Opened : public QObject {
    Q_OBJECT
public:
    QUrl url;
public slots:
    void open(const QUrl& u) { url = u; }
};

TEST(MainWindowModal, TheTeachersOwnHelpFileOpensInTheDesktopsViewer)
{
    Window f;
    Opened opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    std::ofstream(f.dir.path() / "SBhelp.chm") << "help";
    QTest::mouseClick(f.find("helpgo"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opened.url.fileName(), QStringLiteral("SBhelp.chm"));
    EXPECT_EQ(f.window.findChild<HelpWindow*>(), nullptr);
}

TEST(MainWindowModal, TheSecondClickOfADoubleClickAnswersNothing)
{
    Window f;
    QTest::mouseClick(f.find("start"), Qt::LeftButton);
    QPushButton* b = f.answer(f.program.drill.rightSlot);
    mouse(b, QEvent::MouseButtonPress, 100000);
    mouse(b, QEvent::MouseButtonRelease, 100050);
    EXPECT_EQ(f.program.drill.total, 1);
    mouse(b, QEvent::MouseButtonPress, 100200);
    mouse(b, QEvent::MouseButtonDblClick, 100200);
    mouse(b, QEvent::MouseButtonRelease, 100250);
    EXPECT_EQ(f.program.drill.total, 1) << "the next problem is left alone";
    const ulong later = 100250 + static_cast<ulong>(QApplication::doubleClickInterval()) + 1;
    mouse(b, QEvent::MouseButtonPress, later);
    mouse(b, QEvent::MouseButtonRelease, later + 50);
    EXPECT_EQ(f.program.drill.total, 2);
}

TEST(MainWindowModal, FocusMovesBetweenStartAndPauseAndEnterPressesLikeSpace)
{
    Window f;
    f.find("start")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(f.program.main.cPause);
    EXPECT_EQ(QApplication::focusWidget(), f.find("cPause"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(f.program.main.cPause);
    EXPECT_EQ(QApplication::focusWidget(), f.find("start"));
}

TEST(MainWindowModal, SecondNumberBoxesShowNoTooltipAndAGreyedBoxStaysGreyed)
{
    Window f;
    const auto tipOver = [](QWidget* w) {
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &e);
        return QToolTip::text();
    };
    for (const char* name : {"b1", "b10", "bsela", "bseln"}) {
        EXPECT_TRUE(tipOver(f.find<QWidget>(name)).isEmpty()) << name;
    }
    EXPECT_FALSE(tipOver(f.find<QWidget>("SecondNumber")).isEmpty()) << "the frame keeps its own";
    QToolTip::hideText();

    f.program.main.b[3].value = 2;
    f.window.render();
    EXPECT_EQ(f.find<QCheckBox>("b3")->checkState(), Qt::PartiallyChecked);
    DrillSettings s;
    ReadSelection(f.program.main, s);
    ShowSelection(f.program, s);
    f.window.render();
    EXPECT_EQ(f.program.main.b[3].value, 2);
    EXPECT_EQ(f.find<QCheckBox>("b3")->checkState(), Qt::PartiallyChecked);
}

} // namespace
} // namespace sb

#include "main_window_modal_test.moc"
