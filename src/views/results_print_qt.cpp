// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/results_print_qt.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRectF>

#include "records/index.h"
#include "views/common_qt.h"

namespace sb {

namespace {

constexpr std::array<ResultsView, 3> kViews{ResultsView::Percent, ResultsView::Wrong,
                                            ResultsView::Ratio};

// A cell's text without the blanks that line numbers up on the screen: "   2/   3" is "2/3".
QString bare(const std::string& text)
{
    return toQString(text).remove(QLatin1Char(' '));
}

// Everything measured in one size of type.
struct Measure {
    QFont body;
    QFont bold;
    double line = 0;   // one line of text
    double row = 0;    // one row of a table
    double label = 0;  // the column of row labels
    double column = 0; // one column of cells
    double pad = 0;

    Measure(double points, const Printout& p, QPaintDevice* device)
        : body(arial(points)), bold(arial(points, true))
    {
        const QFontMetricsF fm(body, device);
        line = fm.lineSpacing();
        row = line;
        pad = fm.horizontalAdvance(QLatin1Char('0')) * 0.6;
        label = fm.horizontalAdvance(QStringLiteral("20")) + 2 * pad;
        double widest = fm.horizontalAdvance(QStringLiteral("100%"));
        for (const TableCells& cells : p.cells) {
            for (int r = 1; r <= kResultRows; ++r) {
                for (int s = 1; s <= kResultColumns; ++s) {
                    widest = qMax(widest,
                                  fm.horizontalAdvance(bare(cells.cell[asIndex(r)][asIndex(s)])));
                }
            }
        }
        column = widest + 2 * pad;
    }
    double tableWidth() const { return label + kResultColumns * column; }
    double tableHeight() const { return line + (kResultRows + 1) * row; }
};

// The lines of text above the tables, wrapped to the page's width.
QString introText(const Printout& p)
{
    return p.rowsAndColumns + QLatin1Char(' ') + p.key;
}

double heightAt(const Measure& m, const Printout& p, QPaintDevice* device, double width)
{
    const QFontMetricsF fm(m.body, device);
    const QRectF intro = fm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, introText(p));
    return QFontMetricsF(arial(m.body.pointSizeF() + 3, true), device).lineSpacing() +
           intro.height() + 3 * (m.tableHeight() + m.line);
}

void paintTable(QPainter& painter, const Measure& m, QPointF at0, const QString& title,
                const TableCells& cells)
{
    painter.setFont(m.bold);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at0.x(), at0.y(), m.tableWidth(), m.line), Qt::AlignLeft, title);
    const double top = at0.y() + m.line;
    const double left = at0.x();
    painter.setFont(m.body);
    const auto cellRect = [&](int r, int s) {
        const double x = s == 0 ? left : left + m.label + (s - 1) * m.column;
        return QRectF(x + m.pad, top + r * m.row, (s == 0 ? m.label : m.column) - 2 * m.pad, m.row);
    };
    for (int s = 1; s <= kResultColumns; ++s) {
        painter.drawText(cellRect(0, s), Qt::AlignCenter, bare(cells.columnLabel[asIndex(s)]));
    }
    for (int r = 1; r <= kResultRows; ++r) {
        painter.drawText(cellRect(r, 0), Qt::AlignRight | Qt::AlignVCenter,
                         bare(cells.rowLabel[asIndex(r)]));
        for (int s = 1; s <= kResultColumns; ++s) {
            painter.drawText(cellRect(r, s), Qt::AlignCenter,
                             bare(cells.cell[asIndex(r)][asIndex(s)]));
        }
    }
    painter.setPen(QPen(QColor(kGridColour.red, kGridColour.green, kGridColour.blue), m.line / 16));
    const double bottom = top + (kResultRows + 1) * m.row;
    for (int s = 0; s <= kResultColumns; ++s) {
        const double x = left + m.label + s * m.column;
        painter.drawLine(QPointF(x, top + m.row), QPointF(x, bottom));
    }
    for (int r = 1; r <= kResultRows + 1; ++r) {
        const double y = top + r * m.row;
        painter.drawLine(QPointF(left + m.label, y), QPointF(left + m.tableWidth(), y));
    }
}

} // namespace

Printout PrintoutOf(const Drill& d, const QString& heading, int operation)
{
    Printout p;
    p.title = QCoreApplication::translate("sb::ResultsWindow", "Results Table") +
              (heading.isEmpty() ? QString() : QStringLiteral(": ") + heading);
    p.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    p.rowsAndColumns = QCoreApplication::translate(
        "sb::ResultsWindow", "Each fact has its cell: rows 1 to 20 down the side, "
                             "columns 1 to 10 (the second number) across the top.");
    for (int k = 1; k <= d.factCount && k <= kFactSlots; ++k) {
        const FactRec& f = d.fact(k);
        if ((k - 1) % 20 + 1 == 7 && f.second == 4 && operation != 0) {
            p.rowsAndColumns +=
                QCoreApplication::translate("sb::ResultsWindow", " Row 7, column 4 is ") +
                QString::fromStdString(ProblemAsSeen(f, operation)) + QLatin1Char('.');
        }
    }
    p.key = QCoreApplication::translate(
        "sb::ResultsWindow", "Percent Correct: the right answers in percent of those given. "
                             "Number Wrong: the wrong answers (time-outs included), as a negative "
                             "number. Ratio: right answers / answers given. "
                             "* : never asked (in Number Wrong: none wrong).");
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        p.cells[i] = CellsOf(d, kViews[i]);
    }
    p.viewTitle = {QCoreApplication::translate("sb::ResultsWindow", "Percent Correct"),
                   QCoreApplication::translate("sb::ResultsWindow", "Number Wrong"),
                   QCoreApplication::translate("sb::ResultsWindow", "Ratio: Correct/Total")};
    return p;
}

double paintPrintout(QPainter& painter, const QRectF& page, const Printout& p)
{
    QPaintDevice* device = painter.device();
    double points = 12;
    while (points > 6) {
        const Measure m(points, p, device);
        if (m.tableWidth() <= page.width() &&
            heightAt(m, p, device, page.width()) <= page.height()) {
            break;
        }
        points -= 0.25;
    }
    Measure m(points, p, device);
    // The columns share the page's width, so that the type has room around it.
    m.column = qMax(m.column, (page.width() - m.label) / kResultColumns);
    const QFont title = arial(points + 3, true);
    double y = page.top();
    painter.setPen(Qt::black);
    painter.setFont(title);
    const QFontMetricsF titleMetrics(title, device);
    painter.drawText(QPointF(page.left(), y + titleMetrics.ascent()), p.title);
    painter.setFont(m.body);
    painter.drawText(QRectF(page.left(), y, page.width(), titleMetrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, p.date);
    y += titleMetrics.lineSpacing();
    QRectF intro;
    painter.drawText(QRectF(page.left(), y, page.width(), page.bottom() - y), Qt::TextWordWrap,
                     introText(p), &intro);
    y += intro.height();
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        y += m.line;
        paintTable(painter, m, QPointF(page.left(), y), p.viewTitle[i], p.cells[i]);
        y += m.tableHeight();
    }
    return points;
}

} // namespace sb
