// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/results_table.h"

#include "records/drill_settings.h"
#include "records/operations.h"
#include "support/test_support.h"

namespace sb {
namespace {

// Arial 8.25 point at 96 dots per inch: "9" is 6 x 14 pixels, 90 x 210 units.
constexpr DigitSize kSize{90, 210};

Drill builtTable(int operation)
{
    test::ConstantRandom random(0.5);
    Drill d;
    BuildFacts(d, DrillSettings{.operation = static_cast<std::int16_t>(operation)}, random);
    return d;
}

long countText(const TableDrawing& p, const TextItem& item)
{
    return std::count(p.texts.begin(), p.texts.end(), item);
}

TEST(ResultsTable, CellTextsOfTheThreeViewsAndTheCsvLineOfEachFact)
{
    struct Row {
        std::int16_t asked, correct;
        const char *percent, *wrong, *ratio;
    };
    const Row rows[] = {
        {0, 0, "     *", "     *", "     *"},    {3, 2, " 66%", "   -1", "   2/   3"},
        {120, 120, "100%", "     *", "120/120"}, {10, 1, " 10%", "   -9", "   1/ 10"},
        {11, 0, "   0%", "   -11", "   0/ 11"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.correct) + " of " + std::to_string(r.asked));
        const FactRec f{.correct = r.correct, .asked = r.asked};
        EXPECT_EQ(CellText(f, ResultsView::Percent) + "|" + CellText(f, ResultsView::Wrong) + "|" +
                      CellText(f, ResultsView::Ratio),
                  std::string(r.percent) + "|" + r.wrong + "|" + r.ratio);
    }
    // The indicator of the view shown is lit, and none for a view that does not exist.
    EXPECT_EQ(MarkView(ResultsView::Percent), (std::array{true, false, false}));
    EXPECT_EQ(MarkView(static_cast<ResultsView>(3)), (std::array{false, false, false}));
    // The CSV: one line per fact, in table order, each naming the pupil and the operation and
    // giving the problem as the pupil saw it; a name with a comma or a quote is quoted.
    Drill d = builtTable(OpSub);
    d.owner = "Zo\xEB \"Z\", Ann";
    d.fact(factIndex(4, 7)).asked = 3, d.fact(factIndex(4, 7)).correct = 2;
    const std::string csv = ResultsCsv(d, OpSub);
    const std::string lead = "\"Zo\xC3\xAB \"\"Z\"\", Ann\",Subtraction,";
    const std::string start = "\xEF\xBB\xBFpupil,operation,problem,first number,second number,"
                              "answers,right,percent\r\n" +
                              lead + "2 - 1,2,1,0,0,\r\n";
    EXPECT_EQ(csv.substr(0, start.size()), start);
    EXPECT_NE(csv.find("\r\n" + lead + "11 - 4,11,4,3,2,66\r\n"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 201);
    EXPECT_EQ(ProblemAsSeen(builtTable(OpDiv).fact(factIndex(4, 7)), OpDiv), "28 \u00f7 4");
}

TEST(ResultsTable, TheFactSevenAndFourStandsInRowSevenColumnFourAndAnEmptyTableHasTheGridOnly)
{
    // the operation, and the first number of its fact with the second number 4 in row 7
    for (const auto& [operation, first] :
         std::vector<std::pair<int, int>>{{OpAdd, 7}, {OpSub, 11}, {OpDiv, 28}}) {
        SCOPED_TRACE(English(OperationName(operation)));
        Drill d = builtTable(operation);
        auto it = std::find_if(d.facts.begin() + 1, d.facts.end(),
                               [&](const FactRec& f) { return f.first == first && f.second == 4; });
        ASSERT_NE(it, d.facts.end());
        it->asked = 3, it->correct = 2;
        TableDrawing p;
        DrawTable(p, kSize, d, ResultsView::Percent);
        // The cell; the row label, once per fact, in the first row too and in the last at the
        // bottom; the column label, once per fact, and the last column's on the right.
        EXPECT_EQ((std::array{countText(p, {" 66%", 3400, 2415}), countText(p, {"   7", 180, 2415}),
                              countText(p, {"   1", 180, 525}), countText(p, {" 20", 180, 6510}),
                              countText(p, {"   4", 3510, 210}), countText(p, {" 10", 8910, 210})}),
                  (std::array<long, 6>{1, 10, 10, 10, 20, 20}));
        ResultsModel loaded;
        Resulttable_load(loaded, d, kSize);
        EXPECT_EQ(countText(loaded.drawing, {" 66%", 3400, 2415}), 1) << "the percentages at load";
        NWrong_click(loaded, d), per_click(loaded, d);
        EXPECT_EQ(loaded.draws, 3u) << "drawn at load and once per view chosen";
        EXPECT_EQ(countText(loaded.drawing, {" 66%", 3400, 2415}), 1) << "and back from Wrong";
        rat_click(loaded, d);
        EXPECT_EQ(countText(loaded.drawing, {"   2/   3", 3400, 2415}), 1) << "in the cell";
        const TableCells cells = CellsOf(d, ResultsView::Percent);
        // the first column is read out too
        EXPECT_EQ(cells.cell[7][4] + "|" + cells.columnLabel[1], " 66%|   1");
        EXPECT_EQ(cells.rowLabel[kResultRows], PadNumber(kResultRows)) << "the last row too";
    }
    // Where a reader of the screen finds the cell and the labels.
    EXPECT_EQ(CellBox(kSize, 7, 4), (Box{3150, 2310, 900, 315}));
    EXPECT_EQ(CellBox(kSize, 0, 0), (Box{0, 0, 450, 420}));
    // An empty table draws the grid only.
    ResultsModel m;
    Resulttable_load(m, Drill{}, kSize);
    EXPECT_EQ(test::ints(m.layout.vMax, m.drawing.texts.size()), test::ints(3265, 0))
        << "scrolls to the table's last row and no further";
    ASSERT_EQ(m.drawing.lines.size(), 11u + 21u);
    EXPECT_EQ(m.drawing.lines[0], (LineItem{450, 420, 450, 6720, {0, 150, 200}}));
    EXPECT_EQ(m.drawing.lines[10], (LineItem{9450, 420, 9450, 6720, {0, 150, 200}}));
    EXPECT_EQ(m.drawing.lines[31], (LineItem{450, 6720, 9450, 6720, {0, 150, 200}}));
    Drill emptied = builtTable(OpAdd); // a table emptied, its old records still in memory
    emptied.factCount = 0;
    EXPECT_EQ(CellsOf(emptied, ResultsView::Percent).rowLabel[1], "");
}

TEST(ResultsTable, OperationOfTheTableComesFromItsRecords)
{
    // the operation the table was built for, the operation it is said to be, the one found
    const std::tuple<int, int, int> rows[] = {
        {OpAdd, OpMult, OpAdd},      {OpMult, OpAdd, OpMult},
        {OpDiv, OpAdd, OpDiv},       {OpDivR, OpDiv, OpDivR},
        {Op10Sub, Op10Sub, Op10Sub}, {OpSub, OpAdd, Op10Sub}, // the two build the same records
        {OpSub, OpDiv, Op10Sub},     {OpMult, 0, OpMult},     // no hint: the records alone decide
    };
    for (const auto& [built, hint, found] : rows) {
        SCOPED_TRACE(English(OperationName(built)));
        EXPECT_EQ(TableOperation(builtTable(built), hint), found);
    }
    EXPECT_EQ(TableOperation(Drill{}, OpAdd), 0);
    Drill damaged = builtTable(OpMult);
    damaged.fact(200).answer = 7; // the last record alone disagrees with every operation
    EXPECT_EQ(TableOperation(damaged, OpMult), 0);
    // 20 / 10 in a DivR table with a wrong answer, a negative remainder or one too big
    for (const auto& [answer, remainder] :
         std::vector<std::pair<int, int>>{{3, 0}, {2, -1}, {1, 10}}) {
        damaged = builtTable(OpDivR);
        FactRec& f = damaged.fact(200);
        f.answer = static_cast<std::int16_t>(answer);
        f.remainder = static_cast<std::int16_t>(remainder);
        f.first = static_cast<std::int16_t>(200 + remainder);
        EXPECT_EQ(TableOperation(damaged, OpDivR), 0) << answer << " R " << remainder;
    }
}

} // namespace
} // namespace sb
