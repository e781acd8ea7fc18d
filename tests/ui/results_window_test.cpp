// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileDialog>
#include <QMenu>
#include <QPdfWriter>
#include <QScrollBar>

#include "support/ui_support.h"
#include "views/common_qt.h"
#include "views/results_surface_qt.h"
#include "views/results_window.h"

namespace sb::test {
namespace {

// Answers the file dialog that Ctrl+S opens: `name` typed, and the filter `filter` chosen
// from its list when it is not empty.
void saveAs(QWidget& w, const QString& name, const QString& filter = {})
{
    w.activateWindow(); // back from the last dialog
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    QTimer::singleShot(0, &w, [name, filter] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (!filter.isEmpty()) {
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            const int to = types->findText(filter);
            QTest::keyClick(types, to < types->currentIndex() ? Qt::Key_Up : Qt::Key_Down);
        }
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, &QDialog::accept); // as its Save button does
    });
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
}

// The Results table opened from the main window after Zoë, Ann drilled subtraction, answering
// 11 - 4 three times, twice right, and Bob, who keeps no facts, was chosen: modal, drawn once
// however it scrolls, read out by a screen reader in the view shown, headed everywhere with
// Zoë's name. The save dialog gives a name the extension of the kind it saves, and the kind
// follows the filter chosen (what the CSV holds is the core's table); the printout fills a page;
// the keyboard opens the menu and scrolls without leaving a trace of the focus frame.
TEST(ResultsWindowView, ShowsWhoseAnswersTheTableHoldsOnTheScreenInFilesAndOnPaper)
{
    Ui f;
    setName(f.p.cur(), "Zo\xEB, Ann");
    click(f.main, "op3"), click(f.main, "start"), click(f.main, "cPause");
    f.p.drill.fact(factIndex(4, 7)).asked = 3, f.p.drill.fact(factIndex(4, 7)).correct = 2;
    clickToModal(f.main, "goauto", [](QWidget& getfile) {
        find(getfile, "newstudent")->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bob\r"));
        click(getfile, "close");
    });
    ASSERT_EQ(trimmedName(f.p.cur()), "Bob");
    clickToModal(f.main, "resultsgo", [&f](QWidget& modal) {
        EXPECT_EQ(modal.objectName() + '|' + modal.windowTitle(),
                  QStringLiteral("Resulttable|Tinmoor:Sumblitz1.2              Results Table"));
        auto& w = static_cast<ResultsWindow&>(modal);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        auto* p = find(w, "p");
        auto* v = find<QScrollBar>(w, "v");
        EXPECT_EQ(v->maximum(), 3265);
        v->setValue(v->maximum());
        EXPECT_EQ(p->y(), -twipsToPixels(3265, &w));
        QTest::keyClick(p, Qt::Key_Home);
        EXPECT_EQ(p->y(), 0);
        // A cell cursor, kept in view, is the cell a screen reader finds focused; Tab leaves.
        p->setFocus();
        QTest::keySequence(p, QKeySequence(Qt::Key_Right, Qt::Key_Right, Qt::Key_Left));
        QTest::keySequence(p, QKeySequence(Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Up));
        auto* surface = static_cast<ResultsSurface*>(p);
        EXPECT_EQ(surface->cursor(), QPoint(4, 19));
        EXPECT_TRUE(surface->cellInView(19, 4) && p->y() < 0);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(p);
        const QAccessibleInterface* focused = reader->focusChild();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(focused->state().focused);
        EXPECT_EQ(focused->rect(), surface->cellRect(19, 4));
        QTest::keyClick(p, Qt::Key_Tab);
        EXPECT_FALSE(p->hasFocus());
        QTest::keyClick(p, Qt::Key_Home);
        EXPECT_EQ(w.imageDraws(), 1u) << "repaints and scrolling show the image drawn at opening";

        // A screen reader finds the cells of the view shown, with their row and column labels.
        QAccessibleTableInterface* grid = reader->tableInterface();
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(std::pair(grid->rowCount(), grid->columnCount()), std::pair(20, 10));
        QAccessibleTableCellInterface* cell = grid->cellAt(6, 3)->tableCellInterface();
        EXPECT_EQ(cell->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("7"));
        EXPECT_EQ(cell->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("4"));
        for (const auto& [button, sevenFour, neverAsked, draws] :
             {std::tuple{"NWrong", "-1", "none wrong", 2u},
              {"rat", "2/3", "not asked", 3u},
              {"per", "66%", "not asked", 4u}}) {
            SCOPED_TRACE(button);
            click(w, button);
            EXPECT_EQ(w.imageDraws(), draws);
            EXPECT_EQ(grid->cellAt(6, 3)->text(QAccessible::Name), QString::fromLatin1(sevenFour));
            EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Description),
                      QString::fromLatin1(neverAsked));
            EXPECT_EQ(heard(w), find<QPushButton>(w, button)->text() + ": shown")
                << "a screen reader hears the view switched";
        }
        // The label of the view shown is highlighted.
        const auto lit = [&w](const char* label) {
            return find<QLabel>(w, label)->palette().color(QPalette::Window) ==
                   QColor(192, 192, 255);
        };
        EXPECT_TRUE(lit("lab0") && !lit("lab1"));

        const auto path = [&f](const char* file) {
            return QString::fromStdString(f.at(file).string());
        };
        EXPECT_FALSE(w.saveCsv(path("no such folder/r.csv")));
        EXPECT_EQ(f.p.main.notice, noticeOf({{MessageId::TableNotSaved, {"r.csv"}}}));
        EXPECT_TRUE(w.saveCsv(path("r.csv")) && f.p.main.notice.empty());
        EXPECT_EQ(heard(w), QStringLiteral("Saved: r.csv")); // a screen reader hears it
        EXPECT_EQ(w.heading(), QStringLiteral("Zo\u00EB, Ann, Subtraction"));
        saveAs(w, path("noext"));
        EXPECT_EQ(readBytes(f.at("noext.csv")), readBytes(f.at("r.csv")));
        saveAs(w, path("y"), QStringLiteral("PDF files (*.pdf)"));
        EXPECT_TRUE(textOf(f.at("y.pdf")).starts_with("%PDF-"));

        // On paper: the three views on one page in type of at least 9 points.
        QPdfWriter writer(path("paper.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        EXPECT_GE(w.paintDocument(writer), 9.0);

        // The view shown is the checked button; its mark says so.
        screenReader(w, "NWrong");
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(find(w, "NWrong"))->state().checked);
        EXPECT_EQ(find<QLabel>(w, "lab1")->accessibleName(), QStringLiteral("Number Wrong: shown"));

        // Into the table by keyboard, four rows down and one up: what the screen shows is what
        // the table paints, with no frame left behind.
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        p->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_TRUE(p->hasFocus());
        for (const Qt::Key key :
             {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(p, key);
            QApplication::processEvents(); // each scroll reaches the screen
        }
        QWidget* hold = find(w, "hold");
        const QPoint at = hold->mapTo(&w, QPoint(0, 0));
        const QPixmap onScreen =
            w.screen()->grabWindow(w.winId(), at.x(), at.y(), hold->width(), hold->height());
        EXPECT_TRUE(onScreen.toImage().convertToFormat(QImage::Format_RGB32) ==
                    hold->grab().toImage().convertToFormat(QImage::Format_RGB32))
            << "a trace of the focus frame is left on the screen";

        QTimer::singleShot(0, &w, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << "Shift+F10 opened no menu";
            menu->close();
        });
        QTest::keyClick(p, Qt::Key_F10, Qt::ShiftModifier);
        click(w, "tclose");
    });
}

} // namespace
} // namespace sb::test
