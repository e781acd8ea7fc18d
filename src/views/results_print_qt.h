// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

#include "flow/results_table.h"

class QPainter;
class QRectF;

namespace sb {

// The Results table on paper: a heading, what the rows and columns are, a key for "*", then
// the three views one below the other, in the largest type (up to 12 points) with which they
// fill one page.
struct Printout {
    QString title;          // "Results Table: Ann Lee, Multiplication"
    QString date;           // the day it was printed
    QString rowsAndColumns; // what a row and a column of the tables stand for
    QString key;            // what "*" and the three views' numbers mean
    std::array<QString, 3> viewTitle;
    std::array<TableCells, 3> cells; // Percent, Wrong, Ratio
};

// The printout of the fact table d, which holds facts of `operation`, headed by `heading`.
Printout PrintoutOf(const Drill& d, const QString& heading, int operation);

// Paints the printout into `page` (device pixels) and answers the size of type used, in points.
double paintPrintout(QPainter& painter, const QRectF& page, const Printout& p);

} // namespace sb
