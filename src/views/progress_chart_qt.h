// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>

#include <span>

#include "flow/progress.h"
#include "views/days_chart_qt.h"

namespace sb {

// The days as a chart: problems answered (bars' worth of points, right axis), percent right
// (left axis, 0..100) and the median seconds (right axis), one point per day. Built into the
// chart module only; the program makes it through makeDaysChart.
class ProgressChart : public QChartView, public DaysChart {
    Q_OBJECT
public:
    // localizeNumbers: dates and numbers as the pupil's language writes them (the module sees
    // nothing of the program's own functions, so the program says).
    explicit ProgressChart(bool localizeNumbers, QWidget* parent = nullptr);
    QWidget* widget() override { return this; }
    void setDays(std::span<const DayFigures> days) override;

private:
    bool m_localizeNumbers;
};

} // namespace sb

// The entry point of the chart module, called by name by makeDaysChart.
extern "C" sb::DaysChart* sumblitzMakeDaysChart(QWidget* parent, bool localizeNumbers);
