// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/days_chart_qt.h"

#include <QLibrary>
#include <QWidget>

#include "platform/assets_qt.h"
#include "platform/trace_qt.h"
#include "views/translation_qt.h"

namespace sb {

namespace {

class NoChart final : public QWidget, public DaysChart {
public:
    explicit NoChart(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("progressChart"));
        setMinimumSize(420, 280);
    }
    QWidget* widget() override { return this; }
    void setDays(std::span<const DayFigures>) override {}
};

using Make = DaysChart* (*)(QWidget*, bool);

} // namespace

DaysChart* makeDaysChart(QWidget* parent)
{
    static const Make make = [] {
        trace("charts: loading");
        QLibrary module(findModule(QStringLiteral("sumblitz-charts.so")));
        module.setLoadHints(QLibrary::PreventUnloadHint); // its charts live in it
        const auto found = reinterpret_cast<Make>(module.resolve("sumblitzMakeDaysChart"));
        trace(found != nullptr ? "charts: loaded" : "charts: no module");
        return found;
    }();
    if (make != nullptr) {
        // Dates and numbers the way the pupil's language writes them; English as the program's own.
        return make(parent, !shownLanguage().isEmpty());
    }
    return new NoChart(parent);
}

} // namespace sb
