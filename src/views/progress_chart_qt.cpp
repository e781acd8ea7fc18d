// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/progress_chart_qt.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

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

void ProgressChart::setDays(std::span<const DayFigures> days)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Dates and numbers the way the pupil's language writes them; English as the program's own.
    chart->setLocalizeNumbers(m_localizeNumbers);
    auto* problems = new QLineSeries;
    problems->setName(tr("Problems"));
    auto* percent = new QLineSeries;
    percent->setName(tr("% right"));
    auto* seconds = new QLineSeries;
    seconds->setName(tr("Median seconds"));
    int mostProblems = 1;
    double slowest = 1;
    for (const DayFigures& d : days) {
        // Noon of the day, so that the axis's dates fall on the right days in every zone.
        const qreal x = static_cast<qreal>(d.day * 86'400'000 + 43'200'000);
        problems->append(x, d.answers);
        percent->append(x, d.percentRight);
        seconds->append(x, d.medianMs / 1000.0);
        mostProblems = std::max(mostProblems, d.answers);
        slowest = std::max(slowest, d.medianMs / 1000.0);
    }
    for (QLineSeries* s : {problems, percent, seconds}) {
        s->setPointsVisible(true);
        chart->addSeries(s);
    }
    auto* x = new QDateTimeAxis;
    x->setFormat(tr("MMM d", "a day on the chart's axis, as QDate writes it"));
    if (!days.empty()) {
        const qint64 first = days.front().day * 86'400'000;
        const qint64 last = days.back().day * 86'400'000 + 86'400'000;
        x->setRange(QDateTime::fromMSecsSinceEpoch(first, Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(last, Qt::UTC));
    }
    chart->addAxis(x, Qt::AlignBottom);
    auto* pct = new QValueAxis;
    pct->setRange(0, 100);
    pct->setTitleText(tr("% right"));
    pct->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(pct, Qt::AlignLeft);
    auto* count = new QValueAxis;
    count->setRange(0, mostProblems);
    count->setTitleText(tr("Problems"));
    count->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(count, Qt::AlignRight);
    auto* secs = new QValueAxis;
    secs->setRange(0, slowest * 1.1);
    secs->setTitleText(tr("Median s"));
    chart->addAxis(secs, Qt::AlignRight);
    const auto attach = [&](QLineSeries* s, QValueAxis* y) {
        s->attachAxis(x);
        s->attachAxis(y);
    };
    attach(problems, count);
    attach(percent, pct);
    attach(seconds, secs);
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace sb

extern "C" Q_DECL_EXPORT sb::DaysChart* sumblitzMakeDaysChart(QWidget* parent, bool localizeNumbers)
{
    return new sb::ProgressChart(localizeNumbers, parent);
}
