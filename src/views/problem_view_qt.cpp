// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/problem_view_qt.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "drill/posing.h"

namespace sb {

ProblemView::ProblemView(int pointSize, QWidget* parent)
    : QWidget(parent), m_normalFont(arial(pointSize))
{
    setFont(m_normalFont);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAccessibleName(QString());
    const QFontMetrics fm(m_normalFont);
    m_natural = {fm.horizontalAdvance(QStringLiteral("000 - 00 = 00 R 0")), fm.height() * 2};
    m_least = {fm.horizontalAdvance(QStringLiteral("00 - 00 = 0 R 0")), fm.height() + 8};
    m_margin = 2 * fm.averageCharWidth();
    m_minimum = m_least.expandedTo(QSize(m_margin, 0));
}

void ProblemView::setDrawing(const ProblemDrawing& drawing)
{
    const bool same = drawing.text == m_drawing.text && drawing.markText == m_drawing.markText &&
                      drawing.divisionSign == m_drawing.divisionSign &&
                      drawing.hyphenBack == m_drawing.hyphenBack &&
                      drawing.colonBack == m_drawing.colonBack;
    if (same) {
        return;
    }
    const QSize before = m_minimum;
    m_drawing = drawing;
    // Wide enough for the text on show, with room for a character at each end.
    const int shown = QFontMetrics(m_normalFont).horizontalAdvance(toQString(m_drawing.text));
    m_minimum = m_least.expandedTo(QSize(shown + m_margin, 0));
    setAccessibleName(spokenText(m_drawing));
    fitFont();
    // Only a text of another width asks the window to lay itself out again.
    if (m_minimum != before) {
        updateGeometry();
    }
    update();
}

QString ProblemView::spokenText(const ProblemDrawing& drawing)
{
    QString text = toQString(drawing.text);
    if (drawing.divisionSign) {
        text.replace(QStringLiteral(" -  "), QStringLiteral(" \u00F7 "));
    }
    return text.simplified();
}

QSize ProblemView::sizeHint() const
{
    return m_natural;
}

QSize ProblemView::minimumSizeHint() const
{
    return m_minimum;
}

void ProblemView::resizeEvent(QResizeEvent*)
{
    fitFont();
}

void ProblemView::fitFont()
{
    QFont f = m_normalFont;
    // Whole points: a window dragged a pixel wider does not change the text. The widest texts
    // (a remainder) are measured as they are, so they never grow past the edges.
    const QSize normal = sizeHint().expandedTo(minimumSizeHint());
    f.setPointSizeF(std::floor(m_normalFont.pointSizeF() * growth(size(), normal)));
    if (f != font()) {
        setFont(f);
    }
}

void ProblemView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_drawing.text.empty()) {
        return;
    }
    const QFontMetricsF fm(font());
    const QString text = toQString(m_drawing.text);
    const QString mark = toQString(m_drawing.markText);
    const ProblemLayout at = layoutProblem(
        pixelsToTwips(width(), this), pixelsToTwips(height(), this),
        pixelsToTwips(fm.horizontalAdvance(text), this), pixelsToTwips(fm.height(), this),
        pixelsToTwips(fm.horizontalAdvance(mark), this), m_drawing);
    // The drawing position is the top of the text line, as the layout measures it.
    const int baseline = twipsToPixels(at.y, this) + qRound(fm.ascent());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(twipsToPixels(at.x, this), baseline, text);
    if (m_drawing.divisionSign) {
        painter.drawText(twipsToPixels(at.hyphenX, this), baseline, QStringLiteral("-"));
        painter.drawText(twipsToPixels(at.colonX, this), baseline, QStringLiteral(":"));
    }
}

} // namespace sb
