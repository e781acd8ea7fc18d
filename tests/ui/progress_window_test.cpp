// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTableWidget>

#include <fstream>

#include "support/ui_support.h"
#include "views/class_overview_window.h"
#include "views/progress_window.h"

namespace sb::test {
namespace {

// Ann's history: 7 x 8 answered on two days, wrongly once with 54, slowly once.
void fillHistory(const Path& dir, std::int64_t now)
{
    auto opened = HistoryDb::open(dir / "Ann.history.sqlite", true);
    const auto answer = [now](std::int64_t ago, AnswerOutcome outcome, std::int32_t ms) {
        const char* chosen = outcome == AnswerOutcome::Wrong ? "54" : "56";
        return AnswerRow{now - ago, now - ago, OpMult,  factIndex(8, 7), 7,
                         8,         "56",      outcome, chosen,          ms};
    };
    const AnswerRow rows[] = {answer(86'400'000, AnswerOutcome::Wrong, 3000),
                              answer(86'399'000, AnswerOutcome::Right, 4000),
                              answer(1000, AnswerOutcome::Right, 1000),
                              answer(0, AnswerOutcome::Right, 2000)};
    ASSERT_EQ(opened.db->append(rows), Status());
}

// Names in the language's order (\xE9 is é, \xEB ë: bytes would put both after Z); a pupil
// who never drilled has no figures and goes last. Enter on a row opens that pupil's Progress,
// read only: also of a pupil another computer has, and with nothing written into her history.
// Then Progress opened from the main window between drills (button and F6): the grid read out
// cell by cell, the confusions, one table row per day, and the history saved as CSV.
TEST(ProgressWindowView, TheClassOverviewSortsAndOpensProgressReadOnlyAndProgressSavesTheHistory)
{
    Ui f;
    DrillSettings ann = originalDefaults("Ann");
    ann.operation = OpMult;
    writeStudentFile(f.dir.path(), {originalDefaults("Zo\xEB"), originalDefaults("\xE9mile"), ann});
    fillHistory(f.dir.path(), f.clock.ms);
    std::ofstream(f.dir.path() / "Ann.Xtx.lock") << "Sumblitz lock\nhost=PC-12\npid=42\n";
    const Bytes before = readBytes(f.dir.path() / "Ann.history.sqlite");
    ClassOverviewWindow w(f.p);
    w.show();
    auto* table = find<QTableWidget>(w, "overviewTable");
    ASSERT_EQ(table->rowCount(), 3);
    const auto column = [table](int c) {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r) {
            texts << table->item(r, c)->text();
        }
        return texts.join(QLatin1Char('|'));
    };
    EXPECT_EQ(column(0), QStringLiteral("Ann|\u00E9mile|Zo\u00EB"));
    EXPECT_EQ(column(4), QStringLiteral("4||"));
    auto* sort = find<QComboBox>(w, "overviewSort");
    sort->setFocus();
    QTest::keyClick(sort, Qt::Key_Home); // by name
    find<QCheckBox>(w, "overviewDescending")->click();
    EXPECT_EQ(column(0), QStringLiteral("Zo\u00EB|\u00E9mile|Ann"));
    for (int i = 0; i < static_cast<int>(OverviewColumn::WeekAnswers); ++i) {
        QTest::keyClick(sort, Qt::Key_Down);
    }
    EXPECT_EQ(sort->currentText(), QStringLiteral("This week"));
    EXPECT_EQ(column(0), QStringLiteral("Ann|\u00E9mile|Zo\u00EB")) << "no figures last";
    table->setFocus();
    table->setCurrentCell(0, 0);
    const auto enter = [table] { QTest::keyClick(table, Qt::Key_Return); };
    toModal("Enter on a row", enter, [](QWidget& modal) {
        auto* progress = qobject_cast<ProgressWindow*>(&modal);
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->windowTitle(), QStringLiteral("Progress: Ann"));
        const QString cell = find<QTableWidget>(modal, "fluencyGrid")->item(6, 7)->text();
        EXPECT_TRUE(cell.startsWith(QStringLiteral("2.5"))) << cell.toStdString();
        progress->setFluentSeconds(4.5);
        progress->close();
    });
    EXPECT_TRUE(w.isVisible()) << "Enter in the table never closes the overview";
    EXPECT_EQ(readBytes(f.dir.path() / "Ann.history.sqlite"), before);
    std::filesystem::remove(f.dir.path() / "Ann.Xtx.lock"); // Ann is this computer's now
    setName(f.p.cur(), "Ann");
    f.p.cur().operation = OpMult;
    clickToModal(f.main, "progressgo", [&f](QWidget& modal) {
        auto& progress = static_cast<ProgressWindow&>(modal);
        // A box's value is in its name, and follows the arrow keys.
        auto* period = find(progress, "progressPeriod");
        EXPECT_EQ(period->accessibleName(), QStringLiteral("Period: Last 30 days"));
        QTest::keyClick(period, Qt::Key_Down);
        EXPECT_EQ(period->accessibleName(), QStringLiteral("Period: Last 90 days"));
        EXPECT_EQ(find(progress, "progressOperation")->accessibleName(),
                  QStringLiteral("Operation: Multiplication"));
        auto* grid = find<QTableWidget>(progress, "fluencyGrid");
        const QTableWidgetItem* cell = grid->item(6, 7);
        // Answered a moment ago: recalled now for sure; slow, so due again before the day ends.
        EXPECT_TRUE(cell->text().startsWith(QString::fromUtf8("2.5\u2009·\u2009100%\u2009·\u2009")))
            << cell->text().toStdString();
        const QString spoken = cell->data(Qt::AccessibleTextRole).toString();
        EXPECT_TRUE(spoken.startsWith(
            QString::fromUtf8("7 × 8: Slow, median 2.5 s of 4 answers. Next review: ")));
        EXPECT_TRUE(spoken.endsWith(QStringLiteral(", recall now 100%"))) << spoken.toStdString();
        EXPECT_EQ(find<QLabel>(progress, "dueToday")->text(), QStringLiteral("Due today: 1"));
        // What a screen reader hears of the cell, through the table's accessible interface.
        QAccessibleInterface* spokenGrid = QAccessible::queryAccessibleInterface(grid);
        ASSERT_NE(spokenGrid->tableInterface(), nullptr);
        EXPECT_EQ(spokenGrid->tableInterface()->cellAt(6, 7)->text(QAccessible::Name), spoken);
        EXPECT_EQ(find<QListWidget>(progress, "confusions")->item(0)->text(),
                  QString::fromUtf8("7 × 8: 54 ×1"));
        EXPECT_EQ(find<QTableWidget>(progress, "dayFigures")->rowCount(), 2);
        EXPECT_EQ(find<QListWidget>(progress, "practiseNext")->item(0)->text(),
                  QString::fromUtf8("7 × 8: Slow, median 2.5 s of 4 answers"));
        EXPECT_EQ(find<QLabel>(progress, "weekFigures")->text(),
                  "This week: 4 problems, 75% right, 0 min answering. The week before: no "
                  "answers.");
        progress.setFluentSeconds(4.5); // the last three were all within 4.5 s
        const QString fluent = grid->item(6, 7)->data(Qt::AccessibleTextRole).toString();
        EXPECT_TRUE(
            fluent.startsWith(QString::fromUtf8("7 × 8: Fluent, median 2.5 s of 4 answers. ")));
        EXPECT_TRUE(progress.saveCsv(f.at("ann.csv").c_str()));
        const std::string saved = textOf(f.at("ann.csv"));
        EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF")) << "a byte order mark";
        EXPECT_EQ(std::ranges::count(saved, '\n'), 5) << "a header and 4 answers";
        progress.accept();
    });
    click(f.main, "start");
    EXPECT_FALSE(find(f.main, "progressgo")->isEnabled()) << "never during a drill";
}

} // namespace
} // namespace sb::test
