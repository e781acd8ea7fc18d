// The Student Data window on an offscreen screen: it mirrors its model and its controls reach
// the model.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "flow/program.h"
#include "support/test_support.h"
#include "support/ui_support.h"
#include "views/student_window.h"

namespace sb {
namespace {

namespace fs = std::filesystem;

struct Fixture {
    StdRandom random{1};
    test::ProgramFixture fx{random};
    Program& p = fx.p;
    fs::path dir = fx.dir.path();
    int smartOpened = 0;

    Fixture()
    {
        LoadOriginalDefaults(p.settings);
        p.cur() = p.settings.defaultSettings;
        DrillSettings ann = p.settings.defaultSettings;
        DrillSettings bob = ann;
        setName(ann, "Ann");
        setName(bob, "Bob");
        test::writeStudentFile(dir, {ann, bob});
    }
};

using test::find;

TEST(StudentWindowView, MirrorsTheFormAndForwardsItsControls)
{
    Fixture f;
    StudentWindow w(f.p, [&f] {
        ++f.smartOpened;
        f.p.cur().stopOn = 4; // set in the Smart Repeat window, closed with Ok
        return true;
    });
    w.show();
    EXPECT_TRUE(w.isModal());
    auto* list = find<QListWidget>(w, "studentlist");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Ann"));
    auto* cb3 = find<QComboBox>(w, "CB3");
    EXPECT_EQ(cb3->currentText(), QStringLiteral("15"));
    auto* name = find<QLineEdit>(w, "newstudent");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Cy"));
    QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u03A9"));
    QApplication::sendEvent(name, &omega);
    QTest::keyClicks(name, QStringLiteral(" Smith-Jones-Longer"));
    EXPECT_EQ(name->text(), QStringLiteral("Cy Smith-Jones-")) << "no Omega, 15 characters";
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(list->count(), 5);
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_EQ(find<QLabel>(w, "studentdisplay")->text().trimmed(),
              QStringLiteral("Cy Smith-Jones-"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(find<QLabel>(w, "studentdisplay")->text().trimmed(), QStringLiteral("Ann"));
    QTest::mouseClick(find<QPushButton>(w, "start"), Qt::LeftButton);
    auto* dsauto = find<QLabel>(w, "dsauto");
    EXPECT_EQ(dsauto->text(), QStringLiteral("Auto Teach On"));

    cb3->setFocus();
    cb3->lineEdit()->selectAll();
    QTest::keyClicks(cb3, QStringLiteral("2a5"));
    EXPECT_EQ(cb3->currentText(), QStringLiteral("25"));

    QTest::mouseClick(find<QPushButton>(w, "Repset"), Qt::LeftButton);
    EXPECT_EQ(f.smartOpened, 1);
    QTest::mouseClick(find<QPushButton>(w, "close"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.p.main.dsword, "Ann:");
    EXPECT_EQ(f.p.cur().stopOn, 4);
    EXPECT_EQ(f.p.cur().averageOver(), 25);
    EXPECT_EQ(f.p.cur().autoTeach, 1);
}

} // namespace
} // namespace sb
