// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/progress_chart_qt.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <functional>

namespace sb {

ProgressChart::ProgressChart(bool localizeNumbers, QWidget* parent)
    : QChartView(parent), m_localizeNumbers(localizeNumbers)
{
    setObjectName(QStringLiteral("progressChart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 280);
    setFocusPolicy(Qt::NoFocus); // its figures are in the table beside it
    setAccessibleName(tr("Progress chart; its figures are in the table beside it"));
}

namespace {

constexpr qint64 kDayMs = 86'400'000;

// One figure of the days as lines: a line for each run of days next to one another, so that
// no line crosses days without answers; all of one colour, named once in the legend.
struct Figure {
    QString name;
    QColor colour;
    std::function<qreal(const DayFigures&)> value;
    QValueAxis* axis;
};

void addFigure(QChart* chart, QDateTimeAxis* x, const Figure& f, std::span<const DayFigures> days)
{
    QLineSeries* line = nullptr;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (line == nullptr || days[i].day != days[i - 1].day + 1) {
            line = new QLineSeries;
            line->setName(f.name);
            line->setColor(f.colour);
            line->setPointsVisible(true);
            line->setMarkerSize(7); // a day alone is a point that shows
            chart->addSeries(line);
            line->attachAxis(x);
            line->attachAxis(f.axis);
            const auto markers = chart->legend()->markers(line);
            for (QLegendMarker* m : markers) {
                m->setVisible(i == 0);
            }
        }
        // Noon of the day, so that the axis's dates fall on the right days in every zone.
        line->append(static_cast<qreal>(days[i].day * kDayMs + kDayMs / 2), f.value(days[i]));
    }
}

QValueAxis* valueAxis(QChart* chart, const QString& title, double top, Qt::Alignment side)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->applyNiceNumbers(); // ticks at round numbers: 0, 5, 10, not 13, 26, 39
    axis->setTitleText(title);
    chart->addAxis(axis, side);
    return axis;
}

} // namespace

void ProgressChart::setDays(std::span<const DayFigures> days)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Dates and numbers the way the pupil's language writes them; English as the program's own.
    chart->setLocalizeNumbers(m_localizeNumbers);
    int mostProblems = 1;
    double slowest = 1;
    for (const DayFigures& d : days) {
        mostProblems = std::max(mostProblems, d.answers);
        slowest = std::max(slowest, d.medianMs / 1000.0);
    }
    auto* x = new QDateTimeAxis;
    x->setFormat(tr("MMM d", "a day on the chart's axis, as QDate writes it"));
    chart->addAxis(x, Qt::AlignBottom);
    if (days.empty()) {
        chart->setTitle(tr("No answers in this period"));
        x->setVisible(false);
    } else {
        const qint64 first = days.front().day * kDayMs;
        const qint64 last = days.back().day * kDayMs + kDayMs;
        x->setRange(QDateTime::fromMSecsSinceEpoch(first, Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(last, Qt::UTC));
        // A tick a day where there are few days, so that no date stands twice.
        x->setTickCount(static_cast<int>(std::min<qint64>(5, (last - first) / kDayMs + 1)));
    }
    QValueAxis* pct = valueAxis(chart, tr("% right"), 100, Qt::AlignLeft);
    pct->setLabelFormat(QStringLiteral("%.0f"));
    QValueAxis* count = valueAxis(chart, tr("Problems"), mostProblems, Qt::AlignRight);
    count->setLabelFormat(QStringLiteral("%.0f"));
    QValueAxis* secs = valueAxis(chart, tr("Median s"), slowest, Qt::AlignRight);
    const Figure figures[] = {{tr("Problems"), QColor(0x20, 0x9f, 0xdf),
                               [](const DayFigures& d) { return d.answers; }, count},
                              {tr("% right"), QColor(0x99, 0xca, 0x53),
                               [](const DayFigures& d) { return d.percentRight; }, pct},
                              {tr("Median seconds"), QColor(0xf6, 0xa6, 0x25),
                               [](const DayFigures& d) { return d.medianMs / 1000.0; }, secs}};
    for (const Figure& f : figures) {
        addFigure(chart, x, f, days);
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace sb

extern "C" Q_DECL_EXPORT sb::DaysChart* sumblitzMakeDaysChart(QWidget* parent, bool localizeNumbers)
{
    return new sb::ProgressChart(localizeNumbers, parent);
}
