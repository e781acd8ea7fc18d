// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "views/common_qt.h"

#include "flow/main_model.h"

namespace sb {

// The problem display (the main window's dm and the pop-up's dp): draws a ProblemDrawing
// centred in its own font and, for division, lays a colon over the hyphen so that it reads as
// a division sign. Its accessible name is the problem as the pupil sees it. Given more room
// than its size hint, its font grows with it (growth); the sizes it asks for are always those
// of its normal font, so a window made big can be made small again.
class ProblemView : public QWidget {
    Q_OBJECT
public:
    ProblemView(int pointSize, QWidget* parent = nullptr);
    void setDrawing(const ProblemDrawing& drawing);
    const ProblemDrawing& drawing() const { return m_drawing; }

    // The text as read aloud: the division sign in place of its hyphen.
    static QString spokenText(const ProblemDrawing& drawing);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();

    QFont m_normalFont;
    ProblemDrawing m_drawing;
    // Measured once in the normal font: an answer measures only its new problem's text.
    QSize m_natural;  // the widest problem there is
    QSize m_least;    // the least a problem takes
    int m_margin = 0; // room for a character at each end of the text on show
    QSize m_minimum;  // for the text on show
};

} // namespace sb
