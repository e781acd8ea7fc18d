// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>

#include "support/ui_support.h"

namespace sb::test {
namespace {

QString shown(QWidget& w, const char* label)
{
    return find<QLabel>(w, label)->text().trimmed();
}

// The Student Data window opened from the main window over a file of one pupil, Ann: it mirrors
// its form, its controls reach the form, and its "Repeat Setting" opens Smart Repeat over it,
// whose Ok carries over. By keyboard: the level boxes follow the value shown, Enter presses the
// focused button, F1 opens its help; the words after a box label it and the row of second
// numbers is named.
// Then by keyboard alone: the focus arriving in the list chooses nobody; the arrow keys choose;
// Enter chooses the entry with the focus and does not press OK; the entry selected is always the
// pupil on display, also after Add. A close box whose save fails keeps the window open and says
// why.
TEST(StudentWindowView, MirrorsTheFormOpensSmartRepeatAndTheKeyboardChoosesOnlyOnPurpose)
{
    Ui f;
    writeStudentFile(f.dir.path(), {originalDefaults("Ann")});
    clickToModal(f.main, "goauto", [](QWidget& w) {
        const StudentModel& m = static_cast<StudentWindow&>(w).form().model();
        auto* list = find<QListWidget>(w, "studentlist");
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(2)->text(), QStringLiteral("Ann"));
        auto* cb3 = find<QComboBox>(w, "CB3");
        EXPECT_EQ(cb3->currentText(), QStringLiteral("15"));
        auto* name = find<QLineEdit>(w, "newstudent");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Cy"));
        QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QStringLiteral("\u03A9"));
        QApplication::sendEvent(name, &omega);
        QTest::keyClicks(name, QStringLiteral(" Smith-Jones-Longer"));
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(list->count(), 4);
        EXPECT_EQ(shown(w, "studentdisplay"), QStringLiteral("Cy Smith-Jones-"))
            << "15 letters, no Omega";
        choose(w, "Ann");
        EXPECT_EQ(shown(w, "studentdisplay"), QStringLiteral("Ann"));
        find(w, "start")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(w, "start"), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(shown(w, "dsauto"), QStringLiteral("Auto Teach On"));
        auto* advance = find<QComboBox>(w, "CB2"); // 80, items 50, 55, ... 100
        advance->setFocus(Qt::TabFocusReason);
        QTest::keyClick(advance, Qt::Key_Up);
        EXPECT_EQ(QString::fromLatin1(m.levelTexts[2]).trimmed(), QStringLiteral("75"));
        EXPECT_EQ(find<QLabel>(w, "Label23")->buddy(), advance) << "% Correct";
        QWidget* row = find(w, "b1")->parentWidget();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(row)->text(QAccessible::Name),
                  QStringLiteral("Second numbers"));
        cb3->setFocus();
        cb3->lineEdit()->selectAll();
        QTest::keyClicks(cb3, QStringLiteral("2a5"));
        EXPECT_EQ(cb3->currentText(), QStringLiteral("25"));
        EXPECT_EQ(helpPage(w), QStringLiteral("student_data.html"));
        clickToModal(w, "Repset", [](QWidget& smart) {
            EXPECT_FALSE(find(smart, "godata")->isEnabled()) << "no way back";
            click(smart, "stopon4");
            click(smart, "bnapply");
        });
        click(w, "close");
    });
    EXPECT_EQ(English(f.p.main.dsword), "Ann:");
    EXPECT_EQ(ints(f.p.cur().stopOn, f.p.cur().averageOver(), f.p.cur().autoTeach), ints(4, 25, 1));
    setName(f.p.cur(), "Zed"); // the current pupil is not on the list
    clickToModal(f.main, "goauto", [&f](QWidget& w) {
        auto* list = find<QListWidget>(w, "studentlist");
        EXPECT_TRUE(list->selectedItems().isEmpty());
        list->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(shown(w, "studentdisplay"), QStringLiteral("Zed")) << "the focus chose no one";
        QTest::keyClick(list, Qt::Key_End);
        EXPECT_EQ(shown(w, "studentdisplay"), QStringLiteral("Cy Smith-Jones-"));
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(shown(w, "studentdisplay"), QStringLiteral("Ann"));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_TRUE(w.isVisible()) << "Enter in the list is no OK";
        auto* name = find<QLineEdit>(w, "newstudent");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Cy"));
        QTest::keyClick(name, Qt::Key_Return);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->selectedItems().front()->text(), QStringLiteral("Cy"));
        const auto file = f.at("StdDat.Xrx");
        std::filesystem::rename(file, f.at("aside"));
        std::filesystem::create_directories(file / "in the way");
        w.close();
        EXPECT_TRUE(w.isVisible()) << "the list could not be saved";
        EXPECT_TRUE(shown(w, "message").contains(QStringLiteral("Is a directory")));
        EXPECT_EQ(heard(w), shown(w, "message")); // a screen reader hears it, named as it reads
        EXPECT_EQ(find(w, "message")->accessibleName(), shown(w, "message"));
        std::filesystem::remove_all(file);
        std::filesystem::rename(f.at("aside"), file);
        w.close();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(trimmedName(f.p.cur()), "Cy");
}

} // namespace
} // namespace sb::test
