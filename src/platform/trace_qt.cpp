// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trace_qt.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

namespace sb {

namespace {

// Started while the program is loaded, before main runs.
struct Trace {
    QElapsedTimer since;
    bool on = qEnvironmentVariableIsSet("SUMBLITZ_TRACE");
    Trace() { since.start(); }
};
Trace loaded;

class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint has reached the screen.
            QTimer::singleShot(0, this, [this] {
                trace("first paint");
                if (m_then) {
                    m_then();
                }
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void trace(const char* step)
{
    if (!loaded.on) {
        return;
    }
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "sumblitz-trace %8.2f ms  cpu %7.2f ms  %s\n",
                 static_cast<double>(loaded.since.nsecsElapsed()) / 1e6,
                 static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6,
                 step);
}

} // namespace sb

namespace sb {

void afterFirstPaint(QWidget& window, std::function<void()> then)
{
    new FirstPaint(window, std::move(then));
}

} // namespace sb
