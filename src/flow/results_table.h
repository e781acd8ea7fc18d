// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/fact_table.h"

namespace sb {

// The Results table: how the pupil did with every fact of the current fact table, as a grid of
// 20 rows (the first-number values 1..20) by 10 columns (the second numbers 1..10). Everything
// here is plain data: what to draw and where, in logical units of 1/1440 inch on the drawing
// surface p. The window only turns units into pixels and paints the lists.

// What the cells show; the numbers are the views' numbers (and the indexes of the marks lab).
enum class ResultsView : int { Percent = 0, Wrong = 1, Ratio = 2 };

inline constexpr int kResultRows = 20;
inline constexpr int kResultColumns = 10;

// "     *": a cell with nothing to show.
inline constexpr const char* kNoData = "     *";

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kGridColour{0, 150, 200};
inline constexpr Rgb kMarkColour{192, 192, 255};

// n right-aligned to three digits: three blanks before n < 10 (negative numbers included),
// one blank before 10..99, nothing before 100 and more.
std::string PadNumber(int n);

// The cell text of a fact in a view: percent correct (truncated) followed by "%", wrong
// answers as a negative number, or correct/asked; kNoData when the view has nothing to say
// (never asked; no wrong answer). A view outside 0..2 gives an empty text.
std::string CellText(const FactRec& f, ResultsView view);

// The height of text "9" and its width in the surface's font, in units, rounded to whole units.
struct DigitSize {
    int digitWidth = 0;
    int digitHeight = 0;
};

// Places and sizes in units. hold is the viewport, p the surface it clips, v the scroll bar.
struct TableLayout {
    int holdLeft = 0;
    int holdTop = 0;
    int holdWidth = 9495;
    int holdHeight = 3735;
    int pWidth = 0;
    int pHeight = 0;
    int vLeft = 0;
    int vTop = 0;
    int vHeight = 0;
    int vMin = 0;
    int vMax = 0;
    int vSmallChange = 200;  // arrow step
    int vLargeChange = 5000; // page step
};

// p becomes 70000 x 7000 units, v stands against hold's right edge with hold's top and height,
// and scrolls from 0 to p's height less hold's (3265 at the window's size).
TableLayout LayoutTable(TableLayout at = {});

// One text, its top left corner at (x, y).
struct TextItem {
    std::string text;
    int x = 0;
    int y = 0;
    bool operator==(const TextItem&) const = default;
};

struct LineItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb colour;
    bool operator==(const LineItem&) const = default;
};

// What is on p, in the order drawn.
struct TableDrawing {
    std::vector<LineItem> lines;
    std::vector<TextItem> texts;
};

// Adds the grid lines of cols columns and rows rows to the drawing.
void DrawGrid(TableDrawing& p, DigitSize size, int cols, int rows);

// Adds, for each fact 1..factCount in index order, its row label, its column label and its
// cell text in the view. Labels are printed once per fact, so each stands many times at one
// place. A view outside 0..2 prints labels only; factCount 0 prints nothing.
void DrawTable(TableDrawing& p, DigitSize size, const Drill& d, ResultsView view);

// Which indicator lab 0..2 is lit (kMarkColour); the others keep the button-face colour.
std::array<bool, 3> MarkView(ResultsView view);

// The table as a reader of cells sees it: what DrawTable prints in each cell and each label,
// by row 1..20 and column 1..10 (slot 0 unused); empty where nothing is printed.
struct TableCells {
    std::array<std::array<std::string, kResultColumns + 1>, kResultRows + 1> cell;
    std::array<std::string, kResultRows + 1> rowLabel;
    std::array<std::string, kResultColumns + 1> columnLabel;
};
TableCells CellsOf(const Drill& d, ResultsView view);

// Where a cell lies on p, in units: rows 1..20 and columns 1..10 of the grid; row 0 is the strip
// of the column labels above the grid, column 0 the strip of the row labels left of it.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};
Box CellBox(DigitSize size, int row, int column);

// The window's state while it is open: the view shown, what is on p and how far it is
// scrolled. Each handler is an event of the window.
struct ResultsModel {
    DigitSize size;
    TableLayout layout;
    ResultsView view = ResultsView::Percent;
    std::array<bool, 3> marks{}; // the indicators lab(0..2): which is lit (MarkView)
    TableDrawing drawing;        // what is on the surface p
    int drawingTop = 0;          // p's top, in units: -(value of v)
    unsigned draws = 0;          // how many times p was drawn: once at load, once per view chosen
};

// The load of the window: the measured digit size, LayoutTable, the grid and the percent view.
void Resulttable_load(ResultsModel& m, const Drill& d, DigitSize size);
// The per, NWrong and rat buttons: clear p and draw the grid and the view anew.
void per_click(ResultsModel& m, const Drill& d);
void NWrong_click(ResultsModel& m, const Drill& d);
void rat_click(ResultsModel& m, const Drill& d);
// v changed or scrolled to value: p's top follows.
void v_change(ResultsModel& m, int value);

// The operation whose facts the table holds: `hint` (the operation the table was last built
// for) when the records agree with it, otherwise the first operation they agree with; 0 when
// the table is empty or matches none. 10 Sub and Sub build the same records, as may Div and
// DivR; the hint decides between them.
int TableOperation(const Drill& d, int hint);

// A fact as the pupil saw it: "25 - 7", "28 ÷ 4" (UTF-8); empty for an operation outside 1..6.
std::string ProblemAsSeen(const FactRec& f, int operation);

// Every fact of the table, in table order, as one table for a spreadsheet: a header line, then
// per fact the pupil (the table's owner), the operation, the problem as the pupil saw it, its
// first and second number, the answers given, the right ones and the percent right (empty when
// never asked). UTF-8 with a byte-order mark, fields quoted as RFC 4180 asks, lines ending in
// CRLF.
std::string ResultsCsv(const Drill& d, int operation);

} // namespace sb
