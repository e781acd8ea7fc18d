// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>

#include <span>

#include "flow/progress.h"

namespace sb {

// The days as a chart: problems answered (bars' worth of points, right axis), percent right
// (left axis, 0..100) and the median seconds (right axis), one point per day.
class ProgressChart : public QChartView {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);
    void setDays(std::span<const DayFigures> days);
};

} // namespace sb
