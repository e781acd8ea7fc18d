// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include "flow/results_table.h"

class QFont;
class QPainter;
class QScrollBar;

namespace sb {

// The drawing surface p of the Results table. It shows the image the table was painted on and
// never paints the table itself, so a repaint or a scroll costs a copy of pixels. hold clips
// it and v moves it up and down. It takes the keyboard focus for the table with a cell cursor:
// the arrow, page, Home and End keys move it and scroll through v to keep it in view; the
// mouse wheel scrolls. To assistive technology it is a table of 20 rows and 10 columns whose
// cells read as the view shown, with the row and column labels as headers, and the cell under
// the cursor is its focused child.
class ResultsSurface : public QWidget {
public:
    ResultsSurface(const ResultsModel& model, QScrollBar* v, QWidget* hold);

    void setImage(const QImage& image);
    void setCells(const TableCells& cells) { m_cells = cells; }

    // Grid coordinates include the labels: row 0 holds the column labels, column 0 the row
    // labels; rows 1..20 and columns 1..10 are the cells.
    QString cellName(int row, int column) const;
    QString cellDescription(int row, int column) const;
    QRect cellRect(int row, int column) const; // on the screen
    bool cellInView(int row, int column) const;
    // The grid cell under a point of the screen as (column, row), or (-1, -1).
    QPoint cellAtGlobal(QPoint global) const;
    // The cell under the cursor as (column, row), in 1..10 and 1..20.
    QPoint cursor() const { return m_cursor; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const ResultsModel& m_model;
    QScrollBar* m_v;
    QImage m_image;
    TableCells m_cells;
    QPoint m_cursor{1, 1};

    void moveCursor(int columns, int rows);
};

// Paints a drawing of p on any device: k device pixels per unit, lines penWidth device pixels
// wide (0: one pixel at any scale).
void paintDrawing(QPainter& painter, const TableDrawing& p, const QFont& font, double k,
                  int penWidth);

} // namespace sb
