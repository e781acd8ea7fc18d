// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "flow/progress.h"

class QWidget;

namespace sb {

// The Progress window's chart of the days, behind a plain interface: Qt Charts, and the OpenGL
// libraries it brings, is linked only into the chart module (sumblitz-charts.so, found as the
// sound module is), loaded the first time a chart is made, so the program starts without it.
class DaysChart {
public:
    virtual ~DaysChart() = default;
    // The chart's widget, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    // One point per day: problems answered, percent right and the median seconds.
    virtual void setDays(std::span<const DayFigures> days) = 0;
};

// Makes the chart as a child of parent; the parent owns it. Where the module cannot be loaded,
// an empty widget of the chart's size stands in and shows nothing.
DaysChart* makeDaysChart(QWidget* parent);

} // namespace sb
