// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>

#include "drill/pool.h"
#include "support/ui_support.h"
#include "views/common_qt.h"
#include "views/results_window.h"

namespace sb::test {
namespace {

// The Results table opened from the main window after a drill of additions in which 7 + 4 was
// answered three times, twice right: modal, drawn once however it scrolls, read out by a screen
// reader in the view shown, and saved whole as CSV or PDF.
TEST(ResultsWindowView, OpensModallyDrawsOnceReadsOutTheViewShownAndSavesWholeFiles)
{
    Ui f;
    click(f.main, "start");
    click(f.main, "cPause");
    f.p.drill.fact(factIndex(4, 7)).asked = 3;
    f.p.drill.fact(factIndex(4, 7)).correct = 2;
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
        EXPECT_EQ(w.imageDraws(), 1u) << "repaints and scrolling show the image drawn at opening";

        // A screen reader finds the cells of the view shown, with their row and column labels.
        QAccessibleTableInterface* grid =
            QAccessible::queryAccessibleInterface(p)->tableInterface();
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
        }
        // The label of the view shown is highlighted.
        EXPECT_EQ(find<QLabel>(w, "lab0")->palette().color(QPalette::Window),
                  QColor(192, 192, 255));
        EXPECT_NE(find<QLabel>(w, "lab1")->palette().color(QPalette::Window),
                  QColor(192, 192, 255));

        const auto path = [&f](const char* file) {
            return QString::fromStdString(f.at(file).string());
        };
        ASSERT_TRUE(w.saveCsv(path("r.csv")) && w.savePdf(path("r.pdf")));
        const Bytes csv = readBytes(f.at("r.csv"));
        EXPECT_EQ(std::string(csv.begin(), csv.end()), ResultsCsv(f.p.drill));
        const Bytes pdf = readBytes(f.at("r.pdf"));
        EXPECT_TRUE(std::string(pdf.begin(), pdf.end()).starts_with("%PDF-"));
        EXPECT_FALSE(w.saveCsv(path("no such folder/r.csv")));
        EXPECT_EQ(f.p.main.notice, "Table could not be saved (r.csv)");
        EXPECT_TRUE(w.saveCsv(path("r.csv")));
        EXPECT_EQ(f.p.main.notice, "");
        click(w, "tclose");
    });
}

} // namespace
} // namespace sb::test
