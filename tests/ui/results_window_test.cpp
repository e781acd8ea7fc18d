#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "drill/pool.h"
#include "flow/program.h"
#include "support/test_support.h"
#include "support/ui_support.h"
#include "views/common_qt.h"
#include "views/main_window.h"
#include "views/results_window.h"

namespace sb {
namespace {

// An addition table in which 7 + 4 was answered three times, twice right.
struct ResultsFixture {
    StdRandom random{2024};
    test::ProgramFixture fx{random};
    Program& program = fx.p;

    ResultsFixture()
    {
        BuildFacts(program.drill, program.cur(), random);
        program.drill.factCount = 200;
        program.drill.fact(factIndex(4, 7)).asked = 3;
        program.drill.fact(factIndex(4, 7)).correct = 2;
    }
};

using test::find;

TEST(ResultsWindowView, DrawsOnceScrollsWithoutDrawingAndReadsOutTheCellsShown)
{
    ResultsFixture f;
    ResultsWindow w(f.program);
    EXPECT_EQ(w.imageDraws(), 1u);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* p = find<QWidget>(w, "p");
    auto* v = find<QScrollBar>(w, "v");
    p->repaint();
    EXPECT_EQ(v->maximum(), 3265);

    v->setValue(v->maximum());
    p->repaint();
    EXPECT_EQ(p->y(), -twipsToPixels(3265, &w));
    QTest::keyClick(p, Qt::Key_Home);
    EXPECT_EQ(p->y(), 0);
    EXPECT_EQ(w.imageDraws(), 1u);

    QTest::mouseClick(find<QPushButton>(w, "NWrong"), Qt::LeftButton);
    EXPECT_EQ(w.imageDraws(), 2u);
    EXPECT_EQ(find<QLabel>(w, "lab1")->palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_NE(find<QLabel>(w, "lab0")->palette().color(QPalette::Window), QColor(192, 192, 255));

    // A screen reader finds the cells of the view shown, with their row and column labels.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(find<QWidget>(w, "p"));
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* grid = table->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 20);
    EXPECT_EQ(grid->columnCount(), 10);

    QAccessibleTableCellInterface* cell = grid->cellAt(6, 3)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("7"));
    EXPECT_EQ(cell->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("4"));

    struct Row {
        const char* button;
        const char* sevenFour;
        const char* neverAsked;
    };
    for (const Row r : {Row{"per", "66%", "not asked"}, Row{"rat", "2/3", "not asked"},
                        Row{"NWrong", "-1", "none wrong"}}) {
        SCOPED_TRACE(r.button);
        QTest::mouseClick(find<QPushButton>(w, r.button), Qt::LeftButton);
        EXPECT_EQ(grid->cellAt(6, 3)->text(QAccessible::Name), QString::fromLatin1(r.sevenFour));
        EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("*"));
        EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Description),
                  QString::fromLatin1(r.neverAsked));
    }
}

TEST(ResultsWindowView, ExportsWriteWholeFilesAndAFailedSaveIsNoticed)
{
    ResultsFixture f;
    ResultsWindow w(f.program);
    const QString dir = QString::fromStdString(f.fx.dir.path().string());
    ASSERT_TRUE(w.saveCsv(dir + QStringLiteral("/r.csv")));
    QFile csv(dir + QStringLiteral("/r.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), ResultsCsv(f.program.drill));
    ASSERT_TRUE(w.savePdf(dir + QStringLiteral("/r.pdf")));
    QFile pdf(dir + QStringLiteral("/r.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    EXPECT_FALSE(w.saveCsv(dir + QStringLiteral("/no such folder/r.csv")));
    EXPECT_EQ(f.program.main.notice, "Table could not be saved (r.csv)");
    EXPECT_TRUE(w.saveCsv(dir + QStringLiteral("/r.csv")));
    EXPECT_EQ(f.program.main.notice, "");
}

TEST(ResultsWindowView, TheMainWindowsButtonOpensItModally)
{
    ResultsFixture f;
    MainWindow main(f.program);
    main.load();
    main.show();
    QTest::mouseClick(find<QPushButton>(main, "start"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(main, "cPause"), Qt::LeftButton);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) {
            opened = modal->objectName() + QLatin1Char('|') + modal->windowTitle();
            find<QPushButton>(*modal, "tclose")->click();
        }
    });
    QTest::mouseClick(find<QPushButton>(main, "resultsgo"), Qt::LeftButton);
    EXPECT_EQ(opened, QStringLiteral("Resulttable|Tinmoor:Sumblitz1.2              Results Table"));
}

} // namespace
} // namespace sb
