// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/results_table.h"

#include "records/cp1252.h"
#include "records/drill_settings.h"
#include "records/index.h"
#include "records/operations.h"

namespace sb {

namespace {

// The first-number value of fact k: its column in the fact table, its row in this table.
int firstValue(int k)
{
    return (k - 1) % 20 + 1;
}

int rowHeight(DigitSize size)
{
    return size.digitHeight + size.digitHeight / 2;
}

int columnWidth(DigitSize size)
{
    return 10 * size.digitWidth;
}

// The fact standing in each cell, by row 1..20 and column 1..10, as DrawTable places them: a
// later fact in the same cell (only in a damaged file) covers an earlier one.
using FactGrid = std::array<std::array<const FactRec*, kResultColumns + 1>, kResultRows + 1>;

FactGrid gridOf(const Drill& d)
{
    FactGrid grid{};
    for (int k = 1; k <= d.factCount && k <= kFactSlots; ++k) {
        const FactRec& f = d.fact(k);
        if (f.second >= 1 && f.second <= kResultColumns) {
            grid[asIndex(firstValue(k))][asIndex(f.second)] = &f;
        }
    }
    return grid;
}

void redraw(ResultsModel& m, const Drill& d, ResultsView view)
{
    m.view = view;
    m.drawing = {};
    DrawGrid(m.drawing, m.size, kResultColumns, kResultRows);
    DrawTable(m.drawing, m.size, d, view);
    m.marks = MarkView(view);
    ++m.draws;
}

// The records BuildFacts makes for an operation, for second number s, column c; the
// remainder of DivR is drawn at random, so only its range can be checked.
bool agrees(const FactRec& f, int s, int c, int operation)
{
    return IsOperation(operation) && FactAgrees(f, OperationOf(operation).shape, s, c);
}

bool tableAgrees(const Drill& d, int operation)
{
    if (d.factCount < kFactSlots) {
        return false;
    }
    for (int k = 1; k <= kFactSlots; ++k) {
        if (!agrees(d.fact(k), (k - 1) / 20 + 1, firstValue(k), operation)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string PadNumber(int n)
{
    // Built by appending: GCC 12 at -O3 warns (-Wrestrict, wrongly) about a literal prefixed
    // to a temporary with operator+.
    std::string padded(n < 10 ? 3 : (n < 100 ? 1 : 0), ' ');
    padded += std::to_string(n);
    return padded;
}

std::string CellText(const FactRec& f, ResultsView view)
{
    const std::int32_t asked = f.asked;
    const std::int32_t correct = f.correct;
    switch (view) {
    case ResultsView::Percent:
        return asked > 0 ? PadNumber(correct * 100 / asked) + "%" : kNoData;
    case ResultsView::Wrong:
        return correct - asked < 0 ? PadNumber(correct - asked) : kNoData;
    case ResultsView::Ratio:
        return asked != 0 ? PadNumber(correct) + "/" + PadNumber(asked) : kNoData;
    }
    return {};
}

TableLayout LayoutTable(TableLayout at)
{
    at.pHeight = 7000;
    at.pWidth = 70000;
    at.vTop = at.holdTop;
    at.vLeft = at.holdLeft + at.holdWidth;
    at.vHeight = at.holdHeight;
    at.vMax = at.pHeight - at.holdHeight;
    return at;
}

void DrawGrid(TableDrawing& p, DigitSize size, int cols, int rows)
{
    const int w = size.digitWidth;
    const int h = size.digitHeight;
    const int rowH = rowHeight(size);
    const int colW = columnWidth(size);
    for (int i = 0; i <= cols; ++i) {
        p.lines.push_back(
            {5 * w + i * colW, 2 * h, 5 * w + i * colW, 2 * h + rowH * rows, kGridColour});
    }
    for (int i = 0; i <= rows; ++i) {
        p.lines.push_back(
            {5 * w, 2 * h + i * rowH, 5 * w + colW * cols, 2 * h + i * rowH, kGridColour});
    }
}

void DrawTable(TableDrawing& p, DigitSize size, const Drill& d, ResultsView view)
{
    const int w = size.digitWidth;
    const int h = size.digitHeight;
    const int rowH = rowHeight(size);
    const int colW = columnWidth(size);
    const bool cells =
        view == ResultsView::Percent || view == ResultsView::Wrong || view == ResultsView::Ratio;
    for (int k = 1; k <= d.factCount && k <= kFactSlots; ++k) {
        const FactRec& f = d.fact(k);
        const int r = firstValue(k);
        const int s = f.second;
        const int rowY = 2 * h + h / 2 + (r - 1) * rowH;
        p.texts.push_back({PadNumber(r), 2 * w, rowY});
        p.texts.push_back({PadNumber(s), 9 * w + (s - 1) * colW, h});
        if (cells) {
            p.texts.push_back({CellText(f, view), 10 * w - 200 + (s - 1) * colW, rowY});
        }
    }
}

std::array<bool, 3> MarkView(ResultsView view)
{
    std::array<bool, 3> lit{};
    const int i = static_cast<int>(view);
    if (i >= 0 && asIndex(i) < lit.size()) {
        lit[asIndex(i)] = true;
    }
    return lit;
}

TableCells CellsOf(const Drill& d, ResultsView view)
{
    TableCells t;
    const FactGrid grid = gridOf(d);
    for (int r = 1; r <= kResultRows; ++r) {
        for (int s = 1; s <= kResultColumns; ++s) {
            const FactRec* f = grid[asIndex(r)][asIndex(s)];
            if (f != nullptr) {
                t.cell[asIndex(r)][asIndex(s)] = CellText(*f, view);
                t.rowLabel[asIndex(r)] = PadNumber(r);
                t.columnLabel[asIndex(s)] = PadNumber(s);
            }
        }
    }
    return t;
}

Box CellBox(DigitSize size, int row, int column)
{
    const int w = size.digitWidth;
    const int h = size.digitHeight;
    Box b;
    b.x = column == 0 ? 0 : 5 * w + (column - 1) * columnWidth(size);
    b.width = column == 0 ? 5 * w : columnWidth(size);
    b.y = row == 0 ? 0 : 2 * h + (row - 1) * rowHeight(size);
    b.height = row == 0 ? 2 * h : rowHeight(size);
    return b;
}

void Resulttable_load(ResultsModel& m, const Drill& d, DigitSize size)
{
    m.size = size;
    m.layout = LayoutTable(m.layout);
    m.drawingTop = 0;
    redraw(m, d, ResultsView::Percent);
}

void per_click(ResultsModel& m, const Drill& d)
{
    redraw(m, d, ResultsView::Percent);
}

void NWrong_click(ResultsModel& m, const Drill& d)
{
    redraw(m, d, ResultsView::Wrong);
}

void rat_click(ResultsModel& m, const Drill& d)
{
    redraw(m, d, ResultsView::Ratio);
}

void v_change(ResultsModel& m, int value)
{
    m.drawingTop = -value;
}

int TableOperation(const Drill& d, int hint)
{
    if (tableAgrees(d, hint)) {
        return hint;
    }
    for (int op = 1; op <= kOperationCount; ++op) {
        if (tableAgrees(d, op)) {
            return op;
        }
    }
    return 0;
}

std::string ProblemAsSeen(const FactRec& f, int operation)
{
    if (!IsOperation(operation)) {
        return {};
    }
    return std::to_string(f.first) + " " + std::string(OperationOf(operation).written) + " " +
           std::to_string(f.second);
}

namespace {

// A field as RFC 4180 writes it: quoted, inner quotes doubled, when it holds a comma, a quote
// or a line break.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace

std::string ResultsCsv(const Drill& d, int operation)
{
    std::string out =
        "\xEF\xBB\xBFpupil,operation,problem,first number,second number,answers,right,"
        "percent\r\n";
    const std::string lead =
        csvField(cp1252ToUtf8(d.owner)) + "," + csvField(English(OperationName(operation))) + ",";
    const FactGrid grid = gridOf(d);
    for (int r = 1; r <= kResultRows; ++r) {
        for (int s = 1; s <= kResultColumns; ++s) {
            const FactRec* f = grid[asIndex(r)][asIndex(s)];
            if (f == nullptr) {
                continue;
            }
            const std::int32_t asked = f->asked;
            const std::int32_t correct = f->correct;
            out += lead + csvField(ProblemAsSeen(*f, operation)) + "," + std::to_string(f->first) +
                   "," + std::to_string(f->second) + "," + std::to_string(asked) + "," +
                   std::to_string(correct) + ",";
            if (asked > 0) {
                out += std::to_string(correct * 100 / asked);
            }
            out += "\r\n";
        }
    }
    return out;
}

} // namespace sb
